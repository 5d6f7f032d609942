// What the check reads from a program file's headers: the machine it is built for and
// whether it carries an Authenticode signature. Portable: it looks at bytes only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zorvane::check {

inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;
inline constexpr std::uint16_t kMachineArm64 = 0xAA64;

// Enough of a file's start for the headers of any program we look at.
inline constexpr std::size_t kPeHeaderBytes = 4096;

struct PeHeaders {
  std::uint16_t machine = 0;
  bool hasSignature = false;  // the security directory names a non-empty certificate table
};

// Nothing when `start` (the file's first bytes) holds no PE headers.
std::optional<PeHeaders> ReadPeHeaders(std::span<const std::uint8_t> start);

}  // namespace zorvane::check
