// The host's user-interface language, asked of the application object by name.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <optional>

namespace zorvane::addin {

// Application.LanguageSettings.LanguageID(msoLanguageIDUI), both bound by name: the LCID,
// or nothing when the host gives no answer (no such member, a failure, not an integer).
// Keeps no reference to either object.
std::optional<std::uint32_t> HostUserInterfaceLcid(IDispatch* application) noexcept;

}  // namespace zorvane::addin
