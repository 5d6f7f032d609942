#include "ribbon/visibility.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "ribbon/ribbon_names.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {
namespace detail {
// Never defined: reached while compiling, they stop the build and name the fault.
void IdIsShorterThanTheLookupReads();
void TwoIdsShareASlotChooseAnotherHash();
}  // namespace detail

namespace {

constexpr std::size_t kGovernedCount = settings::kSwitchCount + 1;

// The combined menu and its gap share one switch, so they come and go together; each
// built-in tab has a switch of its own, named as the tab.
constexpr std::array<std::u16string_view, kGovernedCount> GovernedIds(const settings::HostSwitches& host) {
  std::array<std::u16string_view, kGovernedCount> ids{id::kLabelAll, id::kMenuAll};
  for (std::size_t k = settings::kTabHome; k < settings::kSwitchCount; ++k) ids[k + 1] = host.names[k];
  return ids;
}

// Each id has a slot of its own, found from its fourth and its last unit: a lookup reads one
// row and compares one id. A hash that stops being unique for a host's ids fails to compile.
constexpr std::size_t kShortestId = 4;
constexpr std::size_t SlotOf(char16_t fourth, char16_t last) noexcept { return (fourth * 4u + last) & 31u; }

// One id and the switch that governs it; an empty id marks a free slot.
struct Row {
  const char16_t* id = nullptr;
  std::size_t length = 0;
  std::size_t governedBy = 0;
};

struct HostLookup {
  std::array<std::u16string_view, kGovernedCount> ids;
  std::array<Row, 32> slots;
};

constexpr HostLookup LookupOf(const settings::HostSwitches& host) {
  HostLookup lookup{GovernedIds(host), {}};
  for (std::size_t i = 0; i < lookup.ids.size(); ++i) {
    const std::u16string_view id = lookup.ids[i];
    if (id.size() < kShortestId) detail::IdIsShorterThanTheLookupReads();
    Row& slot = lookup.slots[SlotOf(id[3], id.back())];
    if (slot.length != 0) detail::TwoIdsShareASlotChooseAnotherHash();
    // The first two ids, the combined menu's gap and the menu, share ShowAllMenu.
    slot = Row{id.data(), id.size(), i < 2 ? std::size_t{settings::kShowAllMenu} : i - 1};
  }
  return lookup;
}

// In OfficeHost order.
constexpr std::array<HostLookup, kOfficeHostCount> kLookups = {
    LookupOf(settings::kHostSwitches[0]), LookupOf(settings::kHostSwitches[1]), LookupOf(settings::kHostSwitches[2])};

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

const HostLookup& LookupOf(OfficeHost host) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return kLookups[index < kLookups.size() ? index : 0];
}

// Whole, case-sensitive comparison of code units with the one id of the slot.
inline settings::HostBool Visibility(const HostLookup& lookup, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  const std::size_t length = controlId.size();
  if (length < kShortestId) return settings::kHostFalse;
  const Row& row = lookup.slots[SlotOf(controlId[3], controlId[length - 1])];
  if (row.length != length || !SameUnits(row.id, controlId.data(), length)) return settings::kHostFalse;
  return record.switches[row.governedBy];
}

}  // namespace

settings::HostBool ControlVisibility(OfficeHost host, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  return Visibility(LookupOf(host), controlId, record);
}

std::span<const std::u16string_view> VisibilityIds(OfficeHost host) noexcept { return LookupOf(host).ids; }

}  // namespace zorvane::ribbon
