#include "check/diagnosis.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "check/checked_hosts.h"
#include "check/pe_image.h"

namespace zorvane::check {

std::optional<Bits> MachineBits(std::optional<std::uint16_t> machine) noexcept {
  if (!machine) return std::nullopt;
  if (*machine == kMachineI386) return Bits::k32;
  if (*machine == kMachineAmd64 || *machine == kMachineArm64) return Bits::k64;
  return std::nullopt;
}

Bits HostBits(const HostInstall& install) noexcept {
  if (const auto bits = MachineBits(install.exeMachine)) return *bits;
  if (install.clickToRunPlatform) return *install.clickToRunPlatform;
  return install.registryView;
}

bool Diagnosis::HasProblems() const noexcept {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& finding) { return finding.severity == Severity::kProblem; });
}

namespace {

using enum TextId;

std::u16string BitsText(Bits bits) { return bits == Bits::k64 ? u"64" : u"32"; }

std::u16string Decimal(std::uint64_t number) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
    number /= 10;
  } while (number != 0);
  return digits;
}

// The registry's names of its value types (winnt.h's REG_* numbers).
std::u16string RegistryTypeName(std::uint32_t type) {
  constexpr std::pair<std::uint32_t, std::u16string_view> kNames[] = {
      {0, u"REG_NONE"},  {1, u"REG_SZ"},    {2, u"REG_EXPAND_SZ"}, {3, u"REG_BINARY"},
      {4, u"REG_DWORD"}, {5, u"REG_DWORD_BIG_ENDIAN"}, {7, u"REG_MULTI_SZ"}, {11, u"REG_QWORD"}};
  for (const auto& [number, name] : kNames) {
    if (number == type) return std::u16string(name);
  }
  return u"type " + Decimal(type);
}

class Decision {
 public:
  Decision(const ObservedState& state, bool otherHostInstalled)
      : state_(state), host_(CheckedHostOf(state.host)), otherHostInstalled_(otherHostInstalled) {}

  Diagnosis Run() {
    if (!Installs()) return std::move(result_);
    for (const Bits bits : bitnesses_) {
      if (FeatureLeftOut(bits)) {
        Add("addin.feature", Severity::kHint, kFeatureLeftOut, kAdviceAddFeature, {BitsText(bits)},
            {std::u16string(host_.name)});
        continue;
      }
      const bool registered = Registration(bits);
      Entry(bits, registered);
    }
    Resiliency();
    Policies();
    Information();
    return std::move(result_);
  }

 private:
  // A finding about this host: its key after the host's prefix.
  void Add(std::string_view key, Severity severity, TextId text, TextId advice, std::vector<std::u16string> args = {},
           std::vector<std::u16string> adviceArgs = {}) {
    Put(std::string(host_.keyPrefix) + std::string(key), severity, text, advice, std::move(args), std::move(adviceArgs));
  }

  void Put(std::string key, Severity severity, TextId text, TextId advice, std::vector<std::u16string> args = {},
           std::vector<std::u16string> adviceArgs = {}) {
    Finding finding{std::move(key), severity, text, advice, std::move(args), std::move(adviceArgs), state_.host};
    // Both bitnesses may see the same user entry: it is reported once.
    if (std::find(result_.findings.begin(), result_.findings.end(), finding) == result_.findings.end()) {
      result_.findings.push_back(std::move(finding));
    }
  }

  void AddRepair(Repair repair) {
    repair.findingKey.insert(0, host_.keyPrefix);
    repair.host = state_.host;
    if (std::find(result_.repairs.begin(), result_.repairs.end(), repair) == result_.repairs.end()) {
      result_.repairs.push_back(std::move(repair));
    }
  }

  // Whether the rest is to be checked: not for a host that is not installed, unless no host is
  // and this one stands for the product.
  bool Installs() {
    const std::string key(host_.installedKey);
    if (state_.installs.empty()) {
      if (otherHostInstalled_ || &host_ != &kCheckedHosts.front()) {
        Put(key, Severity::kOk, kHostNotInstalled, kNone);
        return false;
      }
      Put(key, Severity::kProblem, kNoHost, kAdviceNoHost);
      return true;
    }
    for (const HostInstall& install : state_.installs) {
      const Bits bits = HostBits(install);
      if (std::find(bitnesses_.begin(), bitnesses_.end(), bits) == bitnesses_.end()) bitnesses_.push_back(bits);
      if (install.exeMachine) {
        Put(key, Severity::kOk, kHostFound, kNone, {install.version, BitsText(bits), install.folder});
      } else {
        Put(key, Severity::kHint, kHostExeMissing, kAdviceHostExeMissing, {install.version, install.folder, BitsText(bits)});
      }
    }
    return true;
  }

