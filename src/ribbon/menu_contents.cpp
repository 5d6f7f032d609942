#include "ribbon/menu_contents.h"

#include <array>

#include "ribbon/menus/edit.h"
#include "ribbon/menus/file.h"
#include "ribbon/menus/format.h"
#include "ribbon/menus/help.h"
#include "ribbon/menus/insert.h"
#include "ribbon/menus/slide.h"
#include "ribbon/menus/tools.h"
#include "ribbon/menus/view.h"
#include "ribbon/menus/windows.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/text/ribbon_text.h"

namespace zorvane::ribbon {
namespace {

struct TaggedMenu {
  std::u16string_view tag;
  std::u16string_view content;
};

// The menus without captions of their own are the same text in every language.
template <class T>
constexpr std::array kMenus = {
    TaggedMenu{tag::kFile, menus::kFileMenu<T>},
    TaggedMenu{tag::kEdit, menus::kEditMenu},
    TaggedMenu{tag::kView, menus::kViewMenu<T>},
    TaggedMenu{tag::kInsert, menus::kInsertMenu<T>},
    TaggedMenu{tag::kFormat, menus::kFormatMenu<T>},
    TaggedMenu{tag::kTools, menus::kToolsMenu<T>},
    TaggedMenu{tag::kSlide, menus::kSlideMenu<T>},
    TaggedMenu{tag::kWindows, menus::kWindowsMenu},
    TaggedMenu{tag::kHelp, menus::kHelpMenu<T>},
};

constexpr auto kMenusByLanguage = text::PerLanguage([]<class T>() { return kMenus<T>; });

constexpr auto kTags = [] {
  constexpr auto& menus = kMenusByLanguage.front();
  std::array<std::u16string_view, menus.size()> tags{};
  for (std::size_t i = 0; i < menus.size(); ++i) tags[i] = menus[i].tag;
  return tags;
}();

}  // namespace

std::u16string_view MenuContent(std::u16string_view tag, UiLanguage language) noexcept {
  // Whole, case-sensitive comparison of code units; the empty tag matches nothing.
  for (const TaggedMenu& menu : kMenusByLanguage[text::IndexOf(language)]) {
    if (menu.tag == tag) return menu.content;
  }
  return {};
}

std::span<const std::u16string_view> MenuTags() noexcept { return kTags; }

}  // namespace zorvane::ribbon
