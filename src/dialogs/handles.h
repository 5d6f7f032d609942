// Owners of the Win32 handles the dialogs create: each gives its handle back exactly once.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace zorvane::dialogs {

struct WindowRelease {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct GdiObjectRelease {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct CursorRelease {
  void operator()(HCURSOR cursor) const noexcept { DestroyCursor(cursor); }
};
struct DeviceContextDelete {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct GlobalMemoryRelease {
  void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};

using UniqueWindow = UniqueHandle<HWND, WindowRelease>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectRelease>;
using UniquePen = UniqueHandle<HPEN, GdiObjectRelease>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectRelease>;
using UniqueMemoryDc = UniqueHandle<HDC, DeviceContextDelete>;
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
