#include "ribbon/visibility.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "ribbon/ribbon_names.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {
namespace detail {
// Never defined: reached while compiling, they stop the build and name the fault.
void IdIsShorterThanTheLookupReads();
void NoMultiplierGivesEveryIdASlotOfItsOwn();
void IdIsLongerThanARowHolds();
}  // namespace detail

namespace {

// The combined menu's gap, the combined menu, then every tab that a switch governs, in any
// version and window (a document declares only its own version's and window's tabs, so the
// others are never asked for; their switches stay false).
constexpr std::size_t GovernedCount(const settings::HostSwitches& host) {
  std::size_t count = 2;
  for (const settings::SwitchableTab& tab : host.tabs) {
    for ([[maybe_unused]] const settings::GovernedTab& governed : tab.Governed()) ++count;
  }
  return count;
}
constexpr std::size_t kMaxGovernedCount = [] {
  std::size_t most = 0;
  for (const settings::HostSwitches& host : settings::kHostSwitches) most = std::max(most, GovernedCount(host));
  return most;
}();

// Each id has a slot of its own, found from its fourth and its last unit: a lookup reads one
// row and compares one id. The multiplier is each host's own, the first that keeps its ids apart.
constexpr std::size_t kShortestId = 4;
constexpr std::size_t kSlotCount = 64;
constexpr std::size_t SlotOf(std::size_t multiplier, char16_t fourth, char16_t last) noexcept {
  return (fourth * multiplier + last) & (kSlotCount - 1);
}

// One id and the switch that governs it; an empty id marks a free slot.
struct Row {
  const char16_t* id = nullptr;
  std::uint8_t length = 0;
  std::uint8_t governedBy = 0;
};

struct HostLookup {
  std::array<std::u16string_view, kMaxGovernedCount> ids{};
  std::array<std::uint8_t, kMaxGovernedCount> switches{};  // the switch of each id
  std::size_t idCount = 0;
  std::size_t multiplier = 0;
  std::array<Row, kSlotCount> slots{};
};

constexpr bool Place(HostLookup& lookup, std::size_t multiplier) {
  lookup.slots = {};
  lookup.multiplier = multiplier;
  for (std::size_t i = 0; i < lookup.idCount; ++i) {
    const std::u16string_view id = lookup.ids[i];
    Row& slot = lookup.slots[SlotOf(multiplier, id[3], id.back())];
    if (slot.length != 0) return false;
    slot = Row{id.data(), static_cast<std::uint8_t>(id.size()), lookup.switches[i]};
  }
  return true;
}

constexpr HostLookup LookupOf(const settings::HostSwitches& host) {
  HostLookup lookup;
  const auto add = [&lookup](std::u16string_view id, std::size_t governedBy) {
    lookup.switches[lookup.idCount] = static_cast<std::uint8_t>(governedBy);
    lookup.ids[lookup.idCount++] = id;
  };
  // The combined menu's gap and the menu share the combined menu's switch.
  add(id::kLabelAll, settings::kShowAllMenu);
  add(id::kMenuAll, settings::kShowAllMenu);
  for (std::size_t k = 0; k < host.tabs.size(); ++k) {
    for (const settings::GovernedTab& governed : host.tabs[k].Governed()) add(governed.idMso, k + 1);
  }
  for (std::size_t i = 0; i < lookup.idCount; ++i) {
    if (lookup.ids[i].size() < kShortestId) detail::IdIsShorterThanTheLookupReads();
    if (lookup.ids[i].size() > UINT8_MAX) detail::IdIsLongerThanARowHolds();
  }
  for (std::size_t multiplier = 1; multiplier < 256; ++multiplier) {
    if (Place(lookup, multiplier)) return lookup;
  }
  detail::NoMultiplierGivesEveryIdASlotOfItsOwn();
  return lookup;
}

// In OfficeHost order, one per row of the hosts' switches.
constexpr auto kLookups = [] {
  std::array<HostLookup, kOfficeHostCount> lookups{};
  for (std::size_t i = 0; i < lookups.size(); ++i) lookups[i] = LookupOf(settings::kHostSwitches[i]);
  return lookups;
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

const HostLookup& LookupOf(OfficeHost host) noexcept { return kLookups[HostIndex(host)]; }

// Whole, case-sensitive comparison of code units with the one id of the slot.
inline settings::HostBool Visibility(const HostLookup& lookup, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  const std::size_t length = controlId.size();
  if (length < kShortestId) return settings::kHostFalse;
  const Row& row = lookup.slots[SlotOf(lookup.multiplier, controlId[3], controlId[length - 1])];
  if (row.length != length || !SameUnits(row.id, controlId.data(), length)) return settings::kHostFalse;
  return record.switches[row.governedBy];
}

}  // namespace

settings::HostBool ControlVisibility(OfficeHost host, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  return Visibility(LookupOf(host), controlId, record);
}

std::span<const std::u16string_view> VisibilityIds(OfficeHost host) noexcept {
  const HostLookup& lookup = LookupOf(host);
  return {lookup.ids.data(), lookup.idCount};
}

}  // namespace zorvane::ribbon