  // One of our DLLs on disk for `bits`, to register.
  const DllFile* InstalledDll(Bits bits) const {
    for (const DllFile& dll : state_.installedDlls) {
      if (dll.exists && MachineBits(dll.machine) == bits && dll.path.size() <= kLongestLoadablePath) return &dll;
    }
    return nullptr;
  }

  // A 64-bit host, or any on 64-bit Windows: the x64 package serves both bitnesses there.
  TextId InstallAdvice(Bits bits) const {
    return bits == Bits::k64 || state_.windows64 ? kAdviceInstallX64 : kAdviceInstallX86;
  }

  // The Windows Installer product that registers Zorvane for `bits`, if one does.
  const InstalledProduct* Product(Bits bits) const {
    for (const InstalledProduct& product : state_.products) {
      if (std::find(product.serves.begin(), product.serves.end(), bits) != product.serves.end()) return &product;
    }
    return nullptr;
  }

  // The installed product leaves this host out by choice: no class and no add-in entry is
  // right, and its repair would not add the feature.
  bool FeatureLeftOut(Bits bits) const {
    const InstalledProduct* product = Product(bits);
    return product != nullptr && product->hostFeatureAbsent && !Loadable(state_.classes[Index(bits)], bits);
  }

  // Whether COM can load the chain's DLL into the host of `bits`.
  static bool Loadable(const ClassChain& chain, Bits bits) {
    return chain.complete && chain.dll.path.size() <= kLongestLoadablePath && chain.dll.exists &&
           MachineBits(chain.dll.machine) == bits && chain.apartmentThreaded;
  }

  // COM reads the user's keys of our class and ProgID before the machine's: when the chain is
  // broken, they go before anything is registered again (a registration for all users would
  // stay hidden behind them).
  void RemoveUserClassKeys(const std::string& key, Bits bits) {
    for (const RegistryPlace& place : state_.userClassKeys[Index(bits)]) {
      AddRepair({key, RepairAction::kDeleteKey, place, 0, {}, Bits::k32, {}});
    }
  }

  // Registers Zorvane for `bits` again as it was installed: a package that Windows Installer
  // installed is repaired by Windows Installer, in the scope it was installed in (so that an
  // uninstall later removes all of it); a DLL registered by hand registers itself.
  void AddRegistration(const std::string& key, Bits bits, const InstalledProduct* product, const DllFile* dll) {
    RemoveUserClassKeys(key, bits);
    if (product != nullptr) {
      AddRepair({key, RepairAction::kReinstallProduct, {}, 0, {}, bits, *product});
    } else {
      AddRepair({key, RepairAction::kRegisterDll, {}, 0, dll->path, bits, {}});
    }
  }

  // A broken registration: repaired by the installed product, else from a DLL of the right
  // bitness where there is one; `otherwise` says what to do without either.
  void BrokenRegistration(Bits bits, TextId text, std::vector<std::u16string> args, const DllFile* candidate,
                          std::optional<TextId> otherwise = std::nullopt) {
    const InstalledProduct* product = Product(bits);
    if (product == nullptr && candidate == nullptr) candidate = InstalledDll(bits);
    if (product == nullptr && candidate == nullptr) {
      Add("addin.registration", Severity::kProblem, text, otherwise.value_or(InstallAdvice(bits)), std::move(args));
      return;
    }
    if (product != nullptr) {
      Add("addin.registration", Severity::kProblem, text, kAdviceReinstall, std::move(args));
    } else {
      Add("addin.registration", Severity::kProblem, text, kAdviceRegister, std::move(args), {candidate->path});
    }
    AddRegistration("addin.registration", bits, product, candidate);
  }

