// Writes a registry value with exactly the bytes counted. For the string types, RegSetValueEx
// (A and W, on Windows and in Wine) looks one character past the counted data and, when the
// last counted character is not NUL and the next one is, stores one more character. What lies
// there is whatever follows the caller's buffer, so data without its terminator would be stored
// one way or the other by chance. Such data is copied with two non-NUL bytes after it.
#pragma once

#include <windows.h>

#include <cstring>
#include <type_traits>

#include "common/heap_array.h"

namespace zorvane {

template <typename Char>
LSTATUS SetExactValue(HKEY key, const Char* name, DWORD type, const BYTE* data, DWORD size) noexcept {
  static_assert(std::is_same_v<Char, char> || std::is_same_v<Char, wchar_t>);
  const auto write = [&](const BYTE* bytes) {
    if constexpr (std::is_same_v<Char, wchar_t>) {
      return RegSetValueExW(key, name, 0, type, bytes, size);
    } else {
      return RegSetValueExA(key, name, 0, type, bytes, size);
    }
  };
  const bool isString = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
  if (!isString || data == nullptr || size == 0 || size > MAXDWORD - 2) return write(data);

  HeapArray<BYTE> padded;
  if (!padded.Resize(size + 2)) return ERROR_OUTOFMEMORY;
  std::memcpy(padded.data(), data, size);
  padded[size] = 0xFF;
  padded[size + 1] = 0xFF;
  return write(padded.data());
}

}  // namespace zorvane
