// The add-in's customUI document: one constant text per host and language, whatever the host asks.
#pragma once

#include <string_view>

#include "common/office_host.h"
#include "common/ui_language.h"

namespace zorvane::ribbon {

// The whole ribbon document (UTF-16, no XML declaration) of `host` in `language`; every language
// has the same elements, ids and attributes, only our own captions differ. The view is of static
// storage and stays valid for the life of the module; the text is followed by a zero. A value
// outside either enumeration is its first.
std::u16string_view RibbonDocument(OfficeHost host, UiLanguage language) noexcept;

}  // namespace zorvane::ribbon
