// PowerPoint's texts, which most of the markup tests examine, in the first language unless told;
// its document as Office 2007 has it.
#pragma once

#include <string_view>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"

namespace zorvane::ribbon {

inline std::u16string_view PowerPointRibbonDocument(UiLanguage language = UiLanguage::kSimplifiedChinese) {
  return RibbonDocument(OfficeHost::PowerPoint, OfficeVersion::k2007, language);
}
inline std::u16string_view PowerPointMenuContent(std::u16string_view tag,
                                                 UiLanguage language = UiLanguage::kSimplifiedChinese) {
  return MenuContent(OfficeHost::PowerPoint, tag, language);
}

}  // namespace zorvane::ribbon
