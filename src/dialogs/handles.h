// Owners of the Win32 handles the dialogs create: each gives its handle back exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace zorvane::dialogs {

template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  void reset(Handle handle = nullptr) noexcept {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = handle;
  }

  // Gives the handle up without releasing it (for a window that Windows has destroyed).
  Handle release() noexcept { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

struct WindowRelease {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct GdiObjectRelease {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct CursorRelease {
  void operator()(HCURSOR cursor) const noexcept { DestroyCursor(cursor); }
};
struct GlobalMemoryRelease {
  void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};

using UniqueWindow = UniqueHandle<HWND, WindowRelease>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectRelease>;
using UniquePen = UniqueHandle<HPEN, GdiObjectRelease>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorRelease>;
using UniqueGlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryRelease>;

// Selects a GDI object into a device context for one scope and puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zorvane::dialogs
