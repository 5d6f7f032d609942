// The owner of each kind of Windows handle that the add-in, its tests and the stand-in host
// hold: one line each over UniqueHandle. Windows only; unique_handle.h itself stays portable.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "common/unique_handle.h"

namespace zorvane {

// The function object that gives a handle back with `Release`.
template <auto Release>
struct ReleaseWith {
  void operator()(auto handle) const noexcept { Release(handle); }
};

using UniqueHkey = UniqueHandle<HKEY, ReleaseWith<RegCloseKey>>;
using UniqueBstr = UniqueHandle<BSTR, ReleaseWith<SysFreeString>>;
using UniqueWindow = UniqueHandle<HWND, ReleaseWith<DestroyWindow>>;
using UniqueFont = UniqueHandle<HFONT, ReleaseWith<DeleteObject>>;
using UniquePen = UniqueHandle<HPEN, ReleaseWith<DeleteObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, ReleaseWith<DeleteObject>>;
using UniqueMemoryDc = UniqueHandle<HDC, ReleaseWith<DeleteDC>>;
using UniqueCursor = UniqueHandle<HCURSOR, ReleaseWith<DestroyCursor>>;
using UniqueGlobalMemory = UniqueHandle<HGLOBAL, ReleaseWith<GlobalFree>>;
// Processes, threads and pipes, whose "none" is null; not CreateFile's INVALID_HANDLE_VALUE.
using UniqueKernelHandle = UniqueHandle<HANDLE, ReleaseWith<CloseHandle>>;

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

}  // namespace zorvane
