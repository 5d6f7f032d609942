// The add-in's customUI document: one text per host, version and language, whatever ribbon the host asks for.
#pragma once

#include <string_view>

#include "common/office_host.h"
#include "common/office_version.h"
#include "common/ui_language.h"

namespace zorvane::ribbon {

// The whole ribbon document (UTF-16, no XML declaration) of `host` in `language`, re-declaring
// exactly the built-in tabs that `version` of the host has; every language has the same
// elements, ids and attributes, only our own captions differ. The view is of static storage and
// stays valid for the life of the module; the text is followed by a zero. A language outside
// the enumeration is the first.
std::u16string_view RibbonDocument(OfficeHost host, OfficeVersion version, UiLanguage language) noexcept;

}  // namespace zorvane::ribbon
