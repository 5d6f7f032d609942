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

namespace zorvane::ribbon {
namespace {

struct TaggedMenu {
  std::u16string_view tag;
  std::u16string_view content;
};

constexpr std::array kMenus = {
    TaggedMenu{tag::kFile, menus::kFileMenu},
    TaggedMenu{tag::kEdit, menus::kEditMenu},
    TaggedMenu{tag::kView, menus::kViewMenu},
    TaggedMenu{tag::kInsert, menus::kInsertMenu},
    TaggedMenu{tag::kFormat, menus::kFormatMenu},
    TaggedMenu{tag::kTools, menus::kToolsMenu},
    TaggedMenu{tag::kSlide, menus::kSlideMenu},
    TaggedMenu{tag::kWindows, menus::kWindowsMenu},
    TaggedMenu{tag::kHelp, menus::kHelpMenu},
};

constexpr auto kTags = [] {
  std::array<std::u16string_view, kMenus.size()> tags{};
  for (std::size_t i = 0; i < kMenus.size(); ++i) tags[i] = kMenus[i].tag;
  return tags;
}();

}  // namespace

std::u16string_view MenuContent(std::u16string_view tag) noexcept {
  // Whole, case-sensitive comparison of code units; the empty tag matches nothing.
  for (const TaggedMenu& menu : kMenus) {
    if (menu.tag == tag) return menu.content;
  }
  return {};
}

std::span<const std::u16string_view> MenuTags() noexcept { return kTags; }

}  // namespace zorvane::ribbon
