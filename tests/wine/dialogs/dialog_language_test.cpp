// Both dialogs in each of their three languages: every text fits its control at 96, 120 and
// 144 DPI (with screenshots kept), and the keyboard works them (Tab, Space, Enter, Esc, the
// link), with what Wine's accessibility layer exposes of their names.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <tlhelp32.h>
#include <wrl/client.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dialogs/custom_dialog.h"
#include "dpi_run.h"
#include "host_objects.h"
#include "layout_checks.h"
#include "product_info.h"
#include "screenshot.h"
#include "settings_registry.h"
#include "url_handler.h"

namespace zorvane::dialogs::test {
namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::standin;

struct Language {
  UiLanguage id;
  const char* tag;
  const wchar_t* customCaption;
  const wchar_t* aboutCaption;
  const wchar_t* sharedItems[5];  // the list's items 0, 1 and 5 to 7 in every host
};

constexpr Language kLanguages[] = {
    {UiLanguage::kSimplifiedChinese, "zh-CN", L"自定义", L"关于Quelby",
     {L"显示开始选项卡", L"显示插入选项卡", L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡"}},
    {UiLanguage::kTraditionalChinese, "zh-TW", L"自訂", L"關於Quelby",
     {L"顯示常用索引標籤", L"顯示插入索引標籤", L"顯示校閱索引標籤", L"顯示檢視索引標籤", L"顯示開發人員索引標籤"}},
    {UiLanguage::kEnglish, "en-US", L"Customize", L"About Quelby",
     {L"Show the Home tab", L"Show the Insert tab", L"Show the Review tab", L"Show the View tab",
      L"Show the Developer tab"}},
};

// Per host and language (in kLanguages' order): the list's items 2 to 4 and the About
// dialog's second title line.
struct Host {
  OfficeHost id;
  const char* tag;
  const wchar_t* items[3][3];
  const wchar_t* subtitles[3];
};

constexpr Host kHosts[] = {
    {OfficeHost::PowerPoint, "powerpoint",
     {{L"显示设计选项卡", L"显示动画选项卡", L"显示幻灯片放映选项卡"},
      {L"顯示設計索引標籤", L"顯示動畫索引標籤", L"顯示投影片放映索引標籤"},
      {L"Show the Design tab", L"Show the Animations tab", L"Show the Slide Show tab"}},
     {L"PowerPoint2007菜单", L"PowerPoint2007功能表", L"PowerPoint 2007 Menus"}},
    {OfficeHost::Word, "word",
     {{L"显示页面布局选项卡", L"显示引用选项卡", L"显示邮件选项卡"},
      {L"顯示版面配置索引標籤", L"顯示參考資料索引標籤", L"顯示郵件索引標籤"},
      {L"Show the Page Layout tab", L"Show the References tab", L"Show the Mailings tab"}},
     {L"Word2007菜单", L"Word2007功能表", L"Word 2007 Menus"}},
    {OfficeHost::Excel, "excel",
     {{L"显示页面布局选项卡", L"显示公式选项卡", L"显示数据选项卡"},
      {L"顯示版面配置索引標籤", L"顯示公式索引標籤", L"顯示資料索引標籤"},
      {L"Show the Page Layout tab", L"Show the Formulas tab", L"Show the Data tab"}},
     {L"Excel2007菜单", L"Excel2007功能表", L"Excel 2007 Menus"}},
};

constexpr int kHome = 0;
constexpr int kInsert = 1;  // locked off by policy in every test here

class DialogLanguageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    DeleteHostKeys();
    WritePolicy(HKEY_CURRENT_USER, L"TabInsert", L"0");  // so the note and a locked item show
  }
  void TearDown() override {
    DeleteHostKeys();
    CoUninitialize();
  }

  HRESULT ShowCustom(const Language& language, const std::function<void(HWND)>& drive,
                     OfficeHost host = OfficeHost::PowerPoint, OfficeVersion version = OfficeVersion::k2007) {
    CustomDialog dialog;
    dialog.SetHostApplication(ComPtr<_Application>(&application_));
    return ShowAndDrive(language.customCaption,
                        [&] { return dialog.ShowModal(language.id, host, version, HostRibbons{ComPtr<IRibbonUI>(&ribbon_)}); }, drive);
  }
  HRESULT ShowAbout(const Language& language, const std::function<void(HWND)>& drive,
                    OfficeHost host = OfficeHost::PowerPoint) {
    AboutDialog dialog;
    dialog.SetHostApplication(ComPtr<_Application>(&application_));
    return ShowAndDrive(language.aboutCaption, [&] { return dialog.ShowModal(language.id, host); }, drive);
  }

  StandInApplication application_;
  StandInRibbon ribbon_;
};

bool HasHan(const std::wstring& text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; });
}

