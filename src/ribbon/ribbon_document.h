// The add-in's customUI document: one constant text, whatever the host asks.
#pragma once

#include <string_view>

namespace zorvane::ribbon {

// The whole ribbon document (UTF-16, no XML declaration). The view is of static
// storage and stays valid for the life of the module; the text is followed by a zero.
std::u16string_view RibbonDocument() noexcept;

}  // namespace zorvane::ribbon
