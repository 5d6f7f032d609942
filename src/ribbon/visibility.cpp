#include "ribbon/visibility.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon {
namespace {

namespace name = settings::name;

struct GovernedControl {
  std::u16string_view id;
  settings::SwitchIndex governedBy;
};

// The combined menu and its gap share one switch, so they come and go together; each
// built-in tab has a switch of its own, named as the tab.
constexpr std::array kGoverned = {
    GovernedControl{id::kLabelAll, settings::kShowAllMenu},
    GovernedControl{id::kMenuAll, settings::kShowAllMenu},
    GovernedControl{name::kTabHome, settings::kTabHome},
    GovernedControl{name::kTabInsert, settings::kTabInsert},
    GovernedControl{name::kTabDesign, settings::kTabDesign},
    GovernedControl{name::kTabAnimations, settings::kTabAnimations},
    GovernedControl{name::kTabSlideShow, settings::kTabSlideShow},
    GovernedControl{name::kTabReview, settings::kTabReview},
    GovernedControl{name::kTabView, settings::kTabView},
    GovernedControl{name::kTabDeveloper, settings::kTabDeveloper},
};

constexpr auto kIds = [] {
  std::array<std::u16string_view, kGoverned.size()> ids{};
  for (std::size_t i = 0; i < kGoverned.size(); ++i) ids[i] = kGoverned[i].id;
  return ids;
}();

// The table's rows grouped by id length, in table order: a lookup only visits the rows of
// the length asked about (three at most), so the first match in table order still decides.
constexpr std::size_t kLongestId = 16;
struct RowsOfLength {
  std::array<std::uint8_t, kGoverned.size()> rows{};
  std::size_t count = 0;
};
constexpr auto kRowsByLength = [] {
  std::array<RowsOfLength, kLongestId + 1> byLength{};
  for (std::size_t i = 0; i < kGoverned.size(); ++i) {
    RowsOfLength& group = byLength[kGoverned[i].id.size()];  // an id longer than kLongestId fails to compile
    group.rows[group.count++] = static_cast<std::uint8_t>(i);
  }
  return byLength;
}();

// Whole equality of `count` code units, four at a time: the ids are short, and this runs
// inline where a library comparison would be a call.
bool SameUnits(const char16_t* a, const char16_t* b, std::size_t count) noexcept {
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, a + i, sizeof x);
    std::memcpy(&y, b + i, sizeof y);
    if (x != y) return false;
  }
  for (; i < count; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

settings::HostBool ControlVisibility(std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  // Whole, case-sensitive comparison of code units; the first match decides.
  if (controlId.size() > kLongestId) return settings::kHostFalse;
  const RowsOfLength& candidates = kRowsByLength[controlId.size()];
  for (std::size_t c = 0; c < candidates.count; ++c) {
    const GovernedControl& control = kGoverned[candidates.rows[c]];
    if (SameUnits(control.id.data(), controlId.data(), controlId.size())) {
      return record.switches[control.governedBy];
    }
  }
  return settings::kHostFalse;
}

std::span<const std::u16string_view> VisibilityIds() noexcept { return kIds; }

}  // namespace zorvane::ribbon
