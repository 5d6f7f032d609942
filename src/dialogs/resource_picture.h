// A picture kept in this module's resources as RCDATA (a JPEG here), decoded by OLE and
// drawn pixel for pixel at its own size.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

namespace zorvane::dialogs {

class ResourcePicture {
 public:
  // Empty when the resource is missing or cannot be decoded (decoding JPEG data needs COM
  // on the calling thread, as the host's thread has it).
  static ResourcePicture Load(const wchar_t* name) noexcept;

  explicit operator bool() const noexcept { return picture_ != nullptr; }

  // Width and height in pixels; zero when empty.
  SIZE PixelSize() const noexcept { return pixels_; }

  // Draws the picture with its top left corner at `at`.
  void Draw(HDC dc, POINT at) const noexcept;

 private:
  Microsoft::WRL::ComPtr<IPicture> picture_;
  SIZE pixels_{};
};

}  // namespace zorvane::dialogs