void ExpectTextsFit(HWND dialog, const Language& language, const std::string& name) {
  const std::vector<TextFit> fits = MeasureTextFits(dialog);
  ASSERT_GT(fits.size(), 8u);
  for (const TextFit& fit : fits) {
    EXPECT_GE(fit.spareWidth, 0) << name << ": too wide: " << ToUtf8(fit.text);
    EXPECT_GE(fit.spareHeight, 0) << name << ": too high: " << ToUtf8(fit.text);
    // Only the configured author's name may bring Chinese into English.
    EXPECT_FALSE(language.id == UiLanguage::kEnglish && HasHan(fit.text) &&
                 fit.text.find(product::kAuthor) == std::wstring::npos)
        << ToUtf8(fit.text);
  }
  const auto narrowest =
      std::min_element(fits.begin(), fits.end(), [](auto& a, auto& b) { return a.spareWidth < b.spareWidth; });
  std::cout << name << " at " << DisplayDpi() << " DPI: tightest width " << narrowest->spareWidth << " px ("
            << ToUtf8(narrowest->text) << ")\n";
  Pause(300ms);
  std::string error;
  EXPECT_FALSE(SaveWindowScreenshot(dialog, name, error).empty()) << error;
}

// Each host's own list items and second title line, in each language.
TEST_F(DialogLanguageTest, FitEveryTextInEveryHostAndLanguage) {
  for (const Host& host : kHosts) {
    for (std::size_t l = 0; l < std::size(kLanguages); ++l) {
      const Language& language = kLanguages[l];
      const std::string name = std::string(host.tag) + "-" + language.tag;
      const wchar_t* const* shared = language.sharedItems;
      const wchar_t* const* own = host.items[l];
      const std::wstring items[8] = {shared[0], shared[1], own[0], own[1], own[2], shared[2], shared[3], shared[4]};
      EXPECT_EQ(ShowCustom(language,
                           [&](HWND dialog) {
                             const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
                             for (int i = 0; i < 8; ++i) EXPECT_EQ(ListItemText(list, i), items[i]) << name << i;
                             ExpectTextsFit(dialog, language, "custom-dialog-" + name);
                             PressButton(GetDlgItem(dialog, IDCANCEL));
                           },
                           host.id),
                S_OK);
      EXPECT_EQ(ShowAbout(language,
                          [&](HWND dialog) {
                            EXPECT_NE(FindControl(dialog, L"Static", host.subtitles[l]), nullptr) << name;
                            ExpectTextsFit(dialog, language, "about-dialog-" + name);
                            PressButton(GetDlgItem(dialog, IDOK));
                          },
                          host.id),
                S_OK);
    }
  }
}

