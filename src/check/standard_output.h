// Text to the standard output or error of a GUI program: to the handle it inherited (a pipe
// or a file, as with `ZorvaneCheck.exe --report > f`) as UTF-8, or to the console of the
// command prompt it was started from. Windows only.
#pragma once

#include <windows.h>

#include <string_view>

namespace zorvane::check {

// `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE. False when there is nowhere to write.
bool WriteStandard(DWORD which, std::u16string_view text) noexcept;

}  // namespace zorvane::check
