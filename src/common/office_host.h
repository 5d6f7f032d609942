// The Office applications the add-in serves. Each is described by data (its switches, its
// ribbon, its keys); the value picks the description.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zorvane {

enum class OfficeHost : unsigned char { PowerPoint, Word, Excel, Outlook };
inline constexpr std::size_t kOfficeHostCount = 4;

// The names by which Windows, Office and COM know each host and Zorvane's class for it: the
// one place they are written. UTF-16 text for the portable code; Windows code takes a
// wchar_t view (WideView below) of the same characters.
struct OfficeHostNames {
  OfficeHost host;
  std::u16string_view name;         // how Office's keys and the user name it: Office\<name>\Addins
  std::u16string_view programFile;  // the program in the Office folder
  std::u16string_view progId;       // Zorvane's class for the host, also its add-in entry's name
};

// In OfficeHost order.
inline constexpr std::array<OfficeHostNames, kOfficeHostCount> kOfficeHostNames{{
    {OfficeHost::PowerPoint, u"PowerPoint", u"POWERPNT.EXE", u"Zorvane.Connect"},
    {OfficeHost::Word, u"Word", u"WINWORD.EXE", u"Zorvane.WordConnect"},
    {OfficeHost::Excel, u"Excel", u"EXCEL.EXE", u"Zorvane.ExcelConnect"},
    {OfficeHost::Outlook, u"Outlook", u"OUTLOOK.EXE", u"Zorvane.OutlookConnect"},
}};

// Whether a table of rows with a `host` has one row per host, in OfficeHost order.
template <class Rows>
constexpr bool InOfficeHostOrder(const Rows& rows) {
  if (rows.size() != kOfficeHostCount) return false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<std::size_t>(rows[i].host) != i) return false;
  }
  return true;
}
static_assert(InOfficeHostOrder(kOfficeHostNames), "one row per host, in OfficeHost order");

// The host's row in every table in OfficeHost order.
constexpr std::size_t HostIndex(OfficeHost host) noexcept { return static_cast<std::size_t>(host); }

constexpr const OfficeHostNames& NamesOf(OfficeHost host) noexcept { return kOfficeHostNames[HostIndex(host)]; }

#ifdef _WIN32
// The same UTF-16 text as Windows' wchar_t; no copy. The literals above end in a null, so a
// view of a whole name may be passed where a null-terminated string is expected.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline std::wstring_view WideView(std::u16string_view text) noexcept {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
#endif

}  // namespace zorvane
