// The display switches in memory: one record per host, indexed as the host's switches.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/heap_string.h"
#include "common/office_host.h"
#include "settings/host_switches.h"

namespace zorvane::settings {

// The host's 16-bit boolean (VARIANT_BOOL): true is -1, false is 0.
using HostBool = std::int16_t;
inline constexpr HostBool kHostTrue = -1;
inline constexpr HostBool kHostFalse = 0;

// What policy says of one switch: nothing (the user decides), or on or off, locked.
using PolicySetting = std::optional<bool>;
using PolicySettings = std::array<PolicySetting, kMaxSwitchCount>;

struct DisplaySettingsRecord {
  // Indexed as the host's switches; a switch that the loaded version lacks stays false.
  std::array<HostBool, kMaxSwitchCount> switches{};         // all false before the first load
  std::array<HeapU16String, kMaxSwitchCount> storedTexts;  // the user's own texts of the last load
  PolicySettings policies{};                                // what policy set at the last load
};

// PowerPoint's process-wide record, which its visibility callback answers from.
extern DisplaySettingsRecord& DisplaySettings;

// The process-wide record of `host` (PowerPoint's is DisplaySettings); every class of a host
// shares it.
DisplaySettingsRecord& DisplaySettingsOf(OfficeHost host) noexcept;

// A stored text turns into a switch by one rule: off only for exactly "0".
constexpr HostBool SwitchFromText(std::u16string_view text) noexcept {
  return text == kTextOff ? kHostFalse : kHostTrue;
}

constexpr const char16_t* TextFromSwitch(bool on) noexcept { return on ? kTextOn : kTextOff; }

}  // namespace zorvane::settings
