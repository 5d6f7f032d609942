#include "dialog_answerer.h"

#include <algorithm>

#include "text.h"

namespace zorvane::standin {
namespace {

// Timer procedures carry no context; one answerer is armed at a time, on this thread.
DialogAnswerer* g_armed = nullptr;

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct WindowSearch {
  const std::vector<HWND>* hostWindows;
  const std::vector<HWND>* answered;
  HWND found = nullptr;
};

bool Holds(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// The modal dialog: a visible, enabled top-level window of this thread other than the host's
// windows (a modal dialog disables its owner, but not the host's other windows).
BOOL CALLBACK FindDialog(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  if (Holds(*search.hostWindows, window) || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (Holds(*search.answered, window)) return TRUE;
  search.found = window;
  return FALSE;
}

bool IsPushButton(HWND child) {
  const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
  return ClassName(child) == L"Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
         IsWindowVisible(child) && IsWindowEnabled(child);
}

// A caption as the user reads it: without the '&' that marks the access key.
std::wstring Readable(const std::wstring& caption) {
  std::wstring text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

struct ButtonSearch {
  const std::wstring* caption = nullptr;  // null: the button styled as default
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND child, LPARAM context) {
  auto& search = *reinterpret_cast<ButtonSearch*>(context);
  if (!IsPushButton(child)) return TRUE;
  const bool match = search.caption != nullptr
                         ? Readable(WindowText(child)) == *search.caption
                         : (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  if (!match) return TRUE;
  search.found = child;
  return FALSE;
}

// The button that Enter would press: the dialog manager's default id, else a button
// styled as default, else IDOK.
HWND DefaultButton(HWND dialog) {
  if (ClassName(dialog) == L"#32770") {
    const LRESULT id = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(id) == DC_HASDEFID) {
      if (HWND button = GetDlgItem(dialog, LOWORD(id)); button != nullptr && IsPushButton(button)) return button;
    }
  }
  ButtonSearch search;
  EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
  if (search.found != nullptr) return search.found;
  HWND ok = GetDlgItem(dialog, IDOK);
  return ok != nullptr && IsPushButton(ok) ? ok : nullptr;
}

HWND ButtonWithCaption(HWND dialog, const std::wstring& caption) {
  ButtonSearch search{&caption};
  EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

DialogAnswerer::DialogAnswerer(DialogAnswer answer, std::wstring button, unsigned delayMs,
                               std::vector<HWND> hostWindows)
    : answer_(answer), button_(std::move(button)), hostWindows_(std::move(hostWindows)) {
  if (answer_ == DialogAnswer::kWait || g_armed != nullptr) return;
  timer_ = SetTimer(nullptr, 0, std::max(delayMs, 1u), OnTimer);
  if (timer_ != 0) g_armed = this;
}

DialogAnswerer::~DialogAnswerer() {
  if (timer_ == 0) return;
  KillTimer(nullptr, timer_);
  g_armed = nullptr;
}

void CALLBACK DialogAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) noexcept {
  if (g_armed != nullptr) g_armed->AnswerDialogs();
}

void DialogAnswerer::AnswerDialogs() noexcept {
  try {
    WindowSearch search{&hostWindows_, &answered_};
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    HWND dialog = search.found;
    answered_.push_back(dialog);
    // The window the user finds blocked behind the dialog.
    const HWND owner = GetWindow(dialog, GW_OWNER);
    const std::wstring ownerEvent = L"dialog " + Quoted(WindowText(dialog)) +
                                    (owner != nullptr ? L" is owned by " + Quoted(WindowText(owner)) : L" has no owner");
    std::wstring event = L"dialog " + Quoted(WindowText(dialog)) + L" opened; ";
    HWND button = nullptr;
    if (answer_ == DialogAnswer::kDefaultButton) button = DefaultButton(dialog);
    if (answer_ == DialogAnswer::kPressButton) button = ButtonWithCaption(dialog, button_);
    if (button != nullptr) {
      event += (answer_ == DialogAnswer::kDefaultButton ? L"pressed its default button " : L"pressed its button ") +
               Quoted(Readable(WindowText(button)));
      events_.push_back(std::move(event));
      events_.push_back(ownerEvent);
      SendMessageW(button, BM_CLICK, 0, 0);
    } else {
      if (answer_ == DialogAnswer::kDefaultButton) event += L"it has no default button, so ";
      if (answer_ == DialogAnswer::kPressButton) event += L"it has no button " + Quoted(button_) + L", so ";
      event += L"closed it";
      events_.push_back(std::move(event));
      events_.push_back(ownerEvent);
      SendMessageW(dialog, WM_CLOSE, 0, 0);
    }
  } catch (...) {
    // Out of memory while noting the event: leave the dialog to the user.
  }
}

}  // namespace zorvane::standin
