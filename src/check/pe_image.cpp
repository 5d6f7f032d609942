#include "check/pe_image.h"

namespace zorvane::check {
namespace {

std::uint32_t Read(std::span<const std::uint8_t> data, std::size_t offset, std::size_t bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(data[offset + i]) << (8 * i);
  return value;
}

}  // namespace

std::optional<PeHeaders> ReadPeHeaders(std::span<const std::uint8_t> start) {
  constexpr std::size_t kLfanewOffset = 0x3C;
  if (start.size() < kLfanewOffset + 4 || start[0] != 'M' || start[1] != 'Z') return std::nullopt;
  const std::size_t pe = Read(start, kLfanewOffset, 4);
  constexpr std::size_t kFileHeader = 4, kOptionalHeader = kFileHeader + 20;
  if (pe > start.size() || start.size() - pe < kOptionalHeader) return std::nullopt;
  if (Read(start, pe, 4) != 0x00004550) return std::nullopt;  // "PE\0\0"
  PeHeaders headers;
  headers.machine = static_cast<std::uint16_t>(Read(start, pe + kFileHeader, 2));

  // The certificate table is data directory 4: 96 bytes into a PE32 optional header, 112
  // into a PE32+ one, then eight bytes each. A header too short for it has no signature.
  const std::size_t optionalSize = Read(start, pe + kFileHeader + 16, 2);
  const std::size_t optional = pe + kOptionalHeader;
  if (optionalSize >= 2 && start.size() - optional >= 2) {
    const std::uint32_t magic = Read(start, optional, 2);
    const std::size_t directories = magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0;
    const std::size_t entry = directories + 4 * 8;
    if (directories != 0 && optionalSize >= entry + 8 && start.size() - optional >= entry + 8) {
      headers.hasSignature = Read(start, optional + entry, 4) != 0 && Read(start, optional + entry + 4, 4) != 0;
    }
  }
  return headers;
}

}  // namespace zorvane::check
