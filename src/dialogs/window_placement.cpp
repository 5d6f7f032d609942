#include "dialogs/window_placement.h"

#include <algorithm>

namespace zorvane::dialogs {
namespace {

int Width(const RECT& rect) noexcept { return rect.right - rect.left; }
int Height(const RECT& rect) noexcept { return rect.bottom - rect.top; }

RECT WorkAreaNear(const RECT& rect) noexcept {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &info)) return info.rcWork;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

}  // namespace

void SetClientSize(HWND window, SIZE client) noexcept {
  RECT outer{};
  RECT inner{};
  if (!GetWindowRect(window, &outer) || !GetClientRect(window, &inner)) return;
  const int width = client.cx + (Width(outer) - Width(inner));
  const int height = client.cy + (Height(outer) - Height(inner));
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOverOwner(HWND window) noexcept {
  RECT self{};
  if (!GetWindowRect(window, &self)) return;

  const HWND owner = GetWindow(window, GW_OWNER);
  RECT reference{};
  const bool overOwner =
      owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &reference);
  if (!overOwner) reference = WorkAreaNear(self);

  int left = reference.left + (Width(reference) - Width(self)) / 2;
  int top = reference.top + (Height(reference) - Height(self)) / 2;

  const RECT landed{left, top, left + Width(self), top + Height(self)};
  const RECT work = WorkAreaNear(landed);
  left = std::max<int>(work.left, std::min<int>(left, work.right - Width(self)));
  top = std::max<int>(work.top, std::min<int>(top, work.bottom - Height(self)));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zorvane::dialogs
