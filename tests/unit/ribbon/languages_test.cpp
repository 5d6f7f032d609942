// The ribbon in each language: the same elements, ids, idMso and callbacks as Simplified
// Chinese, with only our own captions changed, and the menu names users of that language know.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

struct LanguageCase {
  UiLanguage language;
  const char* all;  // the combined menu's label
  // Each document's menu-bar labels, in the order of the hosts' ribbons.
  std::array<Names, kDocumentCount> menuBars;
  Names hostNames;  // how the supertips name each host, in OfficeHost order
};

// PowerPoint's, Word's and Excel's bars differ only in the seventh menu; Outlook's message
// windows share theirs.
Names WithSeventh(Names bar, const char* seventh) {
  bar[6] = seventh;
  return bar;
}
const Names kZhCn{"文件", "编辑", "视图", "插入", "格式", "工具", "幻灯片放映", "窗口", "帮助"};
const Names kZhCnMessage{"文件", "编辑", "视图", "插入", "格式", "工具", "动作", "帮助"};
const Names kZhTw{"檔案", "編輯", "檢視", "插入", "格式", "工具", "投影片放映", "視窗", "說明"};
const Names kZhTwMessage{"檔案", "編輯", "檢視", "插入", "格式", "工具", "執行", "說明"};
const Names kEn{"File", "Edit", "View", "Insert", "Format", "Tools", "Slide Show", "Window", "Help"};
const Names kEnMessage{"File", "Edit", "View", "Insert", "Format", "Tools", "Actions", "Help"};

const LanguageCase kCases[] = {
    {UiLanguage::kSimplifiedChinese, "全部",
     {kZhCn, WithSeventh(kZhCn, "表格"), WithSeventh(kZhCn, "数据"),
      {"文件", "编辑", "视图", "转到", "工具", "动作", "帮助"}, kZhCnMessage, kZhCnMessage},
     {"Power Point2007", "Word2007", "Excel2007", "Outlook"}},
    {UiLanguage::kTraditionalChinese, "全部",
     {kZhTw, WithSeventh(kZhTw, "表格"), WithSeventh(kZhTw, "資料"),
      {"檔案", "編輯", "檢視", "移至", "工具", "執行", "說明"}, kZhTwMessage, kZhTwMessage},
     {"PowerPoint 2007", "Word 2007", "Excel 2007", "Outlook"}},
    {UiLanguage::kEnglish, "All",
     {kEn, WithSeventh(kEn, "Table"), WithSeventh(kEn, "Data"),
      {"File", "Edit", "View", "Go", "Tools", "Actions", "Help"}, kEnMessage, kEnMessage},
     {"PowerPoint 2007", "Word 2007", "Excel 2007", "Outlook"}},
};

// Captions are what a language changes; every other attribute stays as it is.
bool IsCaption(std::string_view attribute) {
  return attribute == "label" || attribute == "screentip" || attribute == "supertip";
}

// Each element's name and non-caption attributes, one line each, in document order; and,
// separately, every caption.
struct Shape {
  Names skeleton;
  Names captions;
};

Shape ShapeOf(std::u16string_view text) {
  const auto parsed = ParseStrict(text);
  EXPECT_TRUE(parsed->result);
  Shape shape;
  for (pugi::xml_node element : ElementsOf(parsed->Root())) {
    std::string line = element.name();
    for (pugi::xml_attribute attribute : element.attributes()) {
      if (IsCaption(attribute.name())) {
        shape.captions.push_back(attribute.value());
        line += std::string(" ") + attribute.name();  // which captions an element has stays
      } else {
        line += std::string(" ") + attribute.name() + "=" + attribute.value();
      }
    }
    shape.skeleton.push_back(line);
  }
  return shape;
}

// A document and its menus in `language`.
std::vector<std::u16string_view> TextsOf(const HostRibbon& document, UiLanguage language) {
  std::vector<std::u16string_view> texts{RibbonDocument(document.host, OfficeVersion::k2019, language, document.window)};
  for (std::u16string_view tag : MenuTags(document.host, document.window)) {
    texts.push_back(MenuContent(document.host, tag, language, document.window));
  }
  return texts;
}

TEST(RibbonLanguagesTest, OnlyCaptionsDifferFromTheFirstLanguage) {
  for (const HostRibbon& document : kHostRibbons) {
    const std::vector<std::u16string_view> first = TextsOf(document, UiLanguage::kSimplifiedChinese);
    for (const LanguageCase& row : kCases) {
      SCOPED_TRACE(std::string(row.all) + " host " + std::to_string(static_cast<int>(document.host)) + " window " +
                   std::to_string(static_cast<int>(document.window)));
      const std::vector<std::u16string_view> texts = TextsOf(document, row.language);
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const Shape shape = ShapeOf(texts[i]);
        const Shape reference = ShapeOf(first[i]);
        EXPECT_EQ(shape.skeleton, reference.skeleton) << i;
        // The blank spacing labels stay blank; no Chinese is left in the English text.
        ASSERT_EQ(shape.captions.size(), reference.captions.size()) << i;
        for (std::size_t c = 0; c < shape.captions.size(); ++c) {
          const bool blank = reference.captions[c].find_first_not_of(' ') == std::string::npos;
          if (blank) {
            EXPECT_EQ(shape.captions[c], reference.captions[c]);
          }
          if (row.language == UiLanguage::kEnglish) {
            for (const unsigned char byte : shape.captions[c]) EXPECT_LT(byte, 0x80) << shape.captions[c];
          }
        }
      }
    }
  }
}

// The menu bar shows the language's menu names, and each supertip names its host.
TEST(RibbonLanguagesTest, MenuBarShowsTheLanguagesOwnMenuNames) {
  for (const LanguageCase& row : kCases) {
    for (std::size_t document = 0; document < kDocumentCount; ++document) {
      const HostRibbon& ribbon = kHostRibbons[document];
      const auto parsed = ParseStrict(RibbonDocument(ribbon.host, OfficeVersion::k2007, row.language, ribbon.window));
      ASSERT_TRUE(parsed->result);
      const pugi::xml_node bar = parsed->Root().find_node(
          [](pugi::xml_node n) { return std::string_view(n.attribute("id").value()) == "Quelby_menu"; });
      Names labels;
      for (pugi::xml_node menu : bar.children("dynamicMenu")) {
        labels.emplace_back(menu.attribute("label").value());
        const std::string supertip = menu.attribute("supertip").value();
        EXPECT_NE(supertip.find(row.hostNames[HostIndex(ribbon.host)]), std::string::npos) << supertip;
        EXPECT_EQ(supertip.find('%'), std::string::npos) << supertip;
      }
      EXPECT_EQ(labels, row.menuBars[document]);
      EXPECT_STREQ(bar.child("menu").attribute("label").value(), row.all);
    }
  }
}

}  // namespace
}  // namespace zorvane::ribbon
