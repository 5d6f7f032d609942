// The About dialog "关于Quelby", driven as a user would while the test's thread is inside
// ShowModal: its layout and looks, every way of closing it, its owner, and the link, whose
// clicks reach a URL handler registered by the test in place of a browser.
#include <windows.h>

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "child_process.h"
#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dpi_run.h"
#include "layout_checks.h"
#include "owner_probe.h"
#include "product_info.h"
#include "screenshot.h"
#include "host_objects.h"
#include "url_handler.h"

namespace zorvane::dialogs::test {
namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::standin;

constexpr wchar_t kCaption[] = L"关于Quelby";
constexpr wchar_t kDescription[] =
    L"    本人制作此菜单插件纯属娱乐，加之能力有限，人又比较笨，所以出现错误请大家原谅。希望大家多联系我，共同进步。";

struct AboutControls {
  HWND ok;
  HWND picture;
  HWND address;
  HWND blogHeading;
  HWND author;
  HWND description;
  HWND contact3;
  HWND contact2;
  HWND contact1;
  HWND contactHeading;
  HWND subtitle;
  HWND productName;
};

// The one label whose text begins "代码制作:".
HWND FindAuthorLine(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = WindowText(child);
    if (std::wstring_view(text).starts_with(L"代码制作:")) return child;
  }
  return nullptr;
}

// The owner-drawn static that shows the logo.
HWND FindPicture(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW) {
      return child;
    }
  }
  return nullptr;
}

AboutControls FindAboutControls(HWND dialog) {
  return {FindControl(dialog, L"Button", L"确定"),
          FindPicture(dialog),
          FindControl(dialog, L"Static", product::kWebAddress),
          FindControl(dialog, L"Static", L"我的博客:"),
          FindAuthorLine(dialog),
          FindControl(dialog, L"Static", kDescription),
          FindControl(dialog, L"Static", product::kContact3),
          FindControl(dialog, L"Static", product::kContact2),
          FindControl(dialog, L"Static", product::kContact1),
          FindControl(dialog, L"Static", L"联系方式："),
          FindControl(dialog, L"Static", L"PowerPoint2007菜单"),
          FindControl(dialog, L"Static", L"Quelby")};
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Whether some pixel of the control's area (in dialog client coordinates) satisfies `test`.
bool AnyPixel(HWND dialog, const RECT& area, const std::function<bool(COLORREF)>& test) {
  const HDC dc = GetDC(dialog);
  bool found = false;
  for (int y = area.top; y < area.bottom && !found; ++y) {
    for (int x = area.left; x < area.right && !found; ++x) found = test(GetPixel(dc, x, y));
  }
  ReleaseDC(dialog, dc);
  return found;
}

constexpr COLORREF kShadow = RGB(0, 128, 0);

// System colours changed for one scope (in the run's own Wine prefix).
class ScopedSystemColours {
 public:
  ScopedSystemColours(std::initializer_list<std::pair<int, COLORREF>> colours) {
    for (const auto& [element, colour] : colours) {
      elements_.push_back(element);
      previous_.push_back(GetSysColor(element));
      next_.push_back(colour);
    }
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), next_.data());
  }
  ~ScopedSystemColours() { SetSysColors(static_cast<int>(elements_.size()), elements_.data(), previous_.data()); }

 private:
  std::vector<int> elements_;
  std::vector<COLORREF> previous_, next_;
};

bool IsPureBlue(COLORREF colour) { return GetBValue(colour) > 200 && GetRValue(colour) < 60 && GetGValue(colour) < 60; }

class AboutDialogTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }

  // A fresh dialog, as the add-in's command makes one per opening.
  HRESULT Show(const std::function<void(HWND)>& drive, HWND hostWindow = nullptr) {
    AboutDialog dialog;
    dialog.SetHostApplication(ComPtr<_Application>(&application_));
    dialog.SetHostWindow(hostWindow);
    return ShowAndDrive(kCaption, [&] { return dialog.ShowModal(UiLanguage::kSimplifiedChinese, OfficeHost::PowerPoint); }, drive);
  }

  StandInApplication application_;
};

