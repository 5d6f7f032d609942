#include "settings/display_settings.h"

namespace zorvane::settings {

// Zero-initialised before any code runs: every switch false, every text empty.
DisplaySettingsRecord DisplaySettings;

}  // namespace zorvane::settings
