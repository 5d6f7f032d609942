// The owner of a text on the C heap for code built without exceptions: a HeapArray of
// characters that keeps a terminating NUL after its text, so that it passes to Windows as it
// is. As for HeapArray, every call that may allocate says whether it could and, when not,
// leaves the text as it was. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/heap_array.h"

namespace zorvane {

template <typename Char>
class HeapString {
 public:
  using View = std::basic_string_view<Char>;

  HeapString() noexcept = default;

  const Char* c_str() const noexcept { return chars_.empty() ? kEmpty : chars_.data(); }
  // For a call that writes the text in place, after Resize.
  Char* data() noexcept { return chars_.empty() ? nullptr : chars_.data(); }
  std::size_t size() const noexcept { return chars_.empty() ? 0 : chars_.size() - 1; }
  bool empty() const noexcept { return size() == 0; }
  View view() const noexcept { return {c_str(), size()}; }
  operator View() const noexcept { return view(); }

  [[nodiscard]] bool Assign(View text) noexcept {
    HeapString copy;
    if (!copy.Append(text)) return false;
    *this = std::move(copy);
    return true;
  }

  // `text` must not view this string's own characters, which growing may move.
  [[nodiscard]] bool Append(View text) noexcept {
    if (text.empty()) return true;
    const std::size_t before = size();
    if (text.size() >= SIZE_MAX - before || !chars_.Resize(before + text.size() + 1)) return false;
    std::char_traits<Char>::copy(chars_.data() + before, text.data(), text.size());
    chars_[before + text.size()] = Char{};
    return true;
  }

  // `count` characters: the first ones kept, new ones NUL, to be written through data().
  [[nodiscard]] bool Resize(std::size_t count) noexcept {
    if (count == 0) {
      chars_.Clear();
      return true;
    }
    if (!chars_.Resize(count + 1)) return false;
    chars_[count] = Char{};
    return true;
  }

  friend bool operator==(const HeapString& a, View b) noexcept { return a.view() == b; }

 private:
  static constexpr Char kEmpty[1] = {};
  HeapArray<Char> chars_;  // empty, or the text and its NUL
};

// At most `count` characters of `text` from `pos` on (none past its end): substr without the
// exception, which code built without exceptions must not link.
template <typename Char>
constexpr std::basic_string_view<Char> Slice(std::basic_string_view<Char> text, std::size_t pos,
                                             std::size_t count = std::basic_string_view<Char>::npos) noexcept {
  if (pos > text.size()) pos = text.size();
  return {text.data() + pos, count < text.size() - pos ? count : text.size() - pos};
}

// A copy of `text`; nothing when memory ran out. In the manner of WIL's make_*_string_nothrow.
template <typename Char>
std::optional<HeapString<Char>> MakeHeapString(std::basic_string_view<Char> text) noexcept {
  HeapString<Char> copy;
  if (!copy.Append(text)) return std::nullopt;
  return copy;
}

using HeapNarrowString = HeapString<char>;
using HeapWideString = HeapString<wchar_t>;
using HeapU16String = HeapString<char16_t>;

}  // namespace zorvane
