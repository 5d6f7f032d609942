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

// Each id has a slot of its own, found from its length and its fourth unit: a lookup reads one
// row and compares one id. A hash that stops being unique for the ids fails to compile.
constexpr std::size_t kShortestId = 4;
constexpr std::size_t kLongestId = 16;
constexpr std::uint8_t kNoRow = 0xFF;
constexpr std::size_t SlotOf(std::size_t length, char16_t fourth) noexcept { return (length + fourth) & 31; }
// Not constexpr: a table that breaks a rule fails to compile where it calls one, by its name.
inline void AnIdIsOutsideTheLengthsTheLookupReads() noexcept {}
inline void TwoIdsShareASlotChooseAnotherHash() noexcept {}

constexpr auto kSlots = [] {
  std::array<std::uint8_t, 32> slots{};
  slots.fill(kNoRow);
  for (std::size_t i = 0; i < kGoverned.size(); ++i) {
    const std::u16string_view id = kGoverned[i].id;
    if (id.size() < kShortestId || id.size() > kLongestId) AnIdIsOutsideTheLengthsTheLookupReads();
    std::uint8_t& slot = slots[SlotOf(id.size(), id[3])];
    if (slot != kNoRow) TwoIdsShareASlotChooseAnotherHash();
    slot = static_cast<std::uint8_t>(i);
  }
  return slots;
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
  // Whole, case-sensitive comparison of code units with the one id of the slot.
  const std::size_t length = controlId.size();
  if (length < kShortestId || length > kLongestId) return settings::kHostFalse;
  const std::uint8_t row = kSlots[SlotOf(length, controlId[3])];
  if (row == kNoRow) return settings::kHostFalse;
  const GovernedControl& control = kGoverned[row];
  if (control.id.size() != length || !SameUnits(control.id.data(), controlId.data(), length)) {
    return settings::kHostFalse;
  }
  return record.switches[control.governedBy];
}

std::span<const std::u16string_view> VisibilityIds() noexcept { return kIds; }

}  // namespace zorvane::ribbon
