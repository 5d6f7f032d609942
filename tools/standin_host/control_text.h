// How controls of customUI markup read in the host's printout.
#pragma once

#include <string>
#include <string_view>

#include "xml_element.h"

namespace zorvane::standin {

inline constexpr std::wstring_view kDropDownMark = L" \u25BE";  // drops a menu down
inline constexpr std::wstring_view kSubMenuMark = L" \u25B8";   // opens a sub-menu to the side

// What the control shows on its face: its label unless showLabel is false, else the name
// of the built-in control or image that it shows.
std::wstring Face(const XmlElement& element);

// Opens a menu: menu, dynamicMenu, splitButton, gallery.
bool OpensMenu(const XmlElement& element) noexcept;

// "全部 (MenuAll)", or the id alone when the label is blank or the same.
std::wstring Describe(const XmlElement& element);

std::wstring Indent(std::size_t levels);

}  // namespace zorvane::standin
