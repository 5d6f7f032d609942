#include "ribbon/visibility.h"

#include <array>
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

}  // namespace

settings::HostBool ControlVisibility(std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& record) noexcept {
  // Whole, case-sensitive comparison of code units; the first match decides. Length and
  // last unit first: they tell the ids of the table apart cheaply, so at most one full
  // comparison is made.
  if (controlId.empty()) return settings::kHostFalse;
  for (const GovernedControl& control : kGoverned) {
    if (control.id.size() == controlId.size() && control.id.back() == controlId.back() &&
        std::memcmp(control.id.data(), controlId.data(), controlId.size() * sizeof(char16_t)) == 0) {
      return record.switches[control.governedBy];
    }
  }
  return settings::kHostFalse;
}

std::span<const std::u16string_view> VisibilityIds() noexcept { return kIds; }

}  // namespace zorvane::ribbon
