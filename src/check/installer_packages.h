// The packages that install Zorvane, by the upgrade codes they carry for good (set where the
// packages are made, scripts/package.sh): through them the check finds what Windows Installer
// installed, to have Windows Installer repair it.
#pragma once

#include <array>

#include "check/observed_state.h"

namespace zorvane::check {

struct InstallerPackage {
  const wchar_t* upgradeCode;
  bool servesBothBitnesses;  // the x64 package registers its 32-bit DLL too
};

inline constexpr std::array<InstallerPackage, 2> kInstallerPackages = {{
    {L"{3C5A8E21-7D4B-4F0A-9B6E-2A1D8C7F5E90}", false},  // x86
    {L"{A4D17C3E-5B92-4E68-8F0A-7C3B1E9D2F65}", true},   // x64
}};

}  // namespace zorvane::check
