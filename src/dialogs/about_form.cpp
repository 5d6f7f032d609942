#include "dialogs/about_form.h"

#include "common/heap_string.h"
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

// The product's name and the link in blue; in high contrast, the scheme's text and link colours.
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Line {
  int x1, y1, x2, y2;  // twips
  int colour;          // system colour
  int width;           // pixels
};

struct AboutLayout {
  TwipSize client;
  TwipRect ok, picture, address, blogHeading, author, description, contact3, contact2, contact1, contactHeading,
      subtitle, productName;
  // A rule in the 3D shadow colour across the whole width, and a highlight one under the text.
  Line rules[2];
};

constexpr AboutLayout kSimplifiedChineseLayout = {
    {6645, 5145},
    {5160, 4560, 1020, 345}, {120, 315, 2655, 1215},  {1800, 4200, 3015, 375}, {480, 4200, 855, 255},
    {480, 3000, 4815, 375},  {480, 1800, 5655, 975},  {1800, 3840, 2415, 255}, {1800, 3600, 1815, 255},
    {1800, 3360, 1575, 255}, {480, 3360, 1215, 255},  {2880, 960, 3615, 495},  {3720, 360, 1575, 495},
    {{0, 1560, 6720, 1560, COLOR_BTNSHADOW, 1}, {105, 2460, 5654, 2460, COLOR_BTNHIGHLIGHT, 2}},
};

// The subtitle and the description are longer in the other languages: 600 twips wider, and
// the button and the rules move along; the blog heading is as wide as the contact heading.
constexpr AboutLayout kWideLayout = {
    {7245, 5145},
    {5760, 4560, 1020, 345}, {120, 315, 2655, 1215},  {1800, 4200, 3015, 375}, {480, 4200, 1215, 255},
    {480, 3000, 4815, 375},  {480, 1800, 6255, 975},  {1800, 3840, 2415, 255}, {1800, 3600, 1815, 255},
    {1800, 3360, 1575, 255}, {480, 3360, 1215, 255},  {2880, 960, 4215, 495},  {3720, 360, 1575, 495},
    {{0, 1560, 7320, 1560, COLOR_BTNSHADOW, 1}, {105, 2460, 6254, 2460, COLOR_BTNHIGHLIGHT, 2}},
};

const AboutLayout& LayoutFor(UiLanguage language) noexcept {
  return language == UiLanguage::kSimplifiedChinese ? kSimplifiedChineseLayout : kWideLayout;
}

// In a high-contrast scheme the dialog takes the scheme's window colours, and the product's
// name the scheme's text colour; otherwise the background is system colour 14.
bool HighContrast() noexcept {
  HIGHCONTRASTW scheme{};
  scheme.cbSize = sizeof(scheme);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(scheme), &scheme, 0) &&
         (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int BackgroundColour() noexcept { return HighContrast() ? COLOR_WINDOW : COLOR_HIGHLIGHTTEXT; }
int TextColour() noexcept { return HighContrast() ? COLOR_WINDOWTEXT : COLOR_BTNTEXT; }

}  // namespace

