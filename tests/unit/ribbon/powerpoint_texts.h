// PowerPoint's texts and visibility rule, which most of the markup tests examine, with the
// first language unless told.
#pragma once

#include <span>
#include <string_view>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/visibility.h"

namespace zorvane::ribbon {

inline std::u16string_view PowerPointRibbonDocument(UiLanguage language = UiLanguage::kSimplifiedChinese) {
  return RibbonDocument(OfficeHost::PowerPoint, language);
}
inline std::u16string_view PowerPointMenuContent(std::u16string_view tag,
                                                 UiLanguage language = UiLanguage::kSimplifiedChinese) {
  return MenuContent(OfficeHost::PowerPoint, tag, language);
}
inline std::span<const std::u16string_view> PowerPointMenuTags() { return MenuTags(OfficeHost::PowerPoint); }
inline settings::HostBool PowerPointControlVisibility(std::u16string_view id,
                                                      const settings::DisplaySettingsRecord& settings) {
  return ControlVisibility(OfficeHost::PowerPoint, id, settings);
}

}  // namespace zorvane::ribbon
