// Which Office a host is, as far as its built-in tabs go. The host tells its version as a text
// ("16.0") and, for the products that share 16.0, a build; each host gives the build in its
// own form. Portable: the add-in reads the two properties, this turns them into a version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zorvane {

// In order of release: a later value has every tab of an earlier one.
enum class OfficeVersion : unsigned char {
  k2007,  // 12.0, and any host that does not say
  k2010,  // 14.0
  k2013,  // 15.0
  k2016,  // 16.0 below build 10000, or without a readable build
  k2019,  // 16.0 from build 10000: 2019, 2021, 2024 and Microsoft 365
};
inline constexpr std::size_t kOfficeVersionCount = 5;

// The first build of 16.0 that is not Office 2016.
inline constexpr std::uint32_t kFirstBuildAfter2016 = 10000;

namespace detail {

// `text` up to (not including) its first `unit`, or all of it. Not substr: its range check
// would bring an exception into modules built without them.
constexpr std::u16string_view UpTo(std::u16string_view text, char16_t unit) noexcept {
  const std::size_t at = text.find(unit);
  return {text.data(), at == std::u16string_view::npos ? text.size() : at};
}

// The decimal number that is the whole of `digits`: nothing for an empty text, a non-digit
// or a number past 32 bits.
constexpr std::optional<std::uint32_t> DecimalNumber(std::u16string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char16_t unit : digits) {
    if (unit < u'0' || unit > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(unit - u'0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace detail

// The build in a host's `Build` text: the whole text where it is a number (PowerPoint's form,
// and Excel's number as text), else the third dotted group ("16.0.<build>.<revision>", Word's
// form). Nothing for any other text.
constexpr std::optional<std::uint32_t> BuildFromText(std::u16string_view text) noexcept {
  if (text.find(u'.') == std::u16string_view::npos) return detail::DecimalNumber(text);
  for (int group = 0; group < 2; ++group) {
    const std::size_t dot = text.find(u'.');
    if (dot == std::u16string_view::npos) return std::nullopt;
    text.remove_prefix(dot + 1);
  }
  return detail::DecimalNumber(detail::UpTo(text, u'.'));
}

// The build that a `Version` text of four dotted groups carries in its last
// ("16.0.0.<build>", Outlook's form, which has no `Build`); nothing for any other text.
constexpr std::optional<std::uint32_t> BuildInVersion(std::u16string_view version) noexcept {
  for (int group = 0; group < 3; ++group) {
    const std::size_t dot = version.find(u'.');
    if (dot == std::u16string_view::npos) return std::nullopt;
    version.remove_prefix(dot + 1);
  }
  return detail::DecimalNumber(version);
}

// The version that a host's `Version` text ("<major>.<minor>", more dotted groups allowed)
// and build name. A text that does not read so is 2007; a version past 16 is the newest known.
constexpr OfficeVersion OfficeVersionFrom(std::u16string_view version, std::optional<std::uint32_t> build) noexcept {
  const std::u16string_view majorText = detail::UpTo(version, u'.');
  if (majorText.size() == version.size()) return OfficeVersion::k2007;
  version.remove_prefix(majorText.size() + 1);
  const std::optional<std::uint32_t> major = detail::DecimalNumber(majorText);
  if (!major || !detail::DecimalNumber(detail::UpTo(version, u'.'))) return OfficeVersion::k2007;
  if (*major >= 16) return build && *build >= kFirstBuildAfter2016 ? OfficeVersion::k2019 : OfficeVersion::k2016;
  if (*major == 15) return OfficeVersion::k2013;
  if (*major >= 14) return OfficeVersion::k2010;
  return OfficeVersion::k2007;
}

}  // namespace zorvane