TEST_F(AboutDialogTest, WindowControlsFontsAndColoursFollowTheLayout) {
  HostWindow host;
  const ScopedSystemColours colours({{COLOR_BTNSHADOW, kShadow}});
  const HRESULT shown = Show(
      [&](HWND dialog) {
        const RECT client = ExpectModalDialog(dialog, kCaption, 6645, 5145);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.get());

        const AboutControls c = FindAboutControls(dialog);
        ExpectTwipRect(dialog, c.ok, 5160, 4560, 1020, 345, "cmdOK");
        ExpectTwipRect(dialog, c.address, 1800, 4200, 3015, 375, "Labelblog");
        ExpectTwipRect(dialog, c.blogHeading, 480, 4200, 855, 255, "Label9");
        ExpectTwipRect(dialog, c.author, 480, 3000, 4815, 375, "Label8");
        ExpectTwipRect(dialog, c.description, 480, 1800, 5655, 975, "Label7");
        ExpectTwipRect(dialog, c.contact3, 1800, 3840, 2415, 255, "Label6");
        ExpectTwipRect(dialog, c.contact2, 1800, 3600, 1815, 255, "Label5");
        ExpectTwipRect(dialog, c.contact1, 1800, 3360, 1575, 255, "Label4");
        ExpectTwipRect(dialog, c.contactHeading, 480, 3360, 1215, 255, "Label3");
        ExpectTwipRect(dialog, c.subtitle, 2880, 960, 3615, 495, "label2");
        ExpectTwipRect(dialog, c.productName, 3720, 360, 1575, 495, "Label1");

        // The picture box has the logo's own size, 177 x 81 pixels, at its place.
        ASSERT_NE(c.picture, nullptr);
        const RECT picture = RectInClient(dialog, c.picture);
        EXPECT_EQ(picture.left, Px(120));
        EXPECT_EQ(picture.top, Px(315));
        EXPECT_EQ(picture.right - picture.left, 177);
        EXPECT_EQ(picture.bottom - picture.top, 81);
        EXPECT_EQ(GetWindowLongW(c.picture, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);
        EXPECT_EQ(GetWindowLongW(c.picture, GWL_STYLE) & WS_BORDER, 0);

        // The author line: "代码制作:", blanks, the author.
        const std::wstring author = WindowText(c.author);
        constexpr std::wstring_view kHeading = L"代码制作:";
        ASSERT_GT(author.size(), kHeading.size() + 1);
        const std::size_t name = author.find_first_not_of(L' ', kHeading.size());
        EXPECT_GT(name, kHeading.size()) << "no blanks after the heading";
        EXPECT_EQ(std::wstring_view(author).substr(name), std::wstring_view(product::kAuthor));

        ExpectDialogFont(dialog, 90, false, "dialog");
        ExpectDialogFont(c.ok, 90, false, "cmdOK");
        ExpectDialogFont(c.address, 90, true, "Labelblog");
        ExpectDialogFont(c.description, 105, false, "Label7");
        ExpectDialogFont(c.subtitle, 180, false, "label2");
        ExpectDialogFont(c.productName, 180, false, "Label1");
        for (HWND label : {c.blogHeading, c.author, c.contact1, c.contact2, c.contact3, c.contactHeading}) {
          ExpectDialogFont(label, 90, false, ToUtf8(WindowText(label)).c_str());
        }

        // The description wraps within its rectangle: drawn as the label draws it, it needs
        // more than one line and no more height than the label has.
        {
          const RECT label = RectInClient(dialog, c.description);
          RECT needed{0, 0, label.right - label.left, 0};
          const HDC dc = GetDC(c.description);
          const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(c.description, WM_GETFONT)));
          TEXTMETRICW metrics{};
          GetTextMetricsW(dc, &metrics);
          DrawTextW(dc, kDescription, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
          SelectObject(dc, previous);
          ReleaseDC(c.description, dc);
          EXPECT_GT(needed.bottom, metrics.tmHeight);
          EXPECT_LE(needed.bottom, label.bottom - label.top);
          EXPECT_LE(needed.right, label.right - label.left);
        }

        // "确定" is the default button and has the focus.
        EXPECT_EQ(Send(dialog, DM_GETDEFID), MAKELRESULT(IDOK, DC_HASDEFID));
        EXPECT_EQ(GetDlgCtrlID(c.ok), IDOK);
        EXPECT_EQ(GetWindowLongW(c.ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(FocusOfThread(dialog), c.ok);

        ExpectCentredOver(dialog, host.get());

        // Looks, as on the screen: the background colour, the rule across the whole width in
        // the system's shadow colour (set apart by the test: it is not hard-coded), the logo,
        // blue text for the product's name and the link.
        PaintNow(dialog);
        const COLORREF background = GetSysColor(COLOR_HIGHLIGHTTEXT);
        EXPECT_EQ(ClientPixel(dialog, Px(6400), Px(300)), background);
        EXPECT_EQ(ClientPixel(dialog, Px(5000), Px(2200)), background) << "inside Label7, right of its text";
        EXPECT_EQ(ClientPixel(dialog, 0, Px(1560)), kShadow);
        EXPECT_EQ(ClientPixel(dialog, client.right - 1, Px(1560)), kShadow);
        EXPECT_EQ(ClientPixel(dialog, client.right - 1, Px(1560) - 1), background);
        EXPECT_TRUE(Near(ClientPixel(dialog, picture.left + 12, picture.top + 40), RGB(0x1F, 0x4E, 0x9C), 40))
            << "the logo's emblem is missing";
        EXPECT_TRUE(AnyPixel(dialog, RectInClient(dialog, c.productName), IsPureBlue));
        EXPECT_TRUE(AnyPixel(dialog, RectInClient(dialog, c.address), IsPureBlue));
        EXPECT_FALSE(AnyPixel(dialog, RectInClient(dialog, c.subtitle), IsPureBlue));

        // The focus order: "确定", the link, then "确定" again. The logo, which has no focus
        // cue, is never a stop: a keyboard user would see the focus vanish there.
        ASSERT_TRUE(MakeForeground(dialog));
        for (HWND next : {c.address, c.ok}) {
          PressKey(VK_TAB);
          EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(dialog) == next; }));
        }

        Pause(300ms);
        std::string error;
        EXPECT_FALSE(SaveWindowScreenshot(dialog, "about-dialog", error).empty()) << error;
        PressButton(c.ok);
      },
      host.get());
  EXPECT_EQ(shown, S_OK);
}