// The tabs that came after 2007, as each language's Office names them, in the list of a version
// that has them (item, then its text in kLanguages' order); every text fits.
TEST_F(DialogLanguageTest, LaterTabsAreNamedAsTheHostNamesThemAndFit) {
  struct LaterTab {
    int item;
    const wchar_t* texts[3];
  };
  struct Case {
    OfficeHost host;
    OfficeVersion version;
    const char* tag;
    int items;
    std::vector<LaterTab> later;
  };
  const LaterTab draw{2, {L"显示绘图选项卡", L"顯示繪圖索引標籤", L"Show the Draw tab"}};
  const Case kCases[] = {
      {OfficeHost::PowerPoint, OfficeVersion::k2019, "powerpoint-365", 12,
       {draw,
        {3, {L"显示设计选项卡", L"顯示設計索引標籤", L"Show the Design tab"}},
        {4, {L"显示切换选项卡", L"顯示轉場索引標籤", L"Show the Transitions tab"}},
        {7, {L"显示录制选项卡", L"顯示錄製索引標籤", L"Show the Recording tab"}},
        {11, {L"显示帮助选项卡", L"顯示說明索引標籤", L"Show the Help tab"}}}},
      {OfficeHost::Word, OfficeVersion::k2013, "word-2013", 9,
       {{2, {L"显示设计选项卡", L"顯示設計索引標籤", L"Show the Design tab"}}}},
      {OfficeHost::Excel, OfficeVersion::k2019, "excel-365", 10,
       {draw, {9, {L"显示帮助选项卡", L"顯示說明索引標籤", L"Show the Help tab"}}}},
  };
  for (const Case& c : kCases) {
    for (std::size_t l = 0; l < std::size(kLanguages); ++l) {
      const Language& language = kLanguages[l];
      const std::string name = std::string(c.tag) + "-" + language.tag;
      EXPECT_EQ(ShowCustom(language,
                           [&](HWND dialog) {
                             const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
                             EXPECT_EQ(Send(list, LVM_GETITEMCOUNT), c.items) << name;
                             for (const LaterTab& tab : c.later) {
                               EXPECT_EQ(ListItemText(list, tab.item), tab.texts[l]) << name << tab.item;
                             }
                             ExpectTextsFit(dialog, language, "custom-dialog-" + name);
                             PressButton(GetDlgItem(dialog, IDCANCEL));
                           },
                           c.host, c.version),
                S_OK);
    }
  }
}

// Outlook's list names its tabs as Outlook does, the main window's and the message windows'
// in one list (2007: the message windows' alone); its About names Outlook.
TEST_F(DialogLanguageTest, OutlooksDialogsNameItsTabsAndItself) {
  const std::vector<std::vector<std::wstring>> k365[] = {
      {{L"开始", L"发送/接收", L"文件夹", L"视图", L"邮件", L"插入", L"选项", L"设置文本格式", L"审阅", L"开发工具", L"帮助"},
       {L"邮件", L"插入", L"选项", L"设置文本格式", L"开发工具"}},
      {{L"常用", L"傳送/接收", L"資料夾", L"檢視", L"訊息", L"插入", L"選項", L"設定文字格式", L"校閱", L"開發人員", L"說明"},
       {L"訊息", L"插入", L"選項", L"設定文字格式", L"開發人員"}},
      {{L"Home", L"Send / Receive", L"Folder", L"View", L"Message", L"Insert", L"Options", L"Format Text", L"Review",
        L"Developer", L"Help"},
       {L"Message", L"Insert", L"Options", L"Format Text", L"Developer"}},
  };
  const wchar_t* const kSubtitles[] = {L"Outlook菜单", L"Outlook功能表", L"Outlook Menus"};
  for (std::size_t l = 0; l < std::size(kLanguages); ++l) {
    const Language& language = kLanguages[l];
    for (const auto& [version, tabs] : {std::pair{OfficeVersion::k2019, &k365[l][0]}, std::pair{OfficeVersion::k2007, &k365[l][1]}}) {
      const std::string name = std::string("outlook-") + (version == OfficeVersion::k2019 ? "365-" : "2007-") + language.tag;
      EXPECT_EQ(ShowCustom(language,
                           [&](HWND dialog) {
                             const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
                             ASSERT_EQ(Send(list, LVM_GETITEMCOUNT), static_cast<LRESULT>(tabs->size())) << name;
                             for (std::size_t i = 0; i < tabs->size(); ++i) {
                               const std::wstring text = ListItemText(list, static_cast<int>(i));
                               EXPECT_NE(text.find((*tabs)[i]), std::wstring::npos) << name << " " << i;
                             }
                             ExpectTextsFit(dialog, language, "custom-dialog-" + name);
                             PressButton(GetDlgItem(dialog, IDCANCEL));
                           },
                           OfficeHost::Outlook, version),
                S_OK);
    }
    EXPECT_EQ(ShowAbout(language,
                        [&](HWND dialog) {
                          EXPECT_NE(FindControl(dialog, L"Static", kSubtitles[l]), nullptr) << language.tag;
                          PressButton(GetDlgItem(dialog, IDOK));
                        },
                        OfficeHost::Outlook),
              S_OK);
  }
}

