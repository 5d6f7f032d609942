// The hosts' names as our supertips give them where a language writes them alike.
#pragma once

namespace zorvane::ribbon::text::product {

inline constexpr char16_t kPowerPoint2007[] = u"PowerPoint 2007";
inline constexpr char16_t kWord2007[] = u"Word 2007";
inline constexpr char16_t kExcel2007[] = u"Excel 2007";

}  // namespace zorvane::ribbon::text::product
