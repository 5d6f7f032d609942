#include "ribbon/menu_contents.h"

#include <array>

#include "ribbon/localized_text.h"
#include "ribbon/menus/excel/data.h"
#include "ribbon/menus/excel/edit.h"
#include "ribbon/menus/excel/file.h"
#include "ribbon/menus/excel/format.h"
#include "ribbon/menus/excel/insert.h"
#include "ribbon/menus/excel/tools.h"
#include "ribbon/menus/excel/view.h"
#include "ribbon/menus/excel/windows.h"
#include "ribbon/menus/edit.h"
#include "ribbon/menus/file.h"
#include "ribbon/menus/format.h"
#include "ribbon/menus/help.h"
#include "ribbon/menus/insert.h"
#include "ribbon/menus/slide.h"
#include "ribbon/menus/tools.h"
#include "ribbon/menus/view.h"
#include "ribbon/menus/windows.h"
#include "ribbon/menus/word/edit.h"
#include "ribbon/menus/word/file.h"
#include "ribbon/menus/word/format.h"
#include "ribbon/menus/word/help.h"
#include "ribbon/menus/word/insert.h"
#include "ribbon/menus/word/table.h"
#include "ribbon/menus/word/tools.h"
#include "ribbon/menus/word/view.h"
#include "ribbon/menus/word/windows.h"
#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon {
namespace {

struct TaggedMenu {
  std::u16string_view tag;
  const LocalizedSource* content;
};

struct HostMenus {
  OfficeHost host;
  std::array<TaggedMenu, 9> menus;
};
constexpr std::size_t kMenusPerHost = std::tuple_size_v<decltype(HostMenus::menus)>;

// PowerPoint's Help menu is Excel's too, kept once.
constexpr const LocalizedSource& kSharedHelp = Localize([]<class T>() { return menus::kHelpMenu<T>.view(); });

// A menu without captions of its own is kept once for every language.
constexpr HostMenus kPowerPointMenus = {OfficeHost::PowerPoint, {{
    {tag::kFile, &Localize([]<class T>() { return menus::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::kViewMenu<T>.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::kToolsMenu<T>.view(); })},
    {tag::kSlide, &Localize([]<class T>() { return menus::kSlideMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::kWindowsMenu.view(); })},
    {tag::kHelp, &kSharedHelp},
}}};

constexpr HostMenus kWordMenus = {OfficeHost::Word, {{
    {tag::kFile, &Localize([]<class T>() { return menus::word::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::word::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::word::kViewMenu.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::word::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::word::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::word::kToolsMenu<T>.view(); })},
    {tag::kTable, &Localize([]<class T>() { return menus::word::kTableMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::word::kWindowsMenu.view(); })},
    {tag::kHelp, &Localize([]<class T>() { return menus::word::kHelpMenu<T>.view(); })},
}}};

constexpr HostMenus kExcelMenus = {OfficeHost::Excel, {{
    {tag::kFile, &Localize([]<class T>() { return menus::excel::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::excel::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::excel::kViewMenu.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::excel::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::excel::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::excel::kToolsMenu<T>.view(); })},
    {tag::kData, &Localize([]<class T>() { return menus::excel::kDataMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::excel::kWindowsMenu.view(); })},
    {tag::kHelp, &kSharedHelp},
}}};

// In OfficeHost order.
constexpr std::array kHostMenus = {&kPowerPointMenus, &kWordMenus, &kExcelMenus};
static_assert(kHostMenus.size() == kOfficeHostCount && [] {
  for (std::size_t i = 0; i < kHostMenus.size(); ++i) {
    if (HostIndex(kHostMenus[i]->host) != i) return false;
  }
  return true;
}(), "one host's menus per host, in OfficeHost order");

constexpr auto kTexts = [] {
  std::array<const LocalizedSource*, kHostMenus.size() * kMenusPerHost> sources{};
  for (std::size_t host = 0; host < kHostMenus.size(); ++host) {
    for (std::size_t menu = 0; menu < kMenusPerHost; ++menu) sources[host * kMenusPerHost + menu] = kHostMenus[host]->menus[menu].content;
  }
  return LocalizedTexts(sources);
}();
char16_t gMenuBuffer[kTexts.BufferUnits()];
OnceFlag gMenuFlags[kTexts.FlagCount()];

template <std::size_t... Host>
constexpr auto TagsOf(std::index_sequence<Host...>) {
  const auto tags = [](const HostMenus& menus) {
    std::array<std::u16string_view, kMenusPerHost> out{};
    for (std::size_t i = 0; i < menus.menus.size(); ++i) out[i] = menus.menus[i].tag;
    return out;
  };
  return std::array<std::array<std::u16string_view, kMenusPerHost>, sizeof...(Host)>{
      tags(*kHostMenus[Host])...};
}
constexpr auto kTags = TagsOf(std::make_index_sequence<kHostMenus.size()>());

}  // namespace

std::u16string_view MenuContent(OfficeHost host, std::u16string_view tag, UiLanguage language) noexcept {
  // Whole, case-sensitive comparison of code units; the empty tag matches nothing.
  const std::size_t index = HostIndex(host);
  const auto& menus = kHostMenus[index]->menus;
  for (std::size_t menu = 0; menu < menus.size(); ++menu) {
    if (menus[menu].tag == tag) return kTexts.In(index * kMenusPerHost + menu, language, gMenuBuffer, gMenuFlags);
  }
  return {};
}

std::span<const std::u16string_view> MenuTags(OfficeHost host) noexcept { return kTags[HostIndex(host)]; }

}  // namespace zorvane::ribbon
