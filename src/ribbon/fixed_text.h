// A UTF-16 text whose length is part of its type, so that whole XML answers can be
// assembled from constant fragments while compiling and stored as one constant array.
// The callbacks then hand the host a view of that array: no work at run time beyond
// the one copy into the host's string.
#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace zorvane::ribbon {

template <std::size_t N>
struct FixedText {
  // One more than the length: a trailing zero, so the array also reads as a C string.
  char16_t chars[N + 1]{};

  static constexpr std::size_t size() noexcept { return N; }
  constexpr std::u16string_view view() const noexcept { return {chars, N}; }
  constexpr operator std::u16string_view() const noexcept { return view(); }
};

namespace detail {

template <class T>
struct TextLength;

template <std::size_t N>
struct TextLength<char16_t[N]> {
  static_assert(N > 0, "a text literal holds at least its terminating zero");
  static constexpr std::size_t value = N - 1;
};

template <std::size_t N>
struct TextLength<FixedText<N>> {
  static constexpr std::size_t value = N;
};

// Everything that can be concatenated: u"..." literals (and char16_t arrays) and FixedText.
template <class T>
inline constexpr std::size_t kTextLength = TextLength<std::remove_cvref_t<T>>::value;

// A literal's last element is its terminating zero, which is not part of the text.
template <std::size_t N>
constexpr std::u16string_view ViewOf(const char16_t (&literal)[N]) {
  return {literal, N - 1};
}

template <std::size_t N>
constexpr std::u16string_view ViewOf(const FixedText<N>& text) {
  return text.view();
}

// Copies `part` to `out` from `pos` on; returns the position after it.
constexpr std::size_t CopyInto(char16_t* out, std::size_t pos, std::u16string_view part) {
  for (char16_t c : part) out[pos++] = c;
  return pos;
}

}  // namespace detail

// Any text-like thing with a length known from its type.
template <class T>
concept TextPart = requires { detail::TextLength<std::remove_cvref_t<T>>::value; };

// Joins the parts in order into one FixedText.
template <TextPart... Parts>
constexpr auto Concat(const Parts&... parts) {
  FixedText<(detail::kTextLength<Parts> + ... + 0)> out{};
  [[maybe_unused]] std::size_t pos = 0;
  ((pos = detail::CopyInto(out.chars, pos, detail::ViewOf(parts))), ...);
  return out;
}

// The text of one literal, as a FixedText.
template <std::size_t N>
constexpr auto Text(const char16_t (&literal)[N]) {
  return Concat(literal);
}

template <std::size_t A, std::size_t B>
constexpr FixedText<A + B> operator+(const FixedText<A>& a, const FixedText<B>& b) {
  return Concat(a, b);
}

template <std::size_t A, std::size_t B>
constexpr FixedText<A + B - 1> operator+(const FixedText<A>& a, const char16_t (&b)[B]) {
  return Concat(a, b);
}

template <std::size_t A, std::size_t B>
constexpr FixedText<A - 1 + B> operator+(const char16_t (&a)[A], const FixedText<B>& b) {
  return Concat(a, b);
}

template <std::size_t A, std::size_t B>
constexpr bool operator==(const FixedText<A>& a, const FixedText<B>& b) noexcept {
  return a.view() == b.view();
}

}  // namespace zorvane::ribbon