  // Whether the host of `bits` finds a DLL it can load.
  bool Registration(Bits bits) {
    const ClassChain& chain = state_.classes[Index(bits)];
    const ClassChain& machine = state_.machineClasses[Index(bits)];
    const std::u16string bitsText = BitsText(bits);
    if (!Loadable(chain, bits) && !state_.userClassKeys[Index(bits)].empty() && Loadable(machine, bits)) {
      Add("addin.registration", Severity::kProblem, kUserClassesHideMachine, kAdviceRemoveUserClasses,
          {bitsText, machine.dll.path});
      RemoveUserClassKeys("addin.registration", bits);
      return true;
    }
    if (!chain.complete) {
      BrokenRegistration(bits, kRegistrationMissing, {bitsText, state_.progId}, nullptr);
      return false;
    }
    if (chain.dll.path.size() > kLongestLoadablePath) {
      BrokenRegistration(bits, kPathTooLong, {bitsText, chain.dll.path, Decimal(chain.dll.path.size())}, nullptr,
                         kAdviceShorterPath);
      return false;
    }
    if (!chain.dll.exists) {
      BrokenRegistration(bits, kFileMissing, {bitsText, chain.dll.path}, nullptr);
      return false;
    }
    const std::optional<Bits> dllBits = MachineBits(chain.dll.machine);
    if (dllBits != bits) {
      const std::u16string dllText = dllBits ? BitsText(*dllBits) : u"?";
      const InstalledProduct* product = Product(bits);
      const DllFile* right = product == nullptr ? InstalledDll(bits) : nullptr;
      const TextId advice = product != nullptr ? kAdviceReinstall : right != nullptr ? kAdviceRegister : InstallAdvice(bits);
      Add("addin.bitness", Severity::kProblem, kBitnessMismatch, advice, {bitsText, chain.dll.path, dllText},
          right ? std::vector<std::u16string>{right->path} : std::vector<std::u16string>{});
      if (product != nullptr || right != nullptr) AddRegistration("addin.bitness", bits, product, right);
      return false;
    }
    if (!chain.apartmentThreaded) {
      BrokenRegistration(bits, kThreadingModel, {bitsText, chain.dll.path}, &chain.dll);
      return false;
    }
    Add("addin.registration", Severity::kOk, kRegistrationOk, kNone, {bitsText, chain.dll.path});
    if (chain.perUser) perUserInstall_ = true;
    return true;
  }

  void Entry(Bits bits, bool registered) {
    const AddinEntry& machine = state_.machineEntries[Index(bits)];
    // A whole add-in entry of the user's own beside a package installed for all users: what
    // registering the DLL writes, which hides the installed entry and outlives an uninstall.
    // It goes; the installed entry decides.
    const InstalledProduct* product = Product(bits);
    const bool registeredCopy = product != nullptr && product->perMachine && machine.present &&
                                state_.userEntry.present && !state_.userEntry.onlyLoadBehavior;
    if (registeredCopy) {
      Add("addin.user_entry", Severity::kHint, kUserEntryCopy, kAdviceRemoveUserEntry, {state_.progId});
      RegistryPlace key = state_.userEntry.loadBehaviorPlace;
      key.value.clear();
      AddRepair({"addin.user_entry", RepairAction::kDeleteKey, key, 0, {}, Bits::k32, {}});
    }
    const AddinEntry& deciding = state_.userEntry.present && !registeredCopy ? state_.userEntry : machine;
    if (!deciding.present) {
      // Registering writes the entry; without a DLL to register, the package is the way.
      if (registered) {
        // The DLL that the host finds, or finds once the user's keys no longer hide it.
        const ClassChain& found =
            Loadable(state_.classes[Index(bits)], bits) ? state_.classes[Index(bits)] : state_.machineClasses[Index(bits)];
        BrokenRegistration(bits, kEntryMissing, {state_.progId}, &found.dll);
      } else {
        Add("addin.entry", Severity::kProblem, kEntryMissing, kNone, {state_.progId});
      }
      return;
    }
    if (state_.userEntry.present && state_.userEntry.onlyLoadBehavior && machine.present) {
      Add("addin.user_entry", Severity::kHint, kUserEntryHidesMachine, kAdviceUserEntryHidesMachine,
          {state_.progId});
    }
    if (deciding.loadBehavior == state_.loadAtStartup) {
      Add("addin.load_behavior", Severity::kOk, kLoadBehaviorOk, kNone);
      return;
    }
    const TextId text = !deciding.loadBehavior && deciding.loadBehaviorType ? kLoadBehaviorWrongType
                        : !deciding.loadBehavior                         ? kLoadBehaviorMissing
                        : *deciding.loadBehavior == 2                    ? kLoadBehaviorAfterFailure
                        : *deciding.loadBehavior == 0                    ? kLoadBehaviorTurnedOff
                                                                         : kLoadBehaviorOther;
    std::vector<std::u16string> args;
    if (deciding.loadBehavior) args.push_back(Decimal(*deciding.loadBehavior));
    if (!deciding.loadBehavior && deciding.loadBehaviorType) args.push_back(RegistryTypeName(*deciding.loadBehaviorType));
    Add("addin.load_behavior", Severity::kProblem, text, host_.dialogs.comAddins, std::move(args));
    AddRepair({"addin.load_behavior", RepairAction::kSetDword, deciding.loadBehaviorPlace, state_.loadAtStartup, {}, Bits::k32, {}});
  }

