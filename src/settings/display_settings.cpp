#include "settings/display_settings.h"

#include <array>

namespace zorvane::settings {

// Zero-initialised before any code runs: every switch false, every text empty.
DisplaySettingsRecord DisplaySettings;

namespace {
DisplaySettingsRecord wordSettings;
DisplaySettingsRecord excelSettings;
// In OfficeHost order.
constinit const std::array<DisplaySettingsRecord*, kOfficeHostCount> kRecords{&DisplaySettings, &wordSettings,
                                                                              &excelSettings};
}  // namespace

DisplaySettingsRecord& DisplaySettingsOf(OfficeHost host) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return *kRecords[index < kRecords.size() ? index : 0];
}

}  // namespace zorvane::settings
