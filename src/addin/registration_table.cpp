#include "addin/registration_table.h"

#include <array>

#include "addin/addin_names.h"

namespace zorvane::addin {
namespace {

// Automation's standard marshaler (PSOAInterface) serves a dual interface from its type library.
#define ZV_OLE_AUTOMATION_MARSHALER L"{00020424-0000-0000-C000-000000000046}"
#define ZV_ADDIN_KEY ZV_OFFICE_KEY L"\\%HOST%" ZV_ADDINS_SUBKEY L"\\%PROGID%"
#define ZV_TYPELIB_KEY L"TypeLib\\%LIBID%\\1.0"
#define ZV_PLATFORMS_KEY ZV_TYPELIB_KEY L"\\0"

constexpr std::array kEntries{
    // The class.
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%", L"", REG_SZ, L"%PROGID%", 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\InprocServer32", L"", REG_SZ, L"%MODULE%", 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\InprocServer32", L"ThreadingModel", REG_SZ, kThreadingModel, 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\ProgID", L"", REG_SZ, L"%PROGID%", 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\TypeLib", L"", REG_SZ, L"%LIBID%", 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\VERSION", L"", REG_SZ, kTypeLibraryVersion, 0},
    RegistryEntry{Per::Class, Hive::Classes, L"CLSID\\%CLSID%\\Programmable", L"", REG_NONE, L"", 0},
    // The ProgID.
    RegistryEntry{Per::Class, Hive::Classes, L"%PROGID%", L"", REG_SZ, L"%PROGID%", 0},
    RegistryEntry{Per::Class, Hive::Classes, L"%PROGID%\\CLSID", L"", REG_SZ, L"%CLSID%", 0},
    // The type library, embedded in the DLL as resource 1.
    RegistryEntry{Per::Module, Hive::Classes, ZV_TYPELIB_KEY, L"", REG_SZ, kTypeLibraryHelp, 0},
    RegistryEntry{Per::Module, Hive::Classes, ZV_PLATFORMS_KEY L"\\%PLATFORM%", L"", REG_SZ, L"%MODULE%", 0},
    RegistryEntry{Per::Module, Hive::Classes, ZV_TYPELIB_KEY L"\\FLAGS", L"", REG_SZ, L"0", 0},
    RegistryEntry{Per::Module, Hive::Classes, ZV_TYPELIB_KEY L"\\HELPDIR", L"", REG_SZ, L"%MODULEDIR%", 0},
    // The dual interface _Connect, marshaled from the type library.
    RegistryEntry{Per::Module, Hive::Classes, L"Interface\\%IID%", L"", REG_SZ, kConnectInterfaceName, 0},
    RegistryEntry{Per::Module, Hive::Classes, L"Interface\\%IID%\\ProxyStubClsid", L"", REG_SZ, ZV_OLE_AUTOMATION_MARSHALER, 0},
    RegistryEntry{Per::Module, Hive::Classes, L"Interface\\%IID%\\ProxyStubClsid32", L"", REG_SZ, ZV_OLE_AUTOMATION_MARSHALER, 0},
    RegistryEntry{Per::Module, Hive::Classes, L"Interface\\%IID%\\TypeLib", L"", REG_SZ, L"%LIBID%", 0},
    RegistryEntry{Per::Module, Hive::Classes, L"Interface\\%IID%\\TypeLib", L"Version", REG_SZ, kTypeLibraryVersion, 0},
    // The host's add-in entry, always per user: loaded and connected at every start, not
    // marked safe for starts of the host from the command line.
    RegistryEntry{Per::Class, Hive::CurrentUser, ZV_ADDIN_KEY, L"FriendlyName", REG_SZ, kFriendlyName, 0},
    RegistryEntry{Per::Class, Hive::CurrentUser, ZV_ADDIN_KEY, L"Description", REG_SZ, L"%DESCRIPTION%", 0},
    RegistryEntry{Per::Class, Hive::CurrentUser, ZV_ADDIN_KEY, kLoadBehaviorName, REG_DWORD, L"", kLoadAtStartup},
    RegistryEntry{Per::Class, Hive::CurrentUser, ZV_ADDIN_KEY, L"CommandLineSafe", REG_DWORD, L"", 0},
};

// Only keys named by the add-in's own identifiers; never a parent such as CLSID or Addins.
constexpr std::array kOwnedKeys{
    OwnedKey{Per::Class, Hive::Classes, L"CLSID\\%CLSID%", Sharing::ThisBitness},
    OwnedKey{Per::Module, Hive::Classes, L"Interface\\%IID%", Sharing::ThisBitness},
    OwnedKey{Per::Module, Hive::Classes, ZV_PLATFORMS_KEY L"\\%PLATFORM%", Sharing::ThisBitness},
    OwnedKey{Per::Class, Hive::Classes, L"%PROGID%", Sharing::AllBitnesses},
    OwnedKey{Per::Module, Hive::Classes, L"TypeLib\\%LIBID%", Sharing::AllBitnesses},
    OwnedKey{Per::Class, Hive::CurrentUser, ZV_ADDIN_KEY, Sharing::AllBitnesses},
};

}  // namespace

std::span<const RegistryEntry> RegistrationEntries() noexcept { return kEntries; }
std::span<const OwnedKey> OwnedKeys() noexcept { return kOwnedKeys; }
std::wstring_view RegisteredPlatformsKey() noexcept { return ZV_PLATFORMS_KEY; }

}  // namespace zorvane::addin
