#include "settings/display_settings.h"

#include <array>

namespace zorvane::settings {

namespace {
// Zero-initialised before any code runs: every switch false, every text empty. In OfficeHost
// order, one per host by construction.
std::array<DisplaySettingsRecord, kOfficeHostCount> gRecords;
}  // namespace

DisplaySettingsRecord& DisplaySettings = gRecords[HostIndex(OfficeHost::PowerPoint)];

DisplaySettingsRecord& DisplaySettingsOf(OfficeHost host) noexcept { return gRecords[HostIndex(host)]; }

}  // namespace zorvane::settings