TEST_F(DialogLanguageTest, FitEveryTextInEveryHostAndLanguageAt120And144Dpi) {
  for (const int dpi : {120, 144}) {
    EXPECT_TRUE(RunTestsAtDpi(dpi, L"DialogLanguageTest.FitEveryTextInEveryHostAndLanguage:"
                                   L"DialogLanguageTest.LaterTabsAreNamedAsTheHostNamesThemAndFit:"
                                   L"DialogLanguageTest.OutlooksDialogsNameItsTabsAndItself"))
        << dpi;
  }
}

// The controls that Tab reaches, from the first focus until the focus comes back to it.
std::vector<HWND> TabRound(HWND dialog) {
  // No click on the title bar: a press there may start the system's move loop, which takes
  // the keys that follow for itself.
  EXPECT_TRUE(MakeForeground(dialog));
  EXPECT_TRUE(WaitUntil([&] { return IsChild(dialog, FocusOfThread(dialog)); })) << "no control has the focus";
  std::vector<HWND> reached{FocusOfThread(dialog)};
  while (reached.size() < 12) {
    PressKey(VK_TAB);
    if (!WaitUntil([&] { return FocusOfThread(dialog) != reached.back(); })) {
      ADD_FAILURE() << "Tab left the focus where it was";
      break;
    }
    if (FocusOfThread(dialog) == reached.front()) break;
    reached.push_back(FocusOfThread(dialog));
  }
  return reached;
}

// The children that take the focus: enabled, visible tab stops.
std::vector<HWND> TabStops(HWND dialog) {
  std::vector<HWND> stops;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0 && IsWindowEnabled(child) && IsWindowVisible(child)) {
      stops.push_back(child);
    }
  }
  return stops;
}

// The name that the system's accessibility layer gives the window's client area.
std::wstring AccessibleName(HWND window) {
  ComPtr<IAccessible> object;
  BSTR name = nullptr;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_PPV_ARGS(&object))) ||
      FAILED(object->get_accName(self, &name))) {
    return L"(none)";
  }
  std::wstring result = name != nullptr ? name : L"";
  SysFreeString(name);
  return result;
}

// Waits for every running url_recorder.exe to end: a program the link started may hold the
// right to the foreground, which the next dialog needs for the keyboard.
void WaitForRecorders() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, L"url_recorder.exe") != 0) continue;
    if (const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID); process != nullptr) {
      EXPECT_EQ(WaitForSingleObject(process, 15000), WAIT_OBJECT_0);
      CloseHandle(process);
    }
  }
  CloseHandle(snapshot);
}

