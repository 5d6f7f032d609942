// What sets the add-in's classes apart: one row per Office host. The class factory
// hands a row to the object it creates, registration writes one class and add-in entry per
// row, and code asks the row, never which host it is.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "Zorvane.h"
#include "addin/addin_names.h"
#include "common/office_host.h"
#include "powerpoint.h"

namespace zorvane::addin {

// Word's, Excel's and Outlook's _Application, by their published identifiers. The add-in only queries
// for them and holds the reference, as for PowerPoint's (declared in office/powerpoint.idl).
inline constexpr IID kWordApplicationIid = {0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kExcelApplicationIid = {0x000208D5, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kOutlookApplicationIid = {0x00063001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct HostDescription {
  OfficeHost host;            // picks the host's names, ribbon, menus, switches and dialog texts
  const CLSID* classId;
  const IID* applicationIid;  // the _Application the host's application object answers to

  const OfficeHostNames& Names() const noexcept { return NamesOf(host); }
};

// In OfficeHost order. The CLSIDs (from the type library) name the classes for good.
inline constexpr std::array<HostDescription, kOfficeHostCount> kHostDescriptions{{
    {OfficeHost::PowerPoint, &CLSID_Connect, &IID__Application},
    {OfficeHost::Word, &CLSID_WordConnect, &kWordApplicationIid},
    {OfficeHost::Excel, &CLSID_ExcelConnect, &kExcelApplicationIid},
    {OfficeHost::Outlook, &CLSID_OutlookConnect, &kOutlookApplicationIid},
}};
static_assert(InOfficeHostOrder(kHostDescriptions), "one row per host, in OfficeHost order");

}  // namespace zorvane::addin
