#include "check/state_reader.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <msi.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <span>

#include "Zorvane.h"
#include "check/checked_hosts.h"
#include "check/disabled_items.h"
#include "check/installer_packages.h"
#include "check/office_keys.h"
#include "check/pe_image.h"
#include "check/registry_views.h"
#include "settings/advapi32_registry_store.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::check {
namespace {

constexpr std::array kBits = {Bits::k32, Bits::k64};

// Zorvane's class for each host, in OfficeHost order, as the type library declares them.
struct HostClass {
  OfficeHost host;
  const CLSID* classId;
};
constexpr std::array<HostClass, kOfficeHostCount> kClassIds{{
    {OfficeHost::PowerPoint, &CLSID_Connect},
    {OfficeHost::Word, &CLSID_WordConnect},
    {OfficeHost::Excel, &CLSID_ExcelConnect},
    {OfficeHost::Outlook, &CLSID_OutlookConnect},
}};
static_assert(InOfficeHostOrder(kClassIds), "one class per host, in OfficeHost order");
std::wstring Wide(std::u16string_view text) { return std::wstring(WideView(text)); }
constexpr REGSAM kRead = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::optional<PeHeaders> ReadFileHeaders(const std::wstring& path) {
  UniqueKernelHandle file;
  const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  file.reset(opened);
  std::vector<std::uint8_t> start(kPeHeaderBytes);
  DWORD read = 0;
  if (!ReadFile(file.get(), start.data(), static_cast<DWORD>(start.size()), &read, nullptr)) return std::nullopt;
  start.resize(read);
  return ReadPeHeaders(start);
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

DllFile DescribeDll(const std::wstring& path) {
  DllFile dll;
  dll.path = ToU16(path);
  dll.exists = IsFile(path);
  if (dll.exists) {
    if (const auto headers = ReadFileHeaders(path)) {
      dll.machine = headers->machine;
      dll.hasSignature = headers->hasSignature;
    }
  }
  return dll;
}

std::wstring WithSlash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

// What one host reads, in the views it reads it.
class Reader {
 public:
  explicit Reader(const CheckedHost& host)
      : host_(host),
        progId_(Wide(host.progId)),
        appKey_(L"\\" + Wide(host.name)),
        entryKey_(std::wstring(kOfficeKey) + appKey_ + kAddinsSubkey + L"\\" + progId_) {}

  ObservedState Run() {
    state_.host = host_.host;
    state_.progId = host_.progId;
    state_.loadAtStartup = addin::kLoadAtStartup;
    state_.alwaysEnable = kAlwaysEnable;
    BOOL wow64 = FALSE;
    state_.windows64 = IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
    wchar_t classId[39] = {};
    StringFromGUID2(*kClassIds[HostIndex(host_.host)].classId, classId, 39);
    classId_ = classId;
    Installs();
    for (const Bits bits : kBits) Classes(bits);
    Products();
    InstalledDlls();
    Entries();
    Resiliency();
    Policies();
    ClickToRunCopies();
    OwnSettings();
    return std::move(state_);
  }

 private:
  // On 32-bit Windows the two views are one: it is read once, as the 32-bit one.
  bool HasView(Bits view) const { return view == Bits::k32 || state_.windows64; }

  std::optional<std::wstring> Text(Root root, Bits view, const std::wstring& path, const std::wstring& name) {
    UniqueHkey key;
    if (OpenKey(root, view, path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return std::nullopt;
    return ReadText(key.get(), name);
  }

  std::optional<DWORD> Dword(Root root, Bits view, const std::wstring& path, const std::wstring& name) {
    UniqueHkey key;
    if (OpenKey(root, view, path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return std::nullopt;
    return ReadDword(key.get(), name);
  }

  void Installs() {
    std::optional<Bits> platform;
    if (const auto text = Text(Root::kLocalMachine, Bits::k64, kClickToRunConfigurationKey, kClickToRunPlatform)) {
      if (*text == L"x64") platform = Bits::k64;
      if (*text == L"x86") platform = Bits::k32;
    }
    for (const wchar_t* version : kOfficeVersions) {
      for (const Bits view : kBits) {
        if (!HasView(view)) continue;
        const std::wstring installRoot = std::wstring(kOfficeKey) + L"\\" + version + appKey_ + kInstallRootSubkey;
        auto folder = Text(Root::kLocalMachine, view, installRoot, kInstallRootPath);
        // Click-to-Run keeps Office's machine keys in its private copy of the registry.
        if (!folder && platform && std::wstring(version) == kClickToRunVersion) {
          const std::wstring copy = std::wstring(kClickToRunMachineKey) + (view == Bits::k32 ? kWow6432Node : L"") +
                                    installRoot;
          folder = Text(Root::kLocalMachine, Bits::k64, copy, kInstallRootPath);
        }
        if (!folder || folder->empty()) continue;
        HostInstall install;
        install.version = ToU16(version);
        install.folder = ToU16(*folder);
        install.registryView = view;
        if (const auto headers = ReadFileHeaders(WithSlash(*folder) + Wide(host_.programFile))) {
          install.exeMachine = headers->machine;
        }
        if (std::wstring(version) == kClickToRunVersion) install.clickToRunPlatform = platform;
        // Both views may name the same folder (an entry Office's setup wrote twice).
        const bool seen = std::any_of(state_.installs.begin(), state_.installs.end(), [&](const auto& other) {
          return other.version == install.version && SamePath(ToWide(other.folder), *folder);
        });
        if (!seen) state_.installs.push_back(std::move(install));
      }
    }
  }

  // The ProgID's class and its server as COM finds them in `roots`: each key from the first
  // root that has it, as COM merges the user's classes over the machine's.
  ClassChain Chain(Bits view, std::initializer_list<Root> roots) {
    ClassChain chain;
    const std::wstring progIdKey = std::wstring(kClassesKey) + progId_ + L"\\CLSID";
    std::optional<std::wstring> clsid;
    for (const Root root : roots) {
      if ((clsid = Text(root, view, progIdKey, L""))) break;
    }
    if (!clsid || clsid->empty()) return chain;
    const std::wstring server = std::wstring(kClassesKey) + L"CLSID\\" + *clsid + L"\\InprocServer32";
    for (const Root root : roots) {
      UniqueHkey key;
      if (OpenKey(root, view, server, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) continue;
      const auto path = ReadText(key.get(), L"");
      if (!path || path->empty()) return chain;
      chain.complete = true;
      chain.perUser = root == Root::kCurrentUser;
      chain.dll = DescribeDll(*path);
      // COM takes the threading model's name without regard to case.
      const auto model = ReadText(key.get(), L"ThreadingModel");
      chain.apartmentThreaded = model && SamePath(*model, addin::kThreadingModel);
      ourPaths_.push_back(*path);
      return chain;
    }
    return chain;
  }

  void Classes(Bits bits) {
    const Bits view = HasView(bits) ? bits : Bits::k32;
    state_.classes[Index(bits)] = Chain(view, {Root::kCurrentUser, Root::kLocalMachine});
    state_.machineClasses[Index(bits)] = Chain(view, {Root::kLocalMachine});
    // The user's keys of our own class (one per view) and ProgID (one key for both views).
    const std::pair<std::wstring, Bits> ours[] = {{std::wstring(kClassesKey) + L"CLSID\\" + classId_, view},
                                                  {std::wstring(kClassesKey) + progId_, Bits::k32}};
    for (const auto& [path, keyView] : ours) {
      UniqueHkey key;
      if (OpenKey(Root::kCurrentUser, keyView, path, KEY_QUERY_VALUE, key) == ERROR_SUCCESS) {
        state_.userClassKeys[Index(bits)].push_back({Root::kCurrentUser, keyView, ToU16(path), u""});
      }
    }
  }

  // The Zorvane packages that Windows Installer installed, for all users or for this user.
  void Products() {
    for (const InstallerPackage& package : kInstallerPackages) {
      wchar_t code[39] = {};
      for (DWORD index = 0; MsiEnumRelatedProductsW(package.upgradeCode, 0, index, code) == ERROR_SUCCESS; ++index) {
        InstalledProduct product;
        product.productCode = ToU16(code);
        // Installed for all users: the machine's context knows the product (Wine does not fill in
        // AssignmentType, which says the same on Windows).
        wchar_t state[8] = {};
        DWORD size = 8;
        product.perMachine = MsiGetProductInfoExW(code, nullptr, MSIINSTALLCONTEXT_MACHINE, INSTALLPROPERTY_PRODUCTSTATE,
                                                  state, &size) == ERROR_SUCCESS;
        // The packages' features bear the hosts' names.
        product.hostFeatureAbsent =
            MsiQueryFeatureStateW(code, std::wstring(host_.name.begin(), host_.name.end()).c_str()) == INSTALLSTATE_ABSENT;
        product.serves = {Bits::k32};
        if (package.servesBothBitnesses) product.serves = {Bits::k64, Bits::k32};
        state_.products.push_back(std::move(product));
      }
    }
  }

  // The DLLs that came with this program: beside it, and one folder down (one per bitness).
  void InstalledDlls() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
      if (length == 0) return;
      if (length < self.size()) {
        self.resize(length);
        break;
      }
      self.resize(self.size() * 2);
    }
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
    std::vector<std::wstring> candidates{folder + addin::kDllFileName};
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..") {
          candidates.push_back(folder + name + L"\\" + addin::kDllFileName);
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    for (const std::wstring& path : candidates) {
      if (!IsFile(path)) continue;
      state_.installedDlls.push_back(DescribeDll(path));
      ourPaths_.push_back(path);
    }
  }

  AddinEntry Entry(Root root, Bits view) {
    AddinEntry entry;
    const std::wstring& path = entryKey_;
    entry.loadBehaviorPlace = {root, view, ToU16(path), ToU16(addin::kLoadBehaviorName)};
    UniqueHkey key;
    if (OpenKey(root, view, path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return entry;
    entry.present = true;
    if (const auto value = ReadValue(key.get(), addin::kLoadBehaviorName)) entry.loadBehaviorType = value->type;
    if (const auto number = ReadDword(key.get(), addin::kLoadBehaviorName)) entry.loadBehavior = *number;
    const auto names = ValueNames(key.get());
    entry.onlyLoadBehavior = names.size() == 1 && SamePath(names.front(), addin::kLoadBehaviorName);
    return entry;
  }

  void Entries() {
    state_.userEntry = Entry(Root::kCurrentUser, Bits::k32);
    for (const Bits bits : kBits) state_.machineEntries[Index(bits)] = Entry(Root::kLocalMachine, HasView(bits) ? bits : Bits::k32);
  }

  bool OurPath(const std::wstring& path) const {
    return std::any_of(ourPaths_.begin(), ourPaths_.end(), [&](const std::wstring& ours) { return SamePath(ours, path); });
  }

  bool Installed(const wchar_t* version) const {
    return std::any_of(state_.installs.begin(), state_.installs.end(),
                       [&](const HostInstall& install) { return install.version == ToU16(version); });
  }

  void Resiliency() {
    for (const wchar_t* version : kOfficeVersions) {
      VersionResiliency found;
      found.version = ToU16(version);
      const std::wstring base = std::wstring(kOfficeKey) + L"\\" + version + appKey_;
      const std::wstring disabledPath = base + kDisabledItemsSubkey;
      UniqueHkey key;
      if (OpenKey(Root::kCurrentUser, Bits::k32, disabledPath, kRead, key) == ERROR_SUCCESS) {
        for (const std::wstring& name : ValueNames(key.get())) {
          const auto value = ReadValue(key.get(), name);
          const auto item = value && value->type == REG_BINARY ? ParseDisabledItem(value->data) : std::nullopt;
          if (!item) {
            ++found.unreadableDisabledItems;
          } else if (OurPath(ToWide(item->path))) {
            found.disabledItems.push_back({Root::kCurrentUser, Bits::k32, ToU16(disabledPath), ToU16(name)});
          }
        }
      }
      const std::wstring crashingPath = base + kCrashingSubkey;
      if (OpenKey(Root::kCurrentUser, Bits::k32, crashingPath, kRead, key) == ERROR_SUCCESS) {
        for (const std::wstring& name : ValueNames(key.get())) {
          if (NamesUs(key.get(), name)) {
            found.crashingItems.push_back({Root::kCurrentUser, Bits::k32, ToU16(crashingPath), ToU16(name)});
          }
        }
      }
      if (Installed(version) && wcscmp(version, kFirstAlwaysEnableVersion) >= 0) {
        const std::wstring alwaysPath = base + kAlwaysEnableSubkey;
        bool present = false;
        if (OpenKey(Root::kCurrentUser, Bits::k32, alwaysPath, KEY_QUERY_VALUE, key) == ERROR_SUCCESS) {
          present = RegQueryValueExW(key.get(), progId_.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        }
        if (!present) found.alwaysEnableMissing = RegistryPlace{Root::kCurrentUser, Bits::k32, ToU16(alwaysPath), std::u16string(host_.progId)};
        found.alwaysEnabled = present;
      }
      if (OpenKey(Root::kCurrentUser, Bits::k32, base + kSlowDisabledSubkey, KEY_QUERY_VALUE, key) == ERROR_SUCCESS) {
        found.slowDisabledReason = ReadDword(key.get(), progId_ + kSlowDisabledReasonSuffix);
      }
      state_.resiliency.push_back(std::move(found));
    }
  }

  // A crash record names us by our ProgID as its name, or by one of our DLLs as its data.
  bool NamesUs(HKEY key, const std::wstring& name) const {
    if (SamePath(name, progId_) || OurPath(name)) return true;
    const auto value = ReadValue(key, name);
    if (!value) return false;
    if (value->type == REG_BINARY) {
      const auto item = ParseDisabledItem(value->data);
      return item && OurPath(ToWide(item->path));
    }
    const auto text = ReadText(key, name);
    return text && (SamePath(*text, progId_) || OurPath(*text));
  }

  OfficePolicy Policy(const std::wstring& policyKey, std::u16string label) {
    const std::wstring base = policyKey + appKey_;
    OfficePolicy policy;
    policy.label = std::move(label);
    policy.disableAllAddins = Dword(Root::kCurrentUser, Bits::k32, base + kPolicySecuritySubkey, kDisableAllAddins) == 1u;
    policy.requireAddinSignature =
        Dword(Root::kCurrentUser, Bits::k32, base + kPolicySecuritySubkey, kRequireAddinSignature) == 1u;
    policy.restrictToList = Dword(Root::kCurrentUser, Bits::k32, base + kPolicyResiliencySubkey, kRestrictToList) == 1u;
    if (const auto text = Text(Root::kCurrentUser, Bits::k32, base + kPolicyAddinListSubkey, progId_)) {
      policy.addinListValue = ToU16(*text);
    }
    return policy;
  }

  void Policies() {
    const bool none = state_.installs.empty();
    for (const wchar_t* version : kOfficeVersions) {
      if (none || Installed(version)) state_.policies.push_back(Policy(kOfficePolicyKey + std::wstring(version), ToU16(version)));
    }
    if (none || Installed(kClickToRunVersion)) state_.policies.push_back(Policy(kCloudPolicyKey, u"Cloud 16.0"));
  }

  static std::vector<std::pair<std::wstring, RawValue>> Values(HKEY key) {
    std::vector<std::pair<std::wstring, RawValue>> values;
    for (std::wstring& name : ValueNames(key)) {
      if (auto value = ReadValue(key, name)) values.emplace_back(std::move(name), std::move(*value));
    }
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
  }

  void ClickToRunCopies() {
    const std::wstring& entry = entryKey_;
    for (const Bits bits : kBits) {
      if (!HasView(bits)) continue;
      const std::wstring copyPath =
          std::wstring(kClickToRunMachineKey) + (state_.windows64 && bits == Bits::k32 ? kWow6432Node : L"") + entry;
      UniqueHkey copy;
      if (OpenKey(Root::kLocalMachine, Bits::k64, copyPath, kRead, copy) != ERROR_SUCCESS) continue;
      UniqueHkey real;
      const bool same = OpenKey(Root::kLocalMachine, bits, entry, kRead, real) == ERROR_SUCCESS &&
                        [&] {
                          const auto a = Values(copy.get());
                          const auto b = Values(real.get());
                          return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
                            return x.first == y.first && x.second.type == y.second.type && x.second.data == y.second.data;
                          });
                        }();
      if (!same) state_.clickToRunCopiesDiffering.push_back(bits);
    }
  }

  // The host's switches as the add-in reads them: the machine's policy, else the user's,
  // else the user's own value; one missing or unreadable shows its item. The check does not
  // know which version of the host runs: a tab that came after 2007 counts where its value or a
  // policy for it is there, which is where the add-in has run on such a version.
  void OwnSettings() {
    settings::LocalMachineRegistryReader machine;
    settings::CurrentUserRegistryStore user;
    const settings::HostSwitches& switches = settings::SwitchesOf(host_.host);
    const settings::PolicySettings policies =
        settings::ReadPolicySettings(host_.host, OfficeVersion::k2019, machine, user);
    bool anyShown = false;
    for (std::size_t i = 0; i < switches.Count(); ++i) {
      if (policies[i]) ++state_.lockedSwitches;
      const HeapU16String text = user.GetSettingText(switches.settingsKeyPath, switches.Name(i)).value_or(HeapU16String());
      if (!policies[i] && text.empty() && !switches.In(i, OfficeVersion::k2007)) continue;
      const bool shown = policies[i] ? *policies[i] : settings::SwitchFromText(text) == settings::kHostTrue;
      anyShown = anyShown || shown;
    }
    state_.everythingHidden = !anyShown;
  }

  const CheckedHost& host_;
  const std::wstring progId_;
  const std::wstring appKey_;    // "\\PowerPoint"
  const std::wstring entryKey_;  // the host's add-in entry, below HKCU or HKLM
  ObservedState state_;
  std::wstring classId_;  // "{...}", our class
  std::vector<std::wstring> ourPaths_;
};

}  // namespace

std::vector<ObservedState> ReadObservedState() {
  std::vector<ObservedState> hosts;
  hosts.reserve(kCheckedHosts.size());
  for (const CheckedHost& host : kCheckedHosts) hosts.push_back(Reader(host).Run());
  return hosts;
}

}  // namespace zorvane::check
