#include "dialogs/about_form.h"

#include <new>
#include <string>

#include "dialogs/controls.h"
#include "dialogs/dialog_font.h"
#include "dialogs/modal_session.h"
#include "dialogs/module_instance.h"
#include "dialogs/resource_names.h"
#include "dialogs/web_link.h"
#include "product_info.h"

namespace zorvane::dialogs {
namespace {

// "确定" carries IDOK: the dialog manager sends IDOK for Enter and IDCANCEL for Esc, and
// both close the dialog as the button does.
enum ControlId : int {
  kIdPicture = 1001,
  kIdAddress,
  kIdLabel9,
  kIdAuthor,
  kIdDescription,
  kIdContact3,
  kIdContact2,
  kIdContact1,
  kIdContactHeading,
  kIdSubtitle,
  kIdProductName,
};

enum class FontRole { kNormal, kDescription, kTitle, kLink };

struct AboutControl {
  ControlLayout layout;
  FontRole font;
};

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kBackground = COLOR_HIGHLIGHTTEXT;  // system colour 14, also behind every label

// Blanks between "代码制作:" and the author's name, which then lines up with the contact
// lines below it.
constexpr wchar_t kAuthorPrefix[] = L"代码制作:            ";

constexpr wchar_t kDescription[] =
    L"    本人制作此菜单插件纯属娱乐，加之能力有限，人又比较笨，所以出现错误请大家原谅。希望大家多联系我，共同进步。";

struct Line {
  int x1, y1, x2, y2;  // twips
  COLORREF colour;
  int width;  // pixels
};

constexpr Line kLines[] = {
    {0, 1560, 6720, 1560, RGB(128, 128, 128), 1},
    {105, 2460, 5654, 2460, RGB(255, 255, 255), 2},
};

}  // namespace

AboutForm::~AboutForm() {
  // The hand may still be the thread's cursor; a destroyed cursor must not stay in use.
  if (hand_ && GetCursor() == hand_.get()) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

std::wstring_view AboutForm::Caption() const noexcept { return L"关于Quelby"; }

TwipSize AboutForm::ClientSize() const noexcept { return {6645, 5145}; }

HRESULT AboutForm::CreateControls(HWND dialog, int dpi) noexcept {
  try {
    dpi_ = dpi;
    return MakeControls(dialog);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT AboutForm::MakeControls(HWND dialog) {
  font_ = CreateDialogFont({}, dpi_);
  description_ = CreateDialogFont({.tenthsOfPoint = 105}, dpi_);
  title_ = CreateDialogFont({.tenthsOfPoint = 180}, dpi_);
  link_ = CreateDialogFont({.tenthsOfPoint = 90, .underline = true}, dpi_);
  hand_.reset(static_cast<HCURSOR>(LoadImageW(ThisModule(), kLinkHandResource, IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  logo_ = ResourcePicture::Load(kAboutLogoResource);

  const std::wstring author = std::wstring(kAuthorPrefix) + product::kAuthor;

  // In tab order ("确定", then the picture; the labels take no focus), which is also the
  // Z order.
  const AboutControl controls[] = {
      {{L"BUTTON", L"确定", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, IDOK, {5160, 4560, 1020, 345}},
       FontRole::kNormal},
      {{L"STATIC", L"", WS_TABSTOP | WS_GROUP | SS_OWNERDRAW, 0, kIdPicture, {120, 315, 2655, 1215}},
       FontRole::kNormal},
      {{L"STATIC", product::kWebAddress, kLabel | SS_NOTIFY, 0, kIdAddress, {1800, 4200, 3015, 375}}, FontRole::kLink},
      {{L"STATIC", L"我的博客:", kLabel, 0, kIdLabel9, {480, 4200, 855, 255}}, FontRole::kNormal},
      {{L"STATIC", author.c_str(), kLabel, 0, kIdAuthor, {480, 3000, 4815, 375}}, FontRole::kNormal},
      {{L"STATIC", kDescription, kLabel, 0, kIdDescription, {480, 1800, 5655, 975}}, FontRole::kDescription},
      {{L"STATIC", product::kContact3, kLabel, 0, kIdContact3, {1800, 3840, 2415, 255}}, FontRole::kNormal},
      {{L"STATIC", product::kContact2, kLabel, 0, kIdContact2, {1800, 3600, 1815, 255}}, FontRole::kNormal},
      {{L"STATIC", product::kContact1, kLabel, 0, kIdContact1, {1800, 3360, 1575, 255}}, FontRole::kNormal},
      {{L"STATIC", L"联系方式：", kLabel, 0, kIdContactHeading, {480, 3360, 1215, 255}}, FontRole::kNormal},
      {{L"STATIC", L"PowerPoint2007菜单", kLabel, 0, kIdSubtitle, {2880, 960, 3615, 495}}, FontRole::kTitle},
      {{L"STATIC", L"Quelby", kLabel, 0, kIdProductName, {3720, 360, 1575, 495}}, FontRole::kTitle},
  };

  HWND previous = nullptr;
  for (const AboutControl& control : controls) {
    const HFONT font = control.font == FontRole::kDescription ? description_.get()
                       : control.font == FontRole::kTitle     ? title_.get()
                       : control.font == FontRole::kLink      ? link_.get()
                                                              : font_.get();
    previous = CreateControl(dialog, control.layout, dpi_, font, previous);
    if (previous == nullptr) return LastErrorResult();
  }
  ok_ = GetDlgItem(dialog, IDOK);
  picture_ = GetDlgItem(dialog, kIdPicture);
  address_ = GetDlgItem(dialog, kIdAddress);
  productName_ = GetDlgItem(dialog, kIdProductName);

  // The picture box has exactly the picture's size.
  if (logo_) {
    const SIZE size = logo_.PixelSize();
    SetWindowPos(picture_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return S_OK;
}

void AboutForm::PaintLines(HWND dialog) const noexcept {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(dialog, &paint);
  if (dc == nullptr) return;
  for (const Line& line : kLines) {
    const UniquePen pen(CreatePen(PS_SOLID, line.width, line.colour));
    if (!pen) continue;
    const ScopedSelection selected(dc, pen.get());
    MoveToEx(dc, TwipsToPixels(line.x1, dpi_), TwipsToPixels(line.y1, dpi_), nullptr);
    // One pixel further: the line includes its end point, which LineTo leaves out.
    LineTo(dc, TwipsToPixels(line.x2, dpi_) + 1, TwipsToPixels(line.y2, dpi_));
  }
  EndPaint(dialog, &paint);
}

void AboutForm::DrawLogo(const DRAWITEMSTRUCT& item) const noexcept {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(kBackground));
  logo_.Draw(item.hDC, {item.rcItem.left, item.rcItem.top});
}

std::optional<INT_PTR> AboutForm::OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:      // "确定" clicked, or Enter
        case IDCANCEL:  // Esc
          session.Unload();
          return TRUE;
        case kIdAddress:
          // The second click of a quick pair arrives as a double click; it is a click too.
          if (HIWORD(wParam) == STN_CLICKED || HIWORD(wParam) == STN_DBLCLK) {
            OpenWebAddress(product::kWebAddress);
            return TRUE;
          }
          return std::nullopt;
        default:
          return std::nullopt;
      }

    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(kBackground));

    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      const bool blue = control == address_ || control == productName_;
      SetTextColor(dc, blue ? kBlue : GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(kBackground));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(kBackground));
    }

    case WM_PAINT:
      PaintLines(dialog);
      return TRUE;

    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr || item->hwndItem != picture_) return std::nullopt;
      DrawLogo(*item);
      return TRUE;
    }

    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == address_ && LOWORD(lParam) == HTCLIENT && hand_) {
        SetCursor(hand_.get());
        return ModalSession::Answer(dialog, TRUE);
      }
      return std::nullopt;

    default:
      return std::nullopt;
  }
}

}  // namespace zorvane::dialogs
