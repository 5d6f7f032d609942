#include "check/check_form.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <new>
#include <string>

#include "check/checked_hosts.h"
#include "dialogs/controls.h"
#include "dialogs/dialog_font.h"
#include "dialogs/modal_session.h"
#include "dialogs/window_placement.h"

namespace zorvane::check {
namespace {

enum ControlId : int { kIdList = 1001, kIdDetail, kIdSummary, kIdRepair, kIdCopy };

// The layout for the shortest texts, in twips; where a language's text needs more, the
// buttons and the result column widen and the window grows to the right.
constexpr int kMarginTwips = 120;
constexpr int kGapTwips = 120;
constexpr int kResultColumnTwips = 1050;
constexpr int kButtonPaddingTwips = 360;  // both sides of a button's text together
constexpr int kColumnPaddingTwips = 360;  // both sides of a column's text together
constexpr dialogs::TwipSize kClientSize{11250, 6390};
constexpr dialogs::TwipRect kListRect{120, 120, 11010, 3720};
constexpr dialogs::TwipRect kDetailRect{120, 3960, 11010, 1560};
constexpr int kButtonRowTop = 5820;
constexpr int kButtonHeight = 405;
constexpr int kButtonWidths[] = {1440, 1440, 1470};  // "修复", "复制报告", "关闭"
constexpr int kSummaryWidth = 6300;

std::wstring Wide(const std::u16string& text) { return {text.begin(), text.end()}; }

// The widest of `texts` drawn in `window`'s font, in pixels.
int WidestText(HWND window, std::initializer_list<const std::wstring*> texts) {
  const HDC dc = GetDC(window);
  if (dc == nullptr) return 0;
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::wstring* text : texts) {
    SIZE size{};
    if (GetTextExtentPoint32W(dc, text->c_str(), static_cast<int>(text->size()), &size)) widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return widest;
}

void Place(HWND control, int left, int top, int width, int height) {
  SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::wstring CheckForm::Text(TextId id) const { return Wide(RenderText(session_.table(), id)); }

std::wstring_view CheckForm::Caption() const noexcept {
  const std::u16string_view caption = session_.table()[static_cast<size_t>(TextId::kWindowCaption)].text;
  return {reinterpret_cast<const wchar_t*>(caption.data()), caption.size()};
}

dialogs::TwipSize CheckForm::ClientSize() const noexcept { return kClientSize; }

HRESULT CheckForm::CreateControls(HWND dialog, int dpi) noexcept {
  try {
    dialog_ = dialog;
    dpi_ = dpi;
    font_ = dialogs::CreateDialogFont({}, dpi);
    // A program's own window: a button on the taskbar although the session parks it under
    // a hidden owner.
    SetWindowLongPtrW(dialog, GWL_EXSTYLE, GetWindowLongPtrW(dialog, GWL_EXSTYLE) | WS_EX_APPWINDOW);

    const std::wstring repair = Text(TextId::kButtonRepair);
    const std::wstring copy = Text(TextId::kButtonCopy);
    const std::wstring close = Text(TextId::kButtonClose);
    const int buttonLeft[] = {6540, 8100, 9660};
    const dialogs::ControlLayout controls[] = {
        {WC_LISTVIEWW, L"", WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
         WS_EX_CLIENTEDGE, kIdList, kListRect},
        {L"EDIT", L"", WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
         WS_EX_CLIENTEDGE, kIdDetail, kDetailRect},
        {L"BUTTON", repair.c_str(), WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, kIdRepair,
         {buttonLeft[0], kButtonRowTop, kButtonWidths[0], kButtonHeight}},
        {L"BUTTON", copy.c_str(), WS_TABSTOP | BS_PUSHBUTTON, 0, kIdCopy,
         {buttonLeft[1], kButtonRowTop, kButtonWidths[1], kButtonHeight}},
        {L"BUTTON", close.c_str(), WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDCANCEL,
         {buttonLeft[2], kButtonRowTop, kButtonWidths[2], kButtonHeight}},
        {L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0, kIdSummary,
         {kMarginTwips, kButtonRowTop, kSummaryWidth, kButtonHeight}},
    };
    HWND previous = nullptr;
    for (const dialogs::ControlLayout& control : controls) {
      previous = dialogs::CreateControl(dialog, control, dpi, font_.get(), previous);
      if (previous == nullptr) return dialogs::LastErrorResult();
    }
    list_ = GetDlgItem(dialog, kIdList);
    detail_ = GetDlgItem(dialog, kIdDetail);
    summary_ = GetDlgItem(dialog, kIdSummary);
    repair_ = GetDlgItem(dialog, kIdRepair);
    FitTexts({GetDlgItem(dialog, kIdRepair), GetDlgItem(dialog, kIdCopy), GetDlgItem(dialog, IDCANCEL)},
             {&repair, &copy, &close});

    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_INFOTIP);
    const std::wstring result = Text(TextId::kColumnResult);
    const std::wstring explanation = Text(TextId::kColumnText);
    const std::wstring severities[] = {Text(TextId::kSeverityOk), Text(TextId::kSeverityProblem),
                                       Text(TextId::kSeverityHint)};
    const int resultWidth =
        std::max(dialogs::TwipsToPixels(kResultColumnTwips, dpi),
                 WidestText(list_, {&result, &severities[0], &severities[1], &severities[2]}) +
                     dialogs::TwipsToPixels(kColumnPaddingTwips, dpi));
    RECT inside{};
    GetClientRect(list_, &inside);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = resultWidth;
    column.pszText = const_cast<wchar_t*>(result.c_str());
    ListView_InsertColumn(list_, 0, &column);
    column.cx = inside.right - resultWidth - GetSystemMetrics(SM_CXVSCROLL);
    column.pszText = const_cast<wchar_t*>(explanation.c_str());
    ListView_InsertColumn(list_, 1, &column);
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// The button row for this language's texts: each button at least as wide as its text, the
// buttons kept at the right, the summary given room for its longest text, and the window,
// list and detail widened by what that needs beyond the usual width.
void CheckForm::FitTexts(std::array<HWND, 3> buttons, std::array<const std::wstring*, 3> captions) {
  const auto px = [&](int twips) { return dialogs::TwipsToPixels(twips, dpi_); };
  const std::u16string most = u"99";
  const std::u16string args[] = {most};
  const std::wstring summaries[] = {Wide(RenderText(session_.table(), TextId::kSummaryProblems, args)),
                                    Text(TextId::kSummaryNoProblems), Text(TextId::kReportCopied)};
  const int summaryWidth =
      std::max(px(kSummaryWidth), WidestText(summary_, {&summaries[0], &summaries[1], &summaries[2]}) + px(kGapTwips));
  std::array<int, 3> widths{};
  int row = px(kMarginTwips) + summaryWidth + px(kMarginTwips);
  for (size_t i = 0; i < buttons.size(); ++i) {
    widths[i] = std::max(px(kButtonWidths[i]), WidestText(buttons[i], {captions[i]}) + px(kButtonPaddingTwips));
    row += px(kGapTwips) + widths[i];
  }
  const SIZE usual = dialogs::PixelSize(kClientSize, dpi_);
  const int width = std::max<int>(usual.cx, row);
  if (width != usual.cx) {
    dialogs::SetClientSize(dialog_, {width, usual.cy});
    const RECT list = dialogs::PixelRect(kListRect, dpi_);
    const RECT detail = dialogs::PixelRect(kDetailRect, dpi_);
    Place(list_, list.left, list.top, width - 2 * px(kMarginTwips), list.bottom - list.top);
    Place(detail_, detail.left, detail.top, width - 2 * px(kMarginTwips), detail.bottom - detail.top);
  }
  const int top = px(kButtonRowTop);
  const int height = px(kButtonHeight);
  int right = width - px(kMarginTwips);
  for (size_t i = buttons.size(); i-- > 0;) {
    Place(buttons[i], right - widths[i], top, widths[i], height);
    right -= widths[i] + px(kGapTwips);
  }
  Place(summary_, px(kMarginTwips), top, right - px(kMarginTwips), height);
}

void CheckForm::Load() noexcept {
  try {
    Fill();
  } catch (...) {
    // The list stays as it is; the buttons still work.
  }
}

// The findings, problems first, then hints, then what is in order.
void CheckForm::Fill() {
  ListView_DeleteAllItems(list_);
  const auto& findings = session_.diagnosis().findings;
  int row = 0;
  size_t problems = 0;
  for (const Severity severity : {Severity::kProblem, Severity::kHint, Severity::kOk}) {
    for (size_t i = 0; i < findings.size(); ++i) {
      const Finding& finding = findings[i];
      if (finding.severity != severity) continue;
      if (severity == Severity::kProblem) ++problems;
      std::wstring result = Wide(SeverityText(session_.table(), severity));
      const std::wstring text = Wide(FindingText(session_.table(), finding));
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = row++;
      item.pszText = result.data();
      item.lParam = static_cast<LPARAM>(i);
      const int index = ListView_InsertItem(list_, &item);
      ListView_SetItemText(list_, index, 1, const_cast<wchar_t*>(text.c_str()));
    }
  }
  const std::wstring number = std::to_wstring(problems);
  const std::u16string args[] = {{number.begin(), number.end()}};
  const std::wstring summary = Wide(
      RenderText(session_.table(), problems != 0 ? TextId::kSummaryProblems : TextId::kSummaryNoProblems, args));
  SetWindowTextW(summary_, summary.c_str());
  EnableWindow(repair_, !session_.diagnosis().repairs.empty());
  if (row != 0) ListView_SetItemState(list_, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ShowSelected();
}

void CheckForm::ShowSelected() {
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  std::wstring detail;
  if (row >= 0) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list_, &item);
    const auto& findings = session_.diagnosis().findings;
    const auto index = static_cast<size_t>(item.lParam);
    if (index < findings.size()) {
      const Finding& finding = findings[index];
      const HostWords host = WordsOf(finding.host);
      detail = Wide(RenderShown(session_.table(), finding.text, finding.args, host));
      if (finding.advice != TextId::kNone) {
        detail += L"\r\n";
        detail += Text(TextId::kAdviceLabel);
        detail += Wide(RenderShown(session_.table(), finding.advice, finding.adviceArgs, host));
      }
      detail += L"\r\n(";
      detail.append(finding.key.begin(), finding.key.end());
      detail += L")";
    }
  }
  SetWindowTextW(detail_, detail.c_str());
}

void CheckForm::RunRepair() {
  const RepairRun run = session_.Repair(true);
  std::u16string message;
  // Each line without its key: the hosts refused, then the repairs tried.
  for (const std::u16string& note : session_.repairNotes()) {
    (message += note.substr(note.find(u' ') + 1)) += u"\r\n";
  }
  if (run == RepairRun::kApplied) Fill();
  const std::wstring caption = Text(TextId::kWindowCaption);
  MessageBoxW(dialog_, Wide(message).c_str(), caption.c_str(),
              run == RepairRun::kHostRunning ? MB_OK | MB_ICONWARNING : MB_OK | MB_ICONINFORMATION);
}

void CheckForm::CopyReport() {
  const std::u16string report = session_.Report(u"\r\n");
  const size_t bytes = (report.size() + 1) * sizeof(char16_t);
  UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return;
  void* target = GlobalLock(memory.get());
  if (target == nullptr) return;
  memcpy(target, report.c_str(), bytes);
  GlobalUnlock(memory.get());
  if (!OpenClipboard(dialog_)) return;
  EmptyClipboard();
  // The clipboard owns the memory once it takes it.
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) memory.release();
  CloseClipboard();
  SetWindowTextW(summary_, Text(TextId::kReportCopied).c_str());
}

std::optional<INT_PTR> CheckForm::OnMessage(dialogs::ModalSession& session, HWND, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept {
  try {
    switch (message) {
      case WM_COMMAND:
        switch (LOWORD(wParam)) {
          case IDCANCEL:  // "关闭", Esc
          case IDOK:      // Enter
            session.Unload();
            return TRUE;
          case kIdRepair:
            RunRepair();
            return TRUE;
          case kIdCopy:
            CopyReport();
            return TRUE;
          default:
            return std::nullopt;
        }
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->idFrom == kIdList && header->code == LVN_ITEMCHANGED) {
          const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
          if ((change->uChanged & LVIF_STATE) != 0 && (change->uNewState & LVIS_SELECTED) != 0) ShowSelected();
          return TRUE;
        }
        return std::nullopt;
      }
      default:
        return std::nullopt;
    }
  } catch (...) {
    return TRUE;  // a repair or copy that ran out of memory: the window stays usable
  }
}

}  // namespace zorvane::check