AboutForm::~AboutForm() {
  // The hand may still be the thread's cursor; a destroyed cursor must not stay in use.
  if (hand_ && GetCursor() == hand_.get()) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

std::wstring_view AboutForm::Caption() const noexcept { return text_.aboutCaption; }

TwipSize AboutForm::ClientSize() const noexcept { return LayoutFor(language_).client; }

HRESULT AboutForm::CreateControls(HWND dialog, int dpi) noexcept {
  dpi_ = dpi;
  return MakeControls(dialog);
}

HRESULT AboutForm::MakeControls(HWND dialog) noexcept {
  font_ = CreateDialogFont({}, dpi_);
  description_ = CreateDialogFont({.tenthsOfPoint = 105}, dpi_);
  title_ = CreateDialogFont({.tenthsOfPoint = 180}, dpi_);
  link_ = CreateDialogFont({.tenthsOfPoint = 90, .underline = true}, dpi_);
  hand_.reset(static_cast<HCURSOR>(LoadImageW(ThisModule(), kLinkHandResource, IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  logo_ = ResourcePicture::Load(kAboutLogoResource);

  HeapWideString author;
  if (!author.Assign(text_.authorPrefix) || !author.Append(product::kAuthor)) return E_OUTOFMEMORY;

  // Z order "确定", picture, link, labels; Tab stops only at "确定" and the link (the picture
  // has no focus cue). The picture's text is never drawn: it names the logo for screen readers.
  // The texts are literals, so their views end in a NUL as window texts must.
  const AboutLayout& at = LayoutFor(language_);
  const AboutControl controls[] = {
      {{L"BUTTON", text_.ok.data(), WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, IDOK, at.ok}, FontRole::kNormal},
      {{L"STATIC", text_.logoName.data(), WS_GROUP | SS_OWNERDRAW, 0, kIdPicture, at.picture},
       FontRole::kNormal},
      {{L"STATIC", product::kWebAddress, WS_TABSTOP | WS_GROUP | kLabel | SS_NOTIFY, 0, kIdAddress, at.address},
       FontRole::kLink},
      {{L"STATIC", text_.blogHeading.data(), kLabel, 0, kIdLabel9, at.blogHeading}, FontRole::kNormal},
      {{L"STATIC", author.c_str(), kLabel, 0, kIdAuthor, at.author}, FontRole::kNormal},
      {{L"STATIC", text_.description.data(), kLabel, 0, kIdDescription, at.description}, FontRole::kDescription},
      {{L"STATIC", product::kContact3, kLabel, 0, kIdContact3, at.contact3}, FontRole::kNormal},
      {{L"STATIC", product::kContact2, kLabel, 0, kIdContact2, at.contact2}, FontRole::kNormal},
      {{L"STATIC", product::kContact1, kLabel, 0, kIdContact1, at.contact1}, FontRole::kNormal},
      {{L"STATIC", text_.contactHeading.data(), kLabel, 0, kIdContactHeading, at.contactHeading}, FontRole::kNormal},
      {{L"STATIC", text_.subtitles[HostIndex(host_)].data(), kLabel, 0, kIdSubtitle, at.subtitle}, FontRole::kTitle},
      {{L"STATIC", L"Quelby", kLabel, 0, kIdProductName, at.productName}, FontRole::kTitle},
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
  MakeKeyboardLink(address_);  // without it the link still works with the mouse

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
  for (const Line& line : LayoutFor(language_).rules) {
    const UniquePen pen(CreatePen(PS_SOLID, line.width, GetSysColor(line.colour)));
    if (!pen) continue;
    const ScopedSelection selected(dc, pen.get());
    MoveToEx(dc, TwipsToPixels(line.x1, dpi_), TwipsToPixels(line.y1, dpi_), nullptr);
    // One pixel further: the line includes its end point, which LineTo leaves out.
    LineTo(dc, TwipsToPixels(line.x2, dpi_) + 1, TwipsToPixels(line.y2, dpi_));
  }
  EndPaint(dialog, &paint);
}

void AboutForm::DrawLogo(const DRAWITEMSTRUCT& item) const noexcept {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(BackgroundColour()));
  logo_.Draw(item.hDC, {item.rcItem.left, item.rcItem.top});
}

std::optional<INT_PTR> AboutForm::OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:      // "确定" clicked, or Enter anywhere but on the link
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
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(BackgroundColour()));

    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      const bool highContrast = HighContrast();
      const COLORREF text = control == address_ && highContrast       ? GetSysColor(COLOR_HOTLIGHT)
                            : (control == address_ || control == productName_) && !highContrast ? kBlue
                                                                                              : GetSysColor(TextColour());
      SetTextColor(dc, text);
      SetBkColor(dc, GetSysColor(BackgroundColour()));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(BackgroundColour()));
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
