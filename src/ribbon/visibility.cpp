#include "ribbon/visibility.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "ribbon/ribbon_names.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {
namespace {

constexpr std::size_t kGovernedCount = settings::kSwitchCount + 1;

// The combined menu and its gap share one switch, so they come and go together; each
// built-in tab has a switch of its own, named as the tab.
constexpr std::array<std::u16string_view, kGovernedCount> GovernedIds(const settings::HostSwitches& host) {
  std::array<std::u16string_view, kGovernedCount> ids{id::kLabelAll, id::kMenuAll};
  for (std::size_t k = settings::kTabHome; k < settings::kSwitchCount; ++k) ids[k + 1] = host.names[k];
  return ids;
}

// The switch of each id above.
constexpr std::size_t SwitchOf(std::size_t row) noexcept { return row == 0 ? settings::kShowAllMenu : row - 1; }

// Each id has a slot of its own, found from its fourth and its last unit: a lookup reads one
// row and compares one id. A hash that stops being unique for a host's ids fails to compile.
constexpr std::size_t kShortestId = 4;
constexpr std::uint8_t kNoRow = 0xFF;
constexpr std::size_t SlotOf(char16_t fourth, char16_t last) noexcept { return (fourth * 4u + last) & 31u; }

struct HostLookup {
  std::array<std::u16string_view, kGovernedCount> ids;
  std::array<std::uint8_t, 32> slots;
};

constexpr HostLookup LookupOf(const settings::HostSwitches& host) {
  HostLookup lookup{GovernedIds(host), {}};
  lookup.slots.fill(kNoRow);
  for (std::size_t i = 0; i < lookup.ids.size(); ++i) {
    const std::u16string_view id = lookup.ids[i];
    if (id.size() < kShortestId) throw "an id is shorter than the lookup reads";
    std::uint8_t& slot = lookup.slots[SlotOf(id[3], id.back())];
    if (slot != kNoRow) throw "two ids share a slot: choose another hash";
    slot = static_cast<std::uint8_t>(i);
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

}  // namespace

settings::HostBool ControlVisibility(OfficeHost host, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  // Whole, case-sensitive comparison of code units with the one id of the slot.
  const std::size_t length = controlId.size();
  if (length < kShortestId) return settings::kHostFalse;
  const HostLookup& lookup = LookupOf(host);
  const std::uint8_t row = lookup.slots[SlotOf(controlId[3], controlId[length - 1])];
  if (row == kNoRow) return settings::kHostFalse;
  const std::u16string_view id = lookup.ids[row];
  if (id.size() != length || !SameUnits(id.data(), controlId.data(), length)) return settings::kHostFalse;
  return record.switches[SwitchOf(row)];
}

std::span<const std::u16string_view> VisibilityIds(OfficeHost host) noexcept { return LookupOf(host).ids; }

settings::HostBool ControlVisibility(std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  return ControlVisibility(OfficeHost::PowerPoint, controlId, record);
}

std::span<const std::u16string_view> VisibilityIds() noexcept { return VisibilityIds(OfficeHost::PowerPoint); }

}  // namespace zorvane::ribbon