TEST_F(DialogLanguageTest, KeysWorkBothDialogsInEveryLanguage) {
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.tag);
    DeleteSettingsKey();
    // Tab goes top to bottom, left to right, through every control once; Space toggles the
    // focused item, but not a locked one; Enter is OK.
    EXPECT_EQ(ShowCustom(language,
                         [&](HWND dialog) {
                           const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
                           const std::vector<HWND> reached = TabRound(dialog);
                           std::vector<HWND> stops = TabStops(dialog);
                           EXPECT_TRUE(std::is_permutation(reached.begin(), reached.end(), stops.begin(), stops.end()))
                               << language.tag << ": " << reached.size() << " of " << stops.size();
                           EXPECT_TRUE(std::is_sorted(reached.begin(), reached.end(), [&](HWND a, HWND b) {
                             const RECT ra = RectInClient(dialog, a), rb = RectInClient(dialog, b);
                             return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
                           }));
                           EXPECT_EQ(reached.back(), GetDlgItem(dialog, IDCANCEL));
                           // Accessible names: the list's is the caption above it.
                           EXPECT_EQ(AccessibleName(list), WindowText(list));
                           EXPECT_TRUE(FindControl(dialog, L"Button", WindowText(list)) != nullptr);
                           EXPECT_FALSE(ListItemText(list, kInsert, 1).empty()) << "the lock is not told";
                           EXPECT_TRUE(ListItemText(list, kHome, 1).empty());

                           PressKey(VK_TAB);  // from the combined menu's check box to the list
                           EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(dialog) == list; }));
                           PressKey(VK_SPACE);
                           EXPECT_TRUE(WaitUntil([&] { return StateImage(list, kHome) == 1; })) << language.tag;
                           PressKey(VK_DOWN);
                           PressKey(VK_SPACE);
                           Pause(300ms);
                           EXPECT_EQ(StateImage(list, kInsert), 3u) << "a locked item changed";
                           PressKey(VK_RETURN);
                         }),
              S_OK);
    EXPECT_EQ(ReadSetting(L"TabHome"), (StoredValue{REG_SZ, L"0"}));
    EXPECT_EQ(ReadSetting(L"TabInsert"), (StoredValue{REG_SZ, L"1"}));  // the user's own, untouched

    // Esc is Cancel.
    const int invalidations = ribbon_.invalidations();
    EXPECT_EQ(ShowCustom(language,
                         [&](HWND dialog) {
                           ASSERT_TRUE(MakeForeground(dialog));
                           const HWND checkAll = FocusOfThread(dialog);
                           PressKey(VK_SPACE);
                           EXPECT_TRUE(WaitUntil([&] { return Send(checkAll, BM_GETCHECK) == BST_UNCHECKED; }));
                           PressKey(VK_ESCAPE);
                         }),
              S_OK);
    EXPECT_EQ(ReadSetting(L"ShowAllMenu"), (StoredValue{REG_SZ, L"1"}));
    EXPECT_EQ(ribbon_.invalidations(), invalidations);
  }
}

TEST_F(DialogLanguageTest, TheAboutLinkIsATabStopThatEnterOpens) {
  const std::wstring log = TempFilePath(L"zorvane-url-keys.txt");
  const ScopedUrlHandler handler(SchemeOf(product::kWebAddress),
                                 SiblingProgram(L"url_recorder.exe") + L" \"" + log + L"\" \"%1\"");
  ASSERT_TRUE(handler.Registered());
  WaitForRecorders();  // also those of tests before this one
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.tag);
    DeleteFileW(log.c_str());
    EXPECT_EQ(ShowAbout(language,
                        [&](HWND dialog) {
                          const HWND link = FindControl(dialog, L"Static", product::kWebAddress);
                          const std::vector<HWND> reached = TabRound(dialog);
                          // OK and the link; the logo between them shows no focus cue
                          // and takes no focus, but still has a name for screen readers.
                          ASSERT_EQ(reached.size(), 2u);
                          EXPECT_EQ(reached[0], GetDlgItem(dialog, IDOK));
                          EXPECT_EQ(reached[1], link);
                          const HWND logo = GetWindow(reached[0], GW_HWNDNEXT);
                          EXPECT_EQ(GetWindowLongW(logo, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
                          EXPECT_FALSE(WindowText(logo).empty()) << "the logo has no name";
                          EXPECT_EQ(AccessibleName(logo), WindowText(logo));
                          PressKey(VK_TAB);
                          EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(dialog) == link; }));
                          PressKey(VK_RETURN);
                          EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 1; }, 15s)) << language.tag;
                          EXPECT_TRUE(IsWindowVisible(dialog)) << "Enter on the link closed the dialog";
                          std::string error;
                          EXPECT_FALSE(
                              SaveWindowScreenshot(dialog, std::string("about-link-focus-") + language.tag, error)
                                  .empty())
                              << error;
                          ASSERT_TRUE(MakeForeground(dialog));
                          PressKey(VK_ESCAPE);
                        }),
              S_OK);
    WaitForRecorders();
  }
  DeleteFileW(log.c_str());
}

}  // namespace
}  // namespace zorvane::dialogs::test
