// What the check found on the machine for one Office application, as plain data: the Windows
// layer fills it in, the portable decision (diagnosis.h) turns it into findings and repairs.
// Registry places are filled in by the reader, so the decision itself names no key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/office_host.h"

namespace zorvane::check {

enum class Bits { k32, k64 };
inline constexpr std::size_t Index(Bits bits) noexcept { return bits == Bits::k64 ? 1 : 0; }

enum class Root { kCurrentUser, kLocalMachine };

// One registry value (or, with an empty value name, a key's default value) in one view.
struct RegistryPlace {
  Root root = Root::kCurrentUser;
  Bits view = Bits::k32;
  std::u16string key;
  std::u16string value;
  bool operator==(const RegistryPlace&) const = default;
};

struct DllFile {
  std::u16string path;
  bool exists = false;
  std::optional<std::uint16_t> machine;  // nothing when the file's headers cannot be read
  bool hasSignature = false;
};

// One installed version of the host.
struct HostInstall {
  std::u16string version;  // "12.0" ... "16.0"
  std::u16string folder;   // InstallRoot's Path
  Bits registryView = Bits::k32;                 // the view whose InstallRoot names it
  std::optional<std::uint16_t> exeMachine;       // the program file's, when it could be read
  std::optional<Bits> clickToRunPlatform;        // Click-to-Run's Platform, where installed so
};

// ProgID -> CLSID -> InprocServer32 in the classes that one bitness of the host reads.
struct ClassChain {
  bool complete = false;  // the ProgID names a class whose InprocServer32 names a file
  bool perUser = false;   // the class comes from the user's classes, which win over the machine's
  DllFile dll;
  bool apartmentThreaded = false;  // ThreadingModel is the one the host's thread needs
};

// The longest DLL path that COM's loader takes (MAX_PATH less its terminator).
inline constexpr std::size_t kLongestLoadablePath = 259;

struct AddinEntry {
  RegistryPlace loadBehaviorPlace;  // the entry's LoadBehavior value
  bool present = false;
  std::optional<std::uint32_t> loadBehavior;  // nothing: missing or not a DWORD
  std::optional<std::uint32_t> loadBehaviorType;  // the value's registry type (REG_*), when there is one
  bool onlyLoadBehavior = false;              // the key holds no other value
};

struct VersionResiliency {
  std::u16string version;
  std::vector<RegistryPlace> disabledItems;   // our DisabledItems values
  std::size_t unreadableDisabledItems = 0;    // values that are no record at all
  std::vector<RegistryPlace> crashingItems;   // our CrashingAddinList values
  std::optional<RegistryPlace> alwaysEnableMissing;  // where "always enable" would go, when absent
  bool alwaysEnabled = false;                        // ... and when there: the host lists us
  std::optional<std::uint32_t> slowDisabledReason = std::nullopt;  // the host disabled us for slowness: what was slow
};

// Office's add-in policies in one policy key (a version's, or the cloud policy's).
struct OfficePolicy {
  std::u16string label;  // "16.0", "云策略 16.0"
  bool disableAllAddins = false;
  bool requireAddinSignature = false;
  bool restrictToList = false;
  std::optional<std::u16string> addinListValue;  // our ProgID's value in the AddinList key
};

// A Zorvane package that Windows Installer installed: repairs of what it wrote go through
// Windows Installer, in the scope it installed in.
struct InstalledProduct {
  std::u16string productCode;  // "{...}"
  bool perMachine = false;
  std::vector<Bits> serves;    // the bitnesses of PowerPoint its DLLs are registered for
  bool hostFeatureAbsent = false;  // installed without the checked host's feature
  bool operator==(const InstalledProduct&) const = default;
};

struct ObservedState {
  OfficeHost host = OfficeHost::PowerPoint;
  // The add-in's names and numbers, from where the add-in itself takes them.
  std::u16string progId;  // the host's class
  std::uint32_t loadAtStartup = 0;  // the LoadBehavior the add-in registers
  std::uint32_t alwaysEnable = 0;   // the "always enable" list's value
  bool windows64 = false;
  std::vector<HostInstall> installs;
  std::array<ClassChain, 2> classes;           // by Index(Bits)
  std::array<ClassChain, 2> machineClasses;    // the same from the machine's classes alone
  // The user's keys named by Zorvane's own class and ProgID, which COM reads before the machine's.
  std::array<std::vector<RegistryPlace>, 2> userClassKeys;
  std::vector<InstalledProduct> products;
  AddinEntry userEntry;
  std::array<AddinEntry, 2> machineEntries;    // by Index(Bits)
  std::vector<DllFile> installedDlls;          // our DLLs beside the check and in its sub-folders
  std::vector<VersionResiliency> resiliency;
  std::vector<OfficePolicy> policies;
  std::vector<Bits> clickToRunCopiesDiffering;
  std::size_t lockedSwitches = 0;
  bool everythingHidden = false;
};

// The bitness an installed host runs as: its program file says so; failing that Click-to-Run's
// platform, failing that the registry view that named it.
Bits HostBits(const HostInstall& install) noexcept;
std::optional<Bits> MachineBits(std::optional<std::uint16_t> machine) noexcept;

}  // namespace zorvane::check