TEST_F(AboutDialogTest, TheLayoutScalesWithTheDisplaysDpiButThePictureKeepsItsSize) {
  EXPECT_TRUE(RunTestsAtDpi(144, L"AboutDialogTest.WindowControlsFontsAndColoursFollowTheLayout"));
}

struct WayOut {
  const char* name;
  std::function<void(HWND dialog)> close;
};

TEST_F(AboutDialogTest, EscapeEnterTheButtonAndTheCloseBoxEachCloseItAndReleaseTheApplication) {
  const WayOut ways[] = {
      {"Esc", [](HWND dialog) {
         ASSERT_TRUE(MakeForeground(dialog));
         PressKey(VK_ESCAPE);
       }},
      {"Enter", [](HWND dialog) {
         ASSERT_TRUE(MakeForeground(dialog));
         PressKey(VK_RETURN);
       }},
      {"click on 确定", [](HWND dialog) {
         ASSERT_TRUE(MakeForeground(dialog));
         ClickCentre(FindControl(dialog, L"Button", L"确定"));
       }},
      {"close box", [](HWND dialog) {
         POINT closeBox{};
         ASSERT_TRUE(FindCloseBox(dialog, closeBox));
         ClickAt(closeBox);
       }},
      {"WM_CLOSE", [](HWND dialog) { Send(dialog, WM_CLOSE); }},
  };
  for (const WayOut& way : ways) {
    long whileOpen = 0;
    const HRESULT shown = Show([&](HWND dialog) {
      whileOpen = application_.outstanding();
      way.close(dialog);
      EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); })) << way.name << " did not close the dialog";
    });
    EXPECT_EQ(shown, S_OK) << way.name;
    EXPECT_EQ(whileOpen, 1) << way.name;
    EXPECT_EQ(application_.outstanding(), 0) << way.name;
  }
  EXPECT_EQ(application_.calls(), 0) << "the dialog called the application object";
}

