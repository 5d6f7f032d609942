// Names under which the host and COM find the add-in.
#pragma once

#include <windows.h>

namespace zorvane::addin {

inline constexpr wchar_t kFriendlyName[] = L"Zorvane";
inline constexpr wchar_t kDescriptionPrefix[] = L"Zorvane Code By ";
inline constexpr wchar_t kTypeLibraryHelp[] = L"Sample AddIn Project";
inline constexpr wchar_t kTypeLibraryVersion[] = L"1.0";
inline constexpr wchar_t kConnectInterfaceName[] = L"_Connect";

// The file COM loads; the packages install it under this name.
inline constexpr wchar_t kDllFileName[] = L"Zorvane.dll";

// Office's own key, the root of its versions' keys and of its list of add-ins.
#define ZV_OFFICE_KEY L"Software\\Microsoft\\Office"
// Below it, each host's list of add-ins: Office\<host>\Addins, one subkey per ProgID.
#define ZV_ADDINS_SUBKEY L"\\Addins"

inline constexpr wchar_t kLoadBehaviorName[] = L"LoadBehavior";
inline constexpr DWORD kLoadAtStartup = 3;  // LoadBehavior: loaded and connected at every start
// The threading model the class is registered with, as the host's thread requires.
inline constexpr wchar_t kThreadingModel[] = L"Apartment";

}  // namespace zorvane::addin