  void Resiliency() {
    const OfficePolicy* keeping = AlwaysEnablingPolicy();
    for (const VersionResiliency& version : state_.resiliency) {
      if (!version.disabledItems.empty()) {
        Add("resiliency.disabled_items", Severity::kProblem, kDisabledItems,
            version.version == u"12.0" ? host_.dialogs.disabledItems2007 : kAdviceDisabledItems, {version.version});
        for (const RegistryPlace& place : version.disabledItems) {
          AddRepair({"resiliency.disabled_items", RepairAction::kDeleteValue, place, 0, {}, Bits::k32, {}});
        }
      }
      if (version.unreadableDisabledItems != 0) {
        Add("resiliency.disabled_items_unreadable", Severity::kHint, kDisabledUnreadable, kAdviceDisabledUnreadable,
            {version.version, Decimal(version.unreadableDisabledItems)});
      }
      if (!version.crashingItems.empty()) {
        Add("resiliency.crashing", Severity::kProblem, kCrashing, kAdviceCrashing, {version.version});
        for (const RegistryPlace& place : version.crashingItems) {
          AddRepair({"resiliency.crashing", RepairAction::kDeleteValue, place, 0, {}, Bits::k32, {}});
        }
      }
      if (version.slowDisabledReason) {
        // Once Zorvane is always enabled, the record only tells what happened before.
        const bool kept = version.alwaysEnabled || keeping != nullptr;
        Add("resiliency.slow_disabled", kept ? Severity::kHint : Severity::kProblem,
            SlowDisabledText(*version.slowDisabledReason), kept ? kNone : kAdviceSlowDisabled,
            {version.version, Decimal(*version.slowDisabledReason)});
      }
      if (version.alwaysEnabled) {
        Add("resiliency.always_enable", Severity::kOk, kAlwaysEnabled, kNone, {version.version});
      } else if (version.alwaysEnableMissing && keeping != nullptr) {
        Add("resiliency.always_enable", Severity::kOk, kAlwaysEnabledByPolicy, kNone, {keeping->label});
      } else if (version.alwaysEnableMissing && host_.alwaysEnable == AlwaysEnableList::kHostsOwn) {
        Add("resiliency.always_enable", Severity::kHint, kAlwaysEnable, kAdviceAlwaysEnableInHost, {version.version});
      } else if (version.alwaysEnableMissing) {
        Add("resiliency.always_enable", Severity::kHint, kAlwaysEnable, kAdviceAlwaysEnable, {version.version});
        AddRepair({"resiliency.always_enable", RepairAction::kSetDword, *version.alwaysEnableMissing, state_.alwaysEnable, {},
                   Bits::k32, {}});
      }
    }
  }

  // A policy that lists Zorvane as always on ("1"): the host then never disables it.
  const OfficePolicy* AlwaysEnablingPolicy() const {
    const auto found = std::find_if(state_.policies.begin(), state_.policies.end(),
                                    [](const OfficePolicy& policy) { return policy.addinListValue == u"1"; });
    return found == state_.policies.end() ? nullptr : &*found;
  }

  // What a host's record of a disabled slow add-in says was slow, by the numbers of its
  // "always enable" list.
  static TextId SlowDisabledText(std::uint32_t reason) {
    constexpr std::pair<std::uint32_t, TextId> kReasons[] = {
        {1, kSlowDisabledLoad},         {2, kSlowDisabledLoad},         {3, kSlowDisabledCrash},
        {4, kSlowDisabledFolderSwitch}, {5, kSlowDisabledFolderSwitch}, {6, kSlowDisabledItemOpen},
        {7, kSlowDisabledCalls},        {8, kSlowDisabledShutdown}};
    for (const auto& [number, text] : kReasons) {
      if (number == reason) return text;
    }
    return kSlowDisabledOther;
  }

