// Fuzzes the reading of PowerPoint's Resiliency records (and of program headers, which the
// check reads from files it does not own): any bytes either read as a record that fits them
// or as nothing. A broken rule traps; the sanitizers report the rest.
#include <cstddef>
#include <cstdint>
#include <span>

#include "check/disabled_items.h"
#include "check/pe_image.h"

namespace {

void Require(bool rule) {
  if (!rule) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto item = zorvane::check::ParseDisabledItem(bytes)) {
    // Both strings and their NULs lie inside the data, and neither holds a NUL.
    Require(12 + 2 * (item->path.size() + 1) + 2 * (item->name.size() + 1) <= size);
    Require(size <= zorvane::check::kMaxDisabledItemBytes);
    Require(item->path.find(u'\0') == std::u16string::npos && item->name.find(u'\0') == std::u16string::npos);
  }
  if (const auto headers = zorvane::check::ReadPeHeaders(bytes)) Require(size >= 0x40 && data[0] == 'M');
  return 0;
}
