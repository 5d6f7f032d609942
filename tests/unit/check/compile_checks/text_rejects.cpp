// Built by ctest once per case: a language table of the check that misses a text must fail
// to compile; the complete table (no case defined) must compile.
#include <array>
#include <utility>

#include "check/check_text.h"

using namespace zorvane::check;

// A table of `count` entries in id order, each with a text, and kNone's empty.
template <std::size_t... I>
consteval auto Entries(std::index_sequence<I...>) {
  return std::array{TextEntry{static_cast<TextId>(I), I == 0 ? u"" : u"text"}...};
}
constexpr std::size_t kAll = static_cast<std::size_t>(TextId::kCount);

struct Table {
#if defined(REJECT_MISSING_TEXT)
  static constexpr auto kTable = Entries(std::make_index_sequence<kAll - 1>());
#else
  static constexpr auto kTable = Entries(std::make_index_sequence<kAll>());
#endif
};

static_assert(CompleteCheckText<Table>, "the table is incomplete");

int main() { return 0; }