  // Whether a DLL that the host would load carries no signature.
  bool UnsignedDll() const {
    return std::any_of(bitnesses_.begin(), bitnesses_.end(), [&](Bits bits) {
      const ClassChain& chain = state_.classes[Index(bits)];
      return chain.complete && chain.dll.exists && !chain.dll.hasSignature;
    });
  }

  std::u16string UnsignedDllPath() const {
    for (const Bits bits : bitnesses_) {
      const ClassChain& chain = state_.classes[Index(bits)];
      if (chain.complete && chain.dll.exists && !chain.dll.hasSignature) return chain.dll.path;
    }
    return {};
  }

  void Policies() {
    for (const OfficePolicy& policy : state_.policies) {
      if (policy.disableAllAddins) {
        Add("policy.disable_all_addins", Severity::kProblem, kPolicyDisableAll, kAdviceAdministrator, {policy.label});
      }
      if (policy.requireAddinSignature && UnsignedDll()) {
        Add("policy.require_signature", Severity::kProblem, kPolicyRequireSignature, kAdviceAdministrator,
            {policy.label, UnsignedDllPath()});
      }
      const bool listed = policy.addinListValue == u"1" || policy.addinListValue == u"2";
      if (policy.addinListValue == u"0") {
        Add("policy.restrict_to_list", Severity::kProblem, kPolicyBlocked, kAdviceAdministrator,
            {policy.label, state_.progId});
      } else if (policy.restrictToList && !listed) {
        Add("policy.restrict_to_list", Severity::kProblem, kPolicyRestrictToList, kAdviceAdministrator,
            {policy.label, state_.progId});
      }
    }
    if (state_.lockedSwitches != 0) {
      Add("policy.zorvane_locks", Severity::kHint, kOwnLocks, kAdviceOwnLocks, {Decimal(state_.lockedSwitches)});
    }
    if (state_.everythingHidden) Add("settings.all_hidden", Severity::kHint, kAllHidden, kAdviceAllHidden);
  }

  void Information() {
    for (const Bits bits : state_.clickToRunCopiesDiffering) {
      Add("clicktorun.addin_copy", Severity::kHint, kClickToRunCopy, kAdviceClickToRunCopy, {BitsText(bits)});
    }
    if (perUserInstall_) {
      Add("info.run_as_administrator", Severity::kHint, kRunAsAdministrator, kAdviceRunAsAdministrator);
    }
    Add("info.ui_errors", Severity::kHint, kUiErrors, host_.dialogs.uiErrors);
  }

  const ObservedState& state_;
  const CheckedHost& host_;
  const bool otherHostInstalled_;
  Diagnosis result_;
  std::vector<Bits> bitnesses_;
  bool perUserInstall_ = false;
};

// The same change for any host: a registration or Windows Installer's repair, done once.
bool SameProductRepair(const Repair& a, const Repair& b) {
  const auto productWide = [](RepairAction action) {
    return action == RepairAction::kRegisterDll || action == RepairAction::kReinstallProduct;
  };
  return productWide(a.action) && a.action == b.action && a.dll == b.dll && a.dllBits == b.dllBits &&
         a.product == b.product;
}

}  // namespace

Diagnosis Diagnose(const ObservedState& state) { return Decision(state, false).Run(); }

Diagnosis Diagnose(std::span<const ObservedState> hosts) {
  Diagnosis all;
  for (const ObservedState& state : hosts) {
    const bool otherHostInstalled = std::any_of(hosts.begin(), hosts.end(), [&](const ObservedState& other) {
      return &other != &state && !other.installs.empty();
    });
    Diagnosis one = Decision(state, otherHostInstalled).Run();
    std::move(one.findings.begin(), one.findings.end(), std::back_inserter(all.findings));
    for (Repair& repair : one.repairs) {
      const bool done = std::any_of(all.repairs.begin(), all.repairs.end(),
                                    [&](const Repair& earlier) { return SameProductRepair(earlier, repair); });
      if (!done) all.repairs.push_back(std::move(repair));
    }
  }
  return all;
}

}  // namespace zorvane::check
