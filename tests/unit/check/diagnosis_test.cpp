#include "check/diagnosis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "check/checked_hosts.h"
#include "check/pe_image.h"
#include "check/report.h"

namespace zorvane::check {
namespace {

const RegistryPlace kUserLoadBehavior{Root::kCurrentUser, Bits::k32, u"Addins\\Z", u"LoadBehavior"};
const RegistryPlace kMachineLoadBehavior{Root::kLocalMachine, Bits::k64, u"Addins\\Z", u"LoadBehavior"};

DllFile Dll(std::u16string path, std::uint16_t machine, bool signature = false) {
  return {std::move(path), true, machine, signature};
}

// 64-bit Windows with 64-bit PowerPoint 16.0 and the 64-bit add-in registered and enabled.
ObservedState Healthy() {
  ObservedState state;
  state.progId = u"Zorvane.Connect";
  state.loadAtStartup = 3;
  state.alwaysEnable = 1;
  state.windows64 = true;
  state.installs = {{u"16.0", u"C:\\Office16", Bits::k64, kMachineAmd64, Bits::k64}};
  state.classes[Index(Bits::k64)] = {true, false, Dll(u"C:\\Z\\x64\\Zorvane.dll", kMachineAmd64), true};
  state.userEntry = {kUserLoadBehavior, true, 3u, 4u, false};
  state.machineEntries[Index(Bits::k64)].loadBehaviorPlace = kMachineLoadBehavior;
  state.resiliency = {{u"16.0", {}, 0, {}, std::nullopt}};
  state.policies = {{u"16.0", false, false, false, std::nullopt}};
  return state;
}

using Expected = std::pair<std::string, Severity>;

struct ExpectedRepair {
  std::string findingKey;
  RepairAction action;
  std::u16string target;  // the value name, the key deleted, the DLL or the product
  std::uint32_t number = 0;
};

// What the user reads of one finding: a value of the wrong type is not "missing"; a path COM
// cannot load says so.
struct ExpectedText {
  std::string findingKey;
  TextId text, advice;
  std::u16string firstArg;
};

struct Case {
  std::string name;
  std::function<void(ObservedState&)> change;
  std::multiset<Expected> notOk;  // every finding that is a problem, or a hint other than info.ui_errors
  std::vector<ExpectedRepair> repairs;
  std::optional<ExpectedText> said = std::nullopt;
};

std::vector<Case> Cases() {
  const RegistryPlace disabledOurs{Root::kCurrentUser, Bits::k32, u"DisabledItems", u"ours"};
  const RegistryPlace alwaysEnable{Root::kCurrentUser, Bits::k32, u"DoNotDisableAddinList", u"Zorvane.Connect"};
  const std::u16string longPath = u"C:\\" + std::u16string(306, u'z') + u"\\Zorvane.dll";
  std::vector<Case> cases = {
      {"healthy", [](ObservedState&) {}, {}, {}},
      {"no PowerPoint", [](ObservedState& s) { s.installs.clear(); },
       {{"powerpoint.installed", Severity::kProblem}}, {}},
      {"LoadBehavior 2 in the user's entry",
       [](ObservedState& s) { s.userEntry.loadBehavior = 2; },
       {{"addin.load_behavior", Severity::kProblem}},
       {{"addin.load_behavior", RepairAction::kSetDword, u"LoadBehavior", 3}}},
      {"LoadBehavior 0 in the machine's entry, no user entry",
       [](ObservedState& s) {
         s.userEntry.present = false;
         s.machineEntries[1] = {kMachineLoadBehavior, true, 0u, false};
       },
       {{"addin.load_behavior", Severity::kProblem}},
       {{"addin.load_behavior", RepairAction::kSetDword, u"LoadBehavior", 3}}},
      {"a user entry of LoadBehavior alone hides the machine's",
       [](ObservedState& s) {
         s.userEntry.onlyLoadBehavior = true;
         s.machineEntries[1] = {kMachineLoadBehavior, true, 3u, false};
       },
       {{"addin.user_entry", Severity::kHint}}, {}},
      {"32-bit DLL for 64-bit PowerPoint, no 64-bit DLL on disk",
       [](ObservedState& s) { s.classes[1].dll.machine = kMachineI386; },
       {{"addin.bitness", Severity::kProblem}}, {}},
      {"32-bit DLL for 64-bit PowerPoint, the 64-bit DLL installed",
       [](ObservedState& s) {
         s.classes[1].dll.machine = kMachineI386;
         s.installedDlls = {Dll(u"C:\\Z\\x86\\Zorvane.dll", kMachineI386), Dll(u"C:\\Z\\Zorvane.dll", kMachineAmd64)};
       },
       {{"addin.bitness", Severity::kProblem}},
       {{"addin.bitness", RepairAction::kRegisterDll, u"C:\\Z\\Zorvane.dll"}}},
      {"PowerPoint's file decides its bitness over the registry view",
       [](ObservedState& s) {
         s.installs[0].registryView = Bits::k32;
         s.installs[0].clickToRunPlatform.reset();
       },
       {}, {}},
      {"broken class chain with a DLL to register; the entry is then missing too",
       [](ObservedState& s) {
         s.classes[1] = {};
         s.userEntry.present = false;
         s.installedDlls = {Dll(u"C:\\Z\\Zorvane.dll", kMachineAmd64)};
       },
       {{"addin.registration", Severity::kProblem}, {"addin.entry", Severity::kProblem}},
       {{"addin.registration", RepairAction::kRegisterDll, u"C:\\Z\\Zorvane.dll"}}},
      {"registered file gone", [](ObservedState& s) { s.classes[1].dll.exists = false; },
       {{"addin.registration", Severity::kProblem}}, {}},
      {"wrong threading model: the registered file registers again",
       [](ObservedState& s) { s.classes[1].apartmentThreaded = false; },
       {{"addin.registration", Severity::kProblem}},
       {{"addin.registration", RepairAction::kRegisterDll, u"C:\\Z\\x64\\Zorvane.dll"}}},
      {"hard-disabled, and an unreadable record that is not touched",
       [=](ObservedState& s) {
         s.resiliency[0].disabledItems = {disabledOurs};
         s.resiliency[0].unreadableDisabledItems = 2;
       },
       {{"resiliency.disabled_items", Severity::kProblem}, {"resiliency.disabled_items_unreadable", Severity::kHint}},
       {{"resiliency.disabled_items", RepairAction::kDeleteValue, u"ours"}}},
      {"crash record", [=](ObservedState& s) { s.resiliency[0].crashingItems = {disabledOurs}; },
       {{"resiliency.crashing", Severity::kProblem}},
       {{"resiliency.crashing", RepairAction::kDeleteValue, u"ours"}}},
      {"not always enabled: a hint with a repair",
       [=](ObservedState& s) { s.resiliency[0].alwaysEnableMissing = alwaysEnable; },
       {{"resiliency.always_enable", Severity::kHint}},
       {{"resiliency.always_enable", RepairAction::kSetDword, u"Zorvane.Connect", 1}}},
      // What a host found slow, in words; once always enabled, only what happened before.
      {"disabled for loading slowly", [](ObservedState& s) { s.resiliency[0].slowDisabledReason = 1; },
       {{"resiliency.slow_disabled", Severity::kProblem}}, {},
       ExpectedText{"resiliency.slow_disabled", TextId::kSlowDisabledLoad, TextId::kAdviceSlowDisabled, u"16.0"}},
      {"disabled for slow item opening, since always enabled",
       [](ObservedState& s) { s.resiliency[0].slowDisabledReason = 6, s.resiliency[0].alwaysEnabled = true; },
       {{"resiliency.slow_disabled", Severity::kHint}}, {},
       ExpectedText{"resiliency.slow_disabled", TextId::kSlowDisabledItemOpen, TextId::kNone, u"16.0"}},
      {"kept always enabled by a policy, nothing to write",
       [=](ObservedState& s) { s.resiliency[0].alwaysEnableMissing = alwaysEnable, s.policies[0].addinListValue = u"1"; },
       {}, {}, ExpectedText{"resiliency.always_enable", TextId::kAlwaysEnabledByPolicy, TextId::kNone, u"16.0"}},
      {"all add-ins disabled by policy", [](ObservedState& s) { s.policies[0].disableAllAddins = true; },
       {{"policy.disable_all_addins", Severity::kProblem}}, {}},
      {"signature required, DLL unsigned", [](ObservedState& s) { s.policies[0].requireAddinSignature = true; },
       {{"policy.require_signature", Severity::kProblem}}, {}},
      {"signature required, DLL signed",
       [](ObservedState& s) {
         s.policies[0].requireAddinSignature = true;
         s.classes[1].dll.hasSignature = true;
       },
       {}, {}},
      {"restricted to a list without us", [](ObservedState& s) { s.policies[0].restrictToList = true; },
       {{"policy.restrict_to_list", Severity::kProblem}}, {}},
      {"restricted to a list that allows us",
       [](ObservedState& s) {
         s.policies[0].restrictToList = true;
         s.policies[0].addinListValue = u"2";
       },
       {}, {}},
      {"blocked by the list", [](ObservedState& s) { s.policies[0].addinListValue = u"0"; },
       {{"policy.restrict_to_list", Severity::kProblem}}, {}},
      // COM reads the user's classes first: their keys of our class and ProgID go, the
      // machine's registration is then found.
      {"the user's empty class key hides the machine's registration",
       [](ObservedState& s) {
         s.machineClasses[1] = s.classes[1];
         s.classes[1] = {};
         s.userClassKeys[1] = {{Root::kCurrentUser, Bits::k64, u"Classes\\CLSID\\{ours}", u""},
                               {Root::kCurrentUser, Bits::k32, u"Classes\\Zorvane.Connect", u""}};
       },
       {{"addin.registration", Severity::kProblem}},
       {{"addin.registration", RepairAction::kDeleteKey, u"Classes\\CLSID\\{ours}"},
        {"addin.registration", RepairAction::kDeleteKey, u"Classes\\Zorvane.Connect"}}},
      // What Windows Installer installed, Windows Installer repairs: no registration by the DLL
      // (which would add a per-user add-in entry that an uninstall leaves behind).
      {"installed by Windows Installer, the file gone",
       [](ObservedState& s) {
         s.classes[1].dll.exists = false;
         s.installedDlls = {Dll(u"C:\\Z\\Zorvane.dll", kMachineAmd64)};
         s.products = {{u"{P}", true, {Bits::k64, Bits::k32}}};
       },
       {{"addin.registration", Severity::kProblem}},
       {{"addin.registration", RepairAction::kReinstallProduct, u"{P}"}}},
      // What registering the DLL wrote for the user beside a per-machine install goes.
      {"a whole user entry beside a per-machine install",
       [](ObservedState& s) {
         s.machineEntries[1] = {kMachineLoadBehavior, true, 3u, 4u, false};
         s.userEntry.loadBehavior = 2;
         s.products = {{u"{P}", true, {Bits::k64}}};
       },
       {{"addin.user_entry", Severity::kHint}},
       {{"addin.user_entry", RepairAction::kDeleteKey, u"Addins\\Z"}}},
      // A host left out at install has rightly no class: a hint, and no repair that cannot add it.
      {"a product installed without this host's feature",
       [](ObservedState& s) {
         s.classes[1].complete = false;
         s.products = {{u"{P}", true, {Bits::k64, Bits::k32}, true}};
       },
       {{"addin.feature", Severity::kHint}}, {}},
      {"a registered path longer than COM loads (324 characters)",
       [=](ObservedState& s) { s.classes[1].dll.path = longPath; }, {{"addin.registration", Severity::kProblem}}, {},
       ExpectedText{"addin.registration", TextId::kPathTooLong, TextId::kAdviceShorterPath, u"64"}},
      {"a registered path of 259 characters, the longest COM loads",
       [](ObservedState& s) { s.classes[1].dll.path = u"C:\\" + std::u16string(243, u'z') + u"\\Zorvane.dll"; }, {}, {},
       ExpectedText{"addin.registration", TextId::kRegistrationOk, TextId::kNone, u"64"}},
      {"path too long, a DLL to register beside the check",
       [=](ObservedState& s) {
         s.classes[1].dll.path = longPath;
         s.installedDlls = {Dll(u"C:\\Z\\Zorvane.dll", kMachineAmd64)};
       },
       {{"addin.registration", Severity::kProblem}},
       {{"addin.registration", RepairAction::kRegisterDll, u"C:\\Z\\Zorvane.dll"}},
       ExpectedText{"addin.registration", TextId::kPathTooLong, TextId::kAdviceRegister, u"64"}},
      {"our own locks, everything hidden, per-user install, Click-to-Run copy differs",
       [](ObservedState& s) {
         s.lockedSwitches = 2;
         s.everythingHidden = true;
         s.classes[1].perUser = true;
         s.clickToRunCopiesDiffering = {Bits::k64};
       },
       {{"policy.zorvane_locks", Severity::kHint},
        {"settings.all_hidden", Severity::kHint},
        {"clicktorun.addin_copy", Severity::kHint},
        {"info.run_as_administrator", Severity::kHint}},
       {}},
  };
  for (const auto& [type, typeName] : {std::pair<std::optional<std::uint32_t>, std::u16string>{1u, u"REG_SZ"},
                                       {3u, u"REG_BINARY"}, {11u, u"REG_QWORD"}, {std::nullopt, u""}}) {
    cases.push_back({type ? "LoadBehavior stored as type " + std::to_string(*type) : "LoadBehavior missing",
                     [type](ObservedState& s) { s.userEntry.loadBehavior.reset(), s.userEntry.loadBehaviorType = type; },
                     {{"addin.load_behavior", Severity::kProblem}},
                     {{"addin.load_behavior", RepairAction::kSetDword, u"LoadBehavior", 3}},
                     ExpectedText{"addin.load_behavior", type ? TextId::kLoadBehaviorWrongType : TextId::kLoadBehaviorMissing,
                                  TextId::kAdviceLoadBehavior, typeName}});
  }
  return cases;
}

const Finding* FindKey(const Diagnosis& diagnosis, std::string_view key) {
  const auto found = std::find_if(diagnosis.findings.begin(), diagnosis.findings.end(),
                                  [&](const Finding& f) { return f.key == key; });
  return found == diagnosis.findings.end() ? nullptr : &*found;
}

// The same state in Word or Excel: its own keys, texts naming it, repairs that are its own.
ObservedState HealthyIn(OfficeHost host) {
  ObservedState state = Healthy();
  state.host = host;
  state.progId = CheckedHostOf(host).progId;
  return state;
}

// Every state in every host: the keys are PowerPoint's, which other hosts prefix with their own.
TEST(Diagnosis, DecidesFindingsAndRepairsFromStateInEveryHost) {
  for (const CheckedHost& checked : kCheckedHosts) {
    const auto keyIn = [&](const std::string& key) {
      return key == kCheckedHosts[0].installedKey ? std::string(checked.installedKey) : std::string(checked.keyPrefix) + key;
    };
    for (Case c : Cases()) {
      // Only the first host's absence is a problem (see AHostNotInstalledIsReportedOnceAndNotChecked).
      if (&checked != &kCheckedHosts[0] && c.notOk.contains({"powerpoint.installed", Severity::kProblem})) continue;
      SCOPED_TRACE(std::string(checked.keyPrefix) + c.name);
      ObservedState state = HealthyIn(checked.host);
      c.change(state);
      const Diagnosis diagnosis = Diagnose(state);

      std::multiset<Expected> notOk, expectedNotOk;
      for (const auto& [key, severity] : c.notOk) expectedNotOk.emplace(keyIn(key), severity);
      bool uiHint = false;
      for (const Finding& finding : diagnosis.findings) {
        if (finding.key == keyIn("info.ui_errors")) {
          uiHint = true;
        } else if (finding.severity != Severity::kOk) {
          notOk.emplace(finding.key, finding.severity);
        }
        EXPECT_EQ(finding.key.rfind(checked.keyPrefix, 0), 0u) << finding.key;
        EXPECT_EQ(finding.host, checked.host);
        const std::u16string line = FindingLine(EnglishText(), finding);
        EXPECT_EQ(line.find(u'{'), std::u16string::npos) << finding.key;
        // Every line names its host; the user-entry hint names the entry's key, here a made-up one.
        EXPECT_TRUE(finding.key == keyIn("addin.user_entry") || line.find(checked.name) != std::u16string::npos)
            << finding.key;
        EXPECT_TRUE(checked.host == OfficeHost::PowerPoint || line.find(u"PowerPoint") == std::u16string::npos)
            << finding.key;
      }
      EXPECT_EQ(notOk, expectedNotOk);
      EXPECT_TRUE(uiHint);
      EXPECT_EQ(diagnosis.HasProblems(), std::any_of(c.notOk.begin(), c.notOk.end(), [](const Expected& e) {
                  return e.second == Severity::kProblem;
                }));

      // Outlook's list of add-ins never to disable is Outlook's own: reported, never written.
      std::erase_if(c.repairs, [&](const ExpectedRepair& r) {
        return checked.host == OfficeHost::Outlook && r.findingKey == "resiliency.always_enable";
      });
      ASSERT_EQ(diagnosis.repairs.size(), c.repairs.size());
      for (std::size_t i = 0; i < c.repairs.size(); ++i) {
        const Repair& repair = diagnosis.repairs[i];
        EXPECT_EQ(repair.findingKey, keyIn(c.repairs[i].findingKey));
        EXPECT_EQ(repair.host, checked.host);
        EXPECT_EQ(repair.action, c.repairs[i].action);
        EXPECT_EQ(repair.action == RepairAction::kRegisterDll        ? repair.dll
                  : repair.action == RepairAction::kDeleteKey        ? repair.place.key
                  : repair.action == RepairAction::kReinstallProduct ? repair.product.productCode
                                                                     : repair.place.value,
                  c.repairs[i].target);
        if (repair.action == RepairAction::kSetDword) {
          EXPECT_EQ(repair.number, c.repairs[i].number);
        }
      }
      if (c.said) {
        const Finding* found = FindKey(diagnosis, keyIn(c.said->findingKey));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text, c.said->text);
        const bool outlooks = checked.host == OfficeHost::Outlook && c.said->advice == TextId::kAdviceLoadBehavior;
        EXPECT_EQ(found->advice, outlooks ? TextId::kAdviceLoadBehaviorOutlook : c.said->advice);  // its own menus
        EXPECT_EQ(found->args.empty() ? u"" : found->args[0], c.said->firstArg);
      }
    }
  }
}

TEST(Diagnosis, UserEntryDecidesForBothBitnessesAndIsReportedOnce) {
  ObservedState state = Healthy();
  state.installs.push_back({u"14.0", u"C:\\Office14", Bits::k32, kMachineI386, std::nullopt});
  state.classes[Index(Bits::k32)] = {true, false, Dll(u"C:\\Z\\x86\\Zorvane.dll", kMachineI386), true};
  state.userEntry.loadBehavior = 2;
  const Diagnosis diagnosis = Diagnose(state);
  EXPECT_EQ(std::count_if(diagnosis.findings.begin(), diagnosis.findings.end(),
                          [](const Finding& f) { return f.key == "addin.load_behavior"; }),
            1);
  ASSERT_EQ(diagnosis.repairs.size(), 1u);
  EXPECT_EQ(diagnosis.repairs[0].place, kUserLoadBehavior);
}

// A host that is not installed is said to be so, not as a problem, and nothing else of it is
// checked; with no host at all, the first stands for the product as before.
TEST(Diagnosis, AHostNotInstalledIsReportedOnceAndNotChecked) {
  const auto keysOf = [](const Diagnosis& diagnosis, OfficeHost host) {
    std::multiset<Expected> keys;
    for (const Finding& f : diagnosis.findings) {
      if (f.host == host) keys.emplace(f.key, f.severity);
    }
    return keys;
  };
  ObservedState none = Healthy();
  none.installs.clear();
  none.userEntry.loadBehavior = 2;  // not looked at for a host that is not there
  none.lockedSwitches = 3;
  std::vector<ObservedState> hosts{none, HealthyIn(OfficeHost::Word), HealthyIn(OfficeHost::Excel)};
  hosts[2].installs.clear();
  hosts[2].policies[0].disableAllAddins = true;

  Diagnosis diagnosis = Diagnose(hosts);
  EXPECT_EQ(keysOf(diagnosis, OfficeHost::PowerPoint), (std::multiset<Expected>{{"powerpoint.installed", Severity::kOk}}));
  EXPECT_EQ(keysOf(diagnosis, OfficeHost::Excel), (std::multiset<Expected>{{"excel.installed", Severity::kOk}}));
  EXPECT_EQ(FindKey(diagnosis, "excel.installed")->text, TextId::kHostNotInstalled);
  EXPECT_NE(FindKey(diagnosis, "word.addin.load_behavior"), nullptr);
  EXPECT_FALSE(diagnosis.HasProblems());
  EXPECT_TRUE(diagnosis.repairs.empty());

  hosts[1].installs.clear();
  diagnosis = Diagnose(hosts);
  EXPECT_EQ(FindKey(diagnosis, "powerpoint.installed")->severity, Severity::kProblem);
  EXPECT_NE(FindKey(diagnosis, "policy.zorvane_locks"), nullptr);
  EXPECT_EQ(keysOf(diagnosis, OfficeHost::Word), (std::multiset<Expected>{{"word.installed", Severity::kOk}}));
  EXPECT_EQ(keysOf(diagnosis, OfficeHost::Excel), (std::multiset<Expected>{{"excel.installed", Severity::kOk}}));
}

// One DLL serves every host: Windows Installer's repair of the product is done once, under the
// first host that asked for it; each host's own entries are repaired under its own key.
TEST(Diagnosis, AProductRepairServesEveryHost) {
  std::vector<ObservedState> hosts;
  for (const CheckedHost& host : kCheckedHosts) {
    ObservedState state = HealthyIn(host.host);
    state.classes[1].dll.exists = false;
    state.userEntry.loadBehavior = 0;
    state.products = {{u"{P}", false, {Bits::k64, Bits::k32}}};
    hosts.push_back(std::move(state));
  }
  const Diagnosis diagnosis = Diagnose(hosts);
  EXPECT_EQ(std::count_if(diagnosis.repairs.begin(), diagnosis.repairs.end(),
                          [](const Repair& r) { return r.action == RepairAction::kReinstallProduct; }),
            1);
  EXPECT_EQ(diagnosis.repairs.front().findingKey, "addin.registration");
  for (const std::string key : {"addin.load_behavior", "word.addin.load_behavior", "excel.addin.load_behavior"}) {
    EXPECT_EQ(std::count_if(diagnosis.repairs.begin(), diagnosis.repairs.end(),
                            [&](const Repair& r) { return r.findingKey == key; }),
              1)
        << key;
  }
}

// Each line starts with its finding's key and fills every placeholder; whatever the registry
// holds, a finding stays one line, in the report and in the window: a control character shows
// as \uXXXX.
TEST(Report, LinesStartWithTheKeyFillEveryPlaceholderAndEscapeControlCharacters) {
  ObservedState state = Healthy();
  state.userEntry.loadBehavior = 7;
  state.classes[1].dll.machine = kMachineI386;
  state.installs[0].folder = u"C:\\X\r\naddin.registration [OK] injected\u2028\u202E\\";
  const Diagnosis diagnosis = Diagnose(state);
  for (const auto table : {SimplifiedChineseText(), EnglishText()}) {
    const auto lines = ReportLines(table, diagnosis);
    ASSERT_EQ(lines.size(), diagnosis.findings.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::u16string key(diagnosis.findings[i].key.begin(), diagnosis.findings[i].key.end());
      EXPECT_EQ(lines[i].rfind(key + u" [", 0), 0u);
      EXPECT_EQ(lines[i].find(u'{'), std::u16string::npos) << i;
      EXPECT_EQ(lines[i].find_first_of(u"\r\n\u2028\u202E"), std::u16string::npos) << i;
    }
    EXPECT_NE(lines[0].find(u"C:\\X\\u000D\\u000Aaddin.registration [OK] injected\\u2028\\u202E\\"),
              std::u16string::npos);
  }
  const Finding* loadBehavior = FindKey(diagnosis, "addin.load_behavior");
  ASSERT_NE(loadBehavior, nullptr);
  EXPECT_NE(FindingLine(SimplifiedChineseText(), *loadBehavior).find(u"LoadBehavior = 7"), std::u16string::npos);
  EXPECT_EQ(RepairLine(SimplifiedChineseText(), {diagnosis.repairs[0], RepairOutcome::kNeedsAdministrator, {}}, true)
                .rfind(u"repair.addin.load_behavior 需要管理员权限", 0),
            0u);
  const Repair deleteValue{"resiliency.crashing", RepairAction::kDeleteValue,
                           {Root::kCurrentUser, Bits::k32, u"Crashing", u"a\nb"}, 0, {}, Bits::k32, {}};
  EXPECT_NE(RepairLine(EnglishText(), {deleteValue, RepairOutcome::kDone, {}}, false).find(u"a\\u000Ab"),
            std::u16string::npos);
  // A failed repair whose undo left something names each key and value that stays, in order.
  const RepairResult notUndone{deleteValue, RepairOutcome::kFailed,
                               {{{Root::kCurrentUser, Bits::k32, u"K\\A", u""}, true},
                                {{Root::kLocalMachine, Bits::k64, u"K\\B", u""}, false},
                                {{Root::kCurrentUser, Bits::k32, u"K\\C", u"x\ny"}, false}}};
  EXPECT_EQ(RepairLine(EnglishText(), notUndone, true),
            u"repair.resiliency.crashing The repair failed and not every change could be undone: delete a\\u000Ab of "
            u"HKCU\\Crashing. Not put back as it was: HKCU\\K\\A; (Default) of HKLM\\K\\B (64); x\\u000Ay of HKCU\\K\\C");
  EXPECT_EQ(RepairLine(SimplifiedChineseText(), notUndone, false),
            u"repair.resiliency.crashing 修复失败，未能撤销全部修改：删除 HKCU\\Crashing 的 a\\u000Ab。"
            u"未能恢复原状：HKCU\\K\\A；HKLM\\K\\B 的 (默认)；HKCU\\K\\C 的 x\\u000Ay");
  EXPECT_EQ(EscapeControls(u"C:\\Program Files\\Zorvane\\Zorvane.dll"), u"C:\\Program Files\\Zorvane\\Zorvane.dll");
}

// A translation takes the same arguments as the original: none dropped, none made up.
TEST(Texts, EveryLanguageFillsTheSamePlaceholders) {
  const auto placeholders = [](std::u16string_view text) {
    std::u16string found;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
      if (text[i] == u'{' && text[i + 2] == u'}') found += text[i + 1];
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  const auto original = SimplifiedChineseText();
  for (const auto table : {TraditionalChineseText(), EnglishText()}) {
    ASSERT_EQ(table.size(), original.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
      EXPECT_EQ(placeholders(table[i].text), placeholders(original[i].text)) << i;
    }
  }
}

}  // namespace
}  // namespace zorvane::check
