// What each host's dialogs show, written out here as the user reads them: the customization
// list's items and the About dialog's second title line, in each language (UiLanguage order:
// zh-CN, zh-TW, English), and the host's keys.
#pragma once

#include <array>

#include "common/office_host.h"
#include "settings_registry.h"

namespace zorvane::dialogs::test {

struct HostCase {
  OfficeHost host;
  const char* tag;
  const HostKeys* keys;
  std::array<std::array<const wchar_t*, 8>, 3> items;
  std::array<const wchar_t*, 3> subtitles;
};

inline const HostCase kPowerPointCase{
    OfficeHost::PowerPoint,
    "powerpoint",
    &kPowerPointKeys,
    {{{L"显示开始选项卡", L"显示插入选项卡", L"显示设计选项卡", L"显示动画选项卡", L"显示幻灯片放映选项卡",
       L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡"},
      {L"顯示常用索引標籤", L"顯示插入索引標籤", L"顯示設計索引標籤", L"顯示動畫索引標籤", L"顯示投影片放映索引標籤",
       L"顯示校閱索引標籤", L"顯示檢視索引標籤", L"顯示開發人員索引標籤"},
      {L"Show the Home tab", L"Show the Insert tab", L"Show the Design tab", L"Show the Animations tab",
       L"Show the Slide Show tab", L"Show the Review tab", L"Show the View tab", L"Show the Developer tab"}}},
    {L"PowerPoint2007菜单", L"PowerPoint2007功能表", L"PowerPoint 2007 Menus"}};

inline const HostCase kWordCase{
    OfficeHost::Word,
    "word",
    &kWordKeys,
    {{{L"显示开始选项卡", L"显示插入选项卡", L"显示页面布局选项卡", L"显示引用选项卡", L"显示邮件选项卡",
       L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡"},
      {L"顯示常用索引標籤", L"顯示插入索引標籤", L"顯示版面配置索引標籤", L"顯示參考資料索引標籤", L"顯示郵件索引標籤",
       L"顯示校閱索引標籤", L"顯示檢視索引標籤", L"顯示開發人員索引標籤"},
      {L"Show the Home tab", L"Show the Insert tab", L"Show the Page Layout tab", L"Show the References tab",
       L"Show the Mailings tab", L"Show the Review tab", L"Show the View tab", L"Show the Developer tab"}}},
    {L"Word2007菜单", L"Word2007功能表", L"Word 2007 Menus"}};

inline const HostCase kExcelCase{
    OfficeHost::Excel,
    "excel",
    &kExcelKeys,
    {{{L"显示开始选项卡", L"显示插入选项卡", L"显示页面布局选项卡", L"显示公式选项卡", L"显示数据选项卡",
       L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡"},
      {L"顯示常用索引標籤", L"顯示插入索引標籤", L"顯示版面配置索引標籤", L"顯示公式索引標籤", L"顯示資料索引標籤",
       L"顯示校閱索引標籤", L"顯示檢視索引標籤", L"顯示開發人員索引標籤"},
      {L"Show the Home tab", L"Show the Insert tab", L"Show the Page Layout tab", L"Show the Formulas tab",
       L"Show the Data tab", L"Show the Review tab", L"Show the View tab", L"Show the Developer tab"}}},
    {L"Excel2007菜单", L"Excel2007功能表", L"Excel 2007 Menus"}};

inline const HostCase* const kHostCases[] = {&kPowerPointCase, &kWordCase, &kExcelCase};

}  // namespace zorvane::dialogs::test