TEST_F(AboutDialogTest, TwoOpeningsAreTwoSeparateDialogs) {
  HostWindow host;
  HWND first = nullptr;
  EXPECT_EQ(Show(
                [&](HWND dialog) {
                  first = dialog;
                  PressButton(FindAboutControls(dialog).ok);
                },
                host.get()),
            S_OK);
  EXPECT_FALSE(IsWindow(first));
  // The second starts afresh: nothing of the first opening's owner is carried over, so the
  // owner it gives back is its own and not the host.
  OwnerProbe probe(kCaption);
  EXPECT_EQ(Show(
                [&](HWND dialog) {
                  EXPECT_NE(dialog, first);
                  EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.get());
                  EXPECT_EQ(FindDialogs(kCaption).size(), 1u);
                  PressButton(FindAboutControls(dialog).ok);
                },
                host.get()),
            S_OK);
  ASSERT_TRUE(probe.Seen());
  EXPECT_NE(probe.Owner(), host.get());
  EXPECT_NE(probe.Owner(), nullptr);
}

TEST_F(AboutDialogTest, EachClickOnTheLinkAsksTheShellOnceToOpenTheAddressAndTheDialogStaysOpen) {
  const std::wstring log = TempFilePath(L"zorvane-url-requests.txt");
  DeleteFileW(log.c_str());
  const ScopedUrlHandler handler(SchemeOf(product::kWebAddress),
                                 SiblingProgram(L"url_recorder.exe") + L" \"" + log + L"\" \"%1\"");
  ASSERT_TRUE(handler.Registered());
  const std::string address = ToUtf8(product::kWebAddress);

  const HRESULT shown = Show([&](HWND dialog) {
    const AboutControls c = FindAboutControls(dialog);
    ASSERT_NE(c.address, nullptr);

    // The pointer over the link is the dialog's hand: 32 x 32, pointing at its fingertip.
    RECT link{};
    GetWindowRect(c.address, &link);
    SetCursorPos(link.left + 10, (link.top + link.bottom) / 2);
    EXPECT_TRUE(WaitUntil([&] {
      CURSORINFO cursor{};
      cursor.cbSize = sizeof(cursor);
      ICONINFO info{};
      if (!GetCursorInfo(&cursor) || cursor.hCursor == nullptr || !GetIconInfo(cursor.hCursor, &info)) return false;
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      return cursor.hCursor != LoadCursorW(nullptr, IDC_ARROW) && !info.fIcon && info.xHotspot == 6 &&
             info.yHotspot == 0;
    })) << "the pointer over the link is not the hand";

    ClickAt({link.left + 10, (link.top + link.bottom) / 2});
    EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 1; }, 15s));
    Pause(GetDoubleClickTime() * 1ms + 200ms);
    ClickAt({link.left + 20, (link.top + link.bottom) / 2});
    EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 2; }, 15s));
    // Two quick clicks are two clicks too, although the second arrives as a double click.
    ClickAt({link.left + 20, (link.top + link.bottom) / 2});
    ClickAt({link.left + 20, (link.top + link.bottom) / 2});
    EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 4; }, 15s));
    Pause(500ms);
    EXPECT_EQ(ReadLines(log), std::vector<std::string>(4, address));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "a click on the link closed the dialog";
    ASSERT_TRUE(MakeForeground(dialog));
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(application_.outstanding(), 0);
  DeleteFileW(log.c_str());
}

}  // namespace
}  // namespace zorvane::dialogs::test
