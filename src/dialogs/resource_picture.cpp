#include "dialogs/resource_picture.h"

#include <olectl.h>

#include <cstring>

#include "common/windows_handles.h"
#include "dialogs/module_instance.h"

namespace zorvane::dialogs {

ResourcePicture ResourcePicture::Load(const wchar_t* name) noexcept {
  const HMODULE module = ThisModule();
  const HRSRC found = FindResourceW(module, name, RT_RCDATA);
  const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  const DWORD size = found != nullptr ? SizeofResource(module, found) : 0;
  if (data == nullptr || size == 0) return {};

  // The stream takes its data in global memory, which it frees when it goes.
  UniqueGlobalMemory copy(GlobalAlloc(GMEM_MOVEABLE, size));
  void* target = copy ? GlobalLock(copy.get()) : nullptr;
  if (target == nullptr) return {};
  std::memcpy(target, data, size);
  GlobalUnlock(copy.get());

  Microsoft::WRL::ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy.get(), TRUE, &stream))) return {};
  copy.release();

  ResourcePicture result;
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(result.picture_.GetAddressOf())))) {
    return {};
  }
  OLE_HANDLE handle = 0;
  SHORT type = PICTYPE_UNINITIALIZED;
  BITMAP bitmap{};
  if (FAILED(result.picture_->get_Type(&type)) || type != PICTYPE_BITMAP ||
      FAILED(result.picture_->get_Handle(&handle)) ||
      GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof(bitmap), &bitmap) == 0) {
    return {};
  }
  result.pixels_ = {bitmap.bmWidth, bitmap.bmHeight};
  return result;
}

void ResourcePicture::Draw(HDC dc, POINT at) const noexcept {
  if (picture_ == nullptr) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (FAILED(picture_->get_Width(&width)) || FAILED(picture_->get_Height(&height))) return;
  // The source rectangle is in HIMETRIC units, measured upwards from the bottom.
  picture_->Render(dc, at.x, at.y, pixels_.cx, pixels_.cy, 0, height, width, -height, nullptr);
}

}  // namespace zorvane::dialogs
