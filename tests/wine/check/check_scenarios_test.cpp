// ZorvaneCheck.exe as administrators and users run it, over real registry states: the exit
// code and key of --report, what --repair changes (nothing but Zorvane's own entries), and
// its window with problems found.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "common/utf8.h"
#include "dialog_driver.h"
#include "dialogs/dialog_font.h"
#include "portable/check_bytes.h"
#include "screenshot.h"
#include "settings/host_switches.h"
#include "settings/ui_language_choice.h"
#include "settings_registry.h"
#include "support/child_process.h"
#include "support/proc_address.h"
#include "support/registry_snapshot.h"
#include "support/test_paths.h"

namespace zorvane::test {
namespace {

const std::wstring kFolder = L"C:\\zvcheck";
const std::wstring kCheck = kFolder + L"\\ZorvaneCheck.exe";
const std::wstring kDll = kFolder + L"\\Zorvane.dll";
const std::wstring kOffice = L"Software\\Microsoft\\Office\\16.0";
const std::wstring kEntry = L"Software\\Microsoft\\Office\\PowerPoint\\Addins\\Zorvane.Connect";
const std::wstring kDisabled = kOffice + L"\\PowerPoint\\Resiliency\\DisabledItems";
const std::wstring kPolicy = L"Software\\Policies\\Microsoft\\Office\\16.0\\PowerPoint";
const std::wstring kClass = L"Software\\Classes\\CLSID\\{BAC75E0D-0684-4250-B64C-5E74A365F970}";
const std::wstring kUserProgId = L"Software\\Classes\\Zorvane.Connect";
const std::wstring kInstallRoot = kOffice + L"\\PowerPoint\\InstallRoot";
const std::wstring kVolatile = L"Software\\ZorvaneVolatile\\Target";
// A host as the scenarios set it up: its program, Zorvane's class for it and its add-in entry.
struct Host {
  OfficeHost id;
  std::wstring app, program, progId, classId;
  std::wstring prefix;  // of its findings' keys
  std::wstring Entry() const { return L"Software\\Microsoft\\Office\\" + app + L"\\Addins\\" + progId; }
  std::wstring Resiliency() const { return kOffice + L"\\" + app + L"\\Resiliency"; }
  std::wstring PolicyKey() const {
    const std::u16string_view key = settings::SwitchesOf(id).policyKeyPath;
    return {key.begin(), key.end()};
  }
};
// The names from the one table the add-in and the check share; the CLSIDs as registered.
Host MakeHost(OfficeHost id, std::wstring classId, std::wstring prefix) {
  const OfficeHostNames& names = NamesOf(id);
  return {id, std::wstring(WideView(names.name)), std::wstring(WideView(names.programFile)),
          std::wstring(WideView(names.progId)), std::move(classId), std::move(prefix)};
}
const Host kPowerPoint = MakeHost(OfficeHost::PowerPoint, L"{BAC75E0D-0684-4250-B64C-5E74A365F970}", L"");
const Host kWord = MakeHost(OfficeHost::Word, L"{5E0B7C2A-3F4D-4E8B-9A61-2C7D18E4B3F5}", L"word.");
const Host kExcel = MakeHost(OfficeHost::Excel, L"{8A9F4D16-B2C3-4A57-8E0D-6F1B2C3D4E59}", L"excel.");
const Host kOutlook = MakeHost(OfficeHost::Outlook, L"{EEADC4F3-ED24-4FE7-B6F9-A07DAE7132A0}", L"outlook.");
const Host* const kHosts[] = {&kPowerPoint, &kWord, &kExcel, &kOutlook};

// The trees a check or repair could touch, compared before and after.
const std::pair<HKEY, const wchar_t*> kWatched[] = {{HKEY_CURRENT_USER, L"Software\\Microsoft\\Office"},
                                                    {HKEY_CURRENT_USER, L"Software\\Policies"},
                                                    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office"},
                                                    {HKEY_CURRENT_USER, L"Software\\Classes"}};

// A program file built for `machine`: enough for its headers to be read.
void WriteProgram(const std::wstring& path, WORD machine) {
  const Bytes image = PeStart(machine, machine == IMAGE_FILE_MACHINE_AMD64 ? 0x20B : 0x10B, false);
  const UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file.get(), image.data(), DWORD(image.size()), &written, nullptr));
}

// Creates root\path, and any key above it, with `options` (REG_OPTION_VOLATILE).
void MakeKey(HKEY root, const std::wstring& path, DWORD options = 0) {
  UniqueHkey key;
  EXPECT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, options, KEY_WRITE, nullptr, key.put(), nullptr),
            ERROR_SUCCESS)
      << ToUtf8(path);
}

// A REG_SZ value with its NUL.
void SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  SetRawValue(root, path, name, REG_SZ, {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)});
}

bool CallDll(const char* entryName) {
  const HMODULE module = LoadLibraryW(kDll.c_str());
  if (module == nullptr) return false;
  const auto entry = ProcAddress<HRESULT(STDAPICALLTYPE*)()>(module, entryName);
  const bool ok = entry != nullptr && SUCCEEDED(entry());
  FreeLibrary(module);
  return ok;
}

// The add-in turned off by the host after a failed start, and put on its disabled list.
void TurnOff() { SetRawValue(HKEY_CURRENT_USER, kEntry, L"LoadBehavior", REG_DWORD, Dword(2)); }
void DisableOurs() {
  const Bytes ours = DisabledItemRecord(u"c:\\zvcheck\\zorvane.dll", u"Zorvane");
  SetRawValue(HKEY_CURRENT_USER, kDisabled, L"7c2e", REG_BINARY, ours);
}
void SetPolicy(const std::wstring& subkey, const wchar_t* name) {
  SetRawValue(HKEY_CURRENT_USER, kPolicy + subkey, name, REG_DWORD, Dword(1));
}

// Each line of the watched trees, as "[key]|" for a key and "[key]|name=type:data" for a value.
std::set<std::wstring> Snapshot() {
  std::set<std::wstring> items;
  for (const auto& [root, path] : kWatched) {
    std::wistringstream lines(SnapshotKey(root, path));
    std::wstring line, key;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.front() == L'[') key = line, line.clear();
      items.insert(key + L"|" + line);
    }
  }
  return items;
}

// What differs, as "[key]|name" (name without its data), "[key]|" for a key.
std::set<std::wstring> Changed(const std::set<std::wstring>& before, const std::set<std::wstring>& after) {
  std::vector<std::wstring> differing;
  std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(differing));
  std::set<std::wstring> changed;
  for (const std::wstring& item : differing) changed.insert(item.substr(0, item.find(L'=')));
  return changed;
}

bool Has(const std::wstring& text, const std::wstring& line) { return text.find(line) != std::wstring::npos; }

class CheckScenario : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CreateDirectoryW(kFolder.c_str(), nullptr);
    CreateDirectoryW((kFolder + L"\\Office16").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(BuildPath(L"src/check/ZorvaneCheck.exe").c_str(), kCheck.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(ZorvaneDllPath().c_str(), kDll.c_str(), FALSE));
  }

  void SetUp() override { Fresh(); }
  void TearDown() override { Clean(); }

  // A machine with the 32-bit host 16.0 (PowerPoint unless said) and the add-in registered,
  // nothing else.
  static void Fresh(const Host& host = kPowerPoint) {
    Clean();
    ASSERT_TRUE(CallDll("DllRegisterServer"));  // every host's class and add-in entry
    WriteProgram(kFolder + L"\\Office16\\" + host.program, IMAGE_FILE_MACHINE_I386);
    SetText(HKEY_LOCAL_MACHINE, kOffice + L"\\" + host.app + L"\\InstallRoot", L"Path", kFolder + L"\\Office16\\");
    // The texts below are Simplified Chinese whatever language this Wine runs in.
    dialogs::test::WriteSetting(L"Language", L"zh-CN");
  }

  static void Clean() {
    DeleteRegistryLink(HKEY_CURRENT_USER, kEntry);
    DeleteRegistryLink(HKEY_CURRENT_USER, kClass + L"\\0");
    CallDll("DllUnregisterServer");
    dialogs::test::DeleteSettingsKey();
    dialogs::test::DeletePolicyKey(HKEY_CURRENT_USER);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteKeyTree(root, kOffice);
    DeleteKeyTree(HKEY_CURRENT_USER, kPolicy);
    DeleteKeyTree(HKEY_CURRENT_USER, kClass);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\ZorvaneVolatile");
    for (const Host* host : kHosts) {
      DeleteKeyTree(HKEY_CURRENT_USER, host->Entry());
      DeleteKeyTree(HKEY_CURRENT_USER, host->PolicyKey());
      DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + host->progId);
      DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID\\" + host->classId);
    }
    DeleteFileW((kFolder + L"\\Office16\\" + kWord.program).c_str());
    DeleteFileW((kFolder + L"\\Office16\\" + kExcel.program).c_str());
    DeleteFileW((kFolder + L"\\Office16\\" + kOutlook.program).c_str());
  }

  // Runs the check with `option`: its standard output (also printed), exit code in `code`.
  static std::wstring Run(const wchar_t* option, DWORD& code, const char* scenario) {
    const ChildResult result = RunChild(kCheck, {option});
    EXPECT_TRUE(result.started) << result.startError;
    code = result.exitCode;
    std::fprintf(stderr, "\n%s %s\n%s", scenario, ToUtf8(option).c_str(), ToUtf8(result.out).c_str());
    return result.out;
  }
};

// The repair of a healthy machine writes "always enable" and nothing else.
const std::wstring kResiliency = L"[" + kOffice + L"\\PowerPoint\\Resiliency]|";
const std::wstring kAlwaysEnable = L"[" + kOffice + L"\\PowerPoint\\Resiliency\\DoNotDisableAddinList]|";
const std::set<std::wstring> kAlwaysEnableWritten{kResiliency, kAlwaysEnable, kAlwaysEnable + L"Zorvane.Connect"};

// Each state: --report (which writes nothing), then --repair with the registry compared
// around it. Problems the repair cannot solve, policies above all, keep exit code 1.
TEST_F(CheckScenario, ReportsAndRepairsEachState) {
  const std::wstring policyAll = L"policy.disable_all_addins [问题]", policyList = L"policy.restrict_to_list [问题]";
  struct Scenario {
    std::string name;
    std::function<void()> arrange;
    DWORD reportCode;
    std::vector<std::wstring> reported;
    DWORD repairCode;
    std::vector<std::wstring> repaired;
    std::set<std::wstring> changed;
    const Host* host = &kPowerPoint;
  };
  std::vector<Scenario> scenarios = {
      // Only the right package helps.
      {"bitness", [] { WriteProgram(kFolder + L"\\Office16\\POWERPNT.EXE", IMAGE_FILE_MACHINE_AMD64); },
       1, {L"addin.bitness [问题] PowerPoint 是 64 位，但登记的 Zorvane 是 32 位", L"x64"},
       1, {}, kAlwaysEnableWritten},
      {"disablealladdins", [] { SetPolicy(L"\\Security", L"disablealladdins"); }, 1, {policyAll}, 1, {policyAll},
       kAlwaysEnableWritten},
      // COM reads the user's keys of our class and ProgID first: an empty server key there, or
      // a ProgID naming another class, hides the machine's registration. The repair deletes them.
      {"user-class-empty", [] { MakeKey(HKEY_CURRENT_USER, kClass + L"\\InprocServer32"); }, 1,
       {L"addin.registration [问题]"}, 0, {L"repair.addin.registration 已修改", L"addin.registration [正常]"},
       {kResiliency, kAlwaysEnable, kAlwaysEnable + L"Zorvane.Connect", L"[" + kClass + L"]|",
        L"[" + kClass + L"\\InprocServer32]|"}},
      // A rollback that cannot put everything back says what stays. The user's class key and
      // the add-in entry lead to the same volatile key: deleting the class key deletes it through
      // its link and then fails; nothing lasting can be made under a volatile key again, and the
      // entry's LoadBehavior, written through the other link, has nowhere to go back to.
      {"rollback-not-restored",
       [] {
         MakeKey(HKEY_CURRENT_USER, kClass + L"\\InprocServer32");
         MakeKey(HKEY_LOCAL_MACHINE, kVolatile, REG_OPTION_VOLATILE);
         SetRawValue(HKEY_LOCAL_MACHINE, kVolatile, L"LoadBehavior", REG_DWORD, Dword(2));
         DeleteKeyTree(HKEY_CURRENT_USER, kEntry);
         for (const std::wstring& link : {kClass + L"\\0", kEntry}) {
           ASSERT_TRUE(CreateRegistryLink(HKEY_CURRENT_USER, link, L"\\Registry\\Machine\\" + kVolatile));
         }
       },
       1, {L"addin.registration [问题]", L"addin.load_behavior [问题]"}, 1,
       {L"repair.addin.registration 修复失败，未能撤销全部修改：删除 HKCU\\" + kClass + L" 及其下所有内容。未能恢复原状：HKCU\\" +
            kClass + L"\\0\r\n",
        L"repair.addin.load_behavior 修复失败，未能撤销全部修改：HKCU\\" + kEntry + L" 的 LoadBehavior 设为 3。未能恢复原状：HKCU\\" +
            kEntry + L" 的 LoadBehavior\r\n",
        L"repair.resiliency.always_enable 修复失败，所有修改已撤销"},
       {L"[" + kClass + L"\\0]|", L"[" + kClass + L"\\0]|LoadBehavior", L"[" + kEntry + L"]|",
        L"[" + kEntry + L"]|LoadBehavior"}},
      {"user-progid-other-class",
       [] { SetText(HKEY_CURRENT_USER, kUserProgId + L"\\CLSID", L"", L"{00000000-0000-0000-0000-0000000000A1}"); },
       1, {L"addin.registration [问题]"}, 0, {L"repair.addin.registration 已修改", L"addin.registration [正常]"},
       {kResiliency, kAlwaysEnable, kAlwaysEnable + L"Zorvane.Connect", L"[" + kUserProgId + L"]|",
        L"[" + kUserProgId + L"\\CLSID]|"}},
      // COM reads the threading model without regard to case.
      {"threading-model-lower-case",
       [] { SetText(HKEY_LOCAL_MACHINE, kClass + L"\\InprocServer32", L"ThreadingModel", L"apartment"); },
       0, {L"addin.registration [正常]"}, 0, {L"repair.resiliency.always_enable 已修改"}, kAlwaysEnableWritten},
      // A line break in a registry text cannot make a line of its own.
      {"line-break-in-install-root",
       [] { SetText(HKEY_LOCAL_MACHINE, kInstallRoot, L"Path", L"C:\\X\r\naddin.registration [OK] injected\\"); },
       0, {L"C:\\X\\u000D\\u000Aaddin.registration [OK] injected\\"}, 0, {}, kAlwaysEnableWritten},
      {"restrict-to-list", [] { SetPolicy(L"\\Resiliency", L"RestrictToList"); }, 1, {policyList}, 1, {policyList},
       kAlwaysEnableWritten},
  };
  // Each host under its own keys; the others with PowerPoint not installed.
  for (const Host* host : kHosts) {
    const std::wstring& p = host->prefix;
    const bool outlooks = host == &kOutlook;  // Outlook's "always enable" list is said, never written
    const std::wstring resiliency = L"[" + host->Resiliency() + L"]|";
    const std::wstring always = L"[" + host->Resiliency() + L"\\DoNotDisableAddinList]|";
    const std::wstring disabled = host->Resiliency() + L"\\DisabledItems";
    std::set<std::wstring> alwaysWritten{resiliency, always, always + host->progId};
    if (outlooks) alwaysWritten.clear();
    const auto with = [&](const std::wstring& item) { auto changed = alwaysWritten; return changed.insert(item), changed; };
    const std::string name = ToUtf8(host->app) + "-";
    scenarios.push_back({name + "healthy", [] {}, 0,
                         {p + L"addin.load_behavior [正常]", p + L"addin.registration [正常]", L"powerpoint.installed [正常]",
                          p + L"resiliency.always_enable [提示]"},
                         0, {outlooks ? L"repair.none" : L"repair." + p + L"resiliency.always_enable 已修改"}, alwaysWritten,
                         host});
    scenarios.push_back({name + "load-behavior-2",
                         [=] { SetRawValue(HKEY_CURRENT_USER, host->Entry(), L"LoadBehavior", REG_DWORD, Dword(2)); }, 1,
                         {p + L"addin.load_behavior [问题] " + host->app + L" 在一次启动失败或过慢后关闭了 Zorvane"}, 0,
                         {L"repair." + p + L"addin.load_behavior 已修改", p + L"addin.load_behavior [正常]"},
                         with(L"[" + host->Entry() + L"]|LoadBehavior"), host});
    // Only our record goes: another add-in's stays as it was.
    scenarios.push_back({name + "disabled-items",
                         [=] {
                           const Bytes other = DisabledItemRecord(u"c:\\other\\other.dll", u"Other Add-in");
                           SetRawValue(HKEY_CURRENT_USER, disabled, L"4f1a", REG_BINARY, other);
                           const Bytes ours = DisabledItemRecord(u"c:\\zvcheck\\zorvane.dll", u"Zorvane");
                           SetRawValue(HKEY_CURRENT_USER, disabled, L"7c2e", REG_BINARY, ours);
                         },
                         1, {p + L"resiliency.disabled_items [问题] " + host->app + L" 16.0"}, 0, {},
                         outlooks ? std::set<std::wstring>{L"[" + disabled + L"]|7c2e"}
                                  : std::set<std::wstring>{always, always + host->progId, L"[" + disabled + L"]|7c2e"}, host});
    scenarios.push_back({name + "lock", [=] { SetText(HKEY_CURRENT_USER, host->PolicyKey(), L"TabHome", L"0"); }, 0,
                         {p + L"policy.zorvane_locks [提示] 管理员用组策略锁定了 " + host->app + L" 中 Zorvane 的 1 项"}, 0,
                         {}, alwaysWritten, host});
  }
  // Outlook's record of disabling Zorvane for slowness is said in words and left as it is.
  const std::wstring slowRecord = kOutlook.Resiliency() + L"\\NotificationReminderAddinData";
  const std::wstring slowReason = kOutlook.progId + L"\\dtype";
  scenarios.push_back({"Outlook-slow-disabled",
                       [=] { SetRawValue(HKEY_CURRENT_USER, slowRecord, slowReason.c_str(), REG_DWORD, Dword(1)); }, 1,
                       {L"outlook.resiliency.slow_disabled [问题] Outlook 16.0 因 Zorvane 加载过慢（超过 1000 毫秒）"}, 1,
                       {L"repair.none"}, {}, &kOutlook});
  scenarios.push_back({"Outlook-class-missing",
                       [] { DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + kOutlook.progId); }, 1,
                       {L"outlook.addin.registration [问题]"}, 0,
                       {L"repair.outlook.addin.registration 已修改", L"outlook.addin.registration [正常]"}, {}, &kOutlook});
  for (const auto& row : scenarios) {
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(Fresh(*row.host));
    row.arrange();
    DWORD reportCode = 0, repairCode = 0;
    const auto untouched = Snapshot();
    const std::wstring report = Run(L"--report", reportCode, row.name.c_str());
    const auto before = Snapshot();
    EXPECT_EQ(Changed(untouched, before), std::set<std::wstring>{});
    const std::wstring repair = Run(L"--repair", repairCode, row.name.c_str());
    EXPECT_EQ(reportCode, row.reportCode);
    EXPECT_EQ(Has(report, L"[问题]"), row.reportCode != 0);
    for (const std::wstring& line : row.reported) EXPECT_TRUE(Has(report, line)) << ToUtf8(line);
    EXPECT_EQ(repairCode, row.repairCode);
    for (const std::wstring& line : row.repaired) EXPECT_TRUE(Has(repair, line)) << ToUtf8(line);
    EXPECT_EQ(Changed(before, Snapshot()), row.changed);
    EXPECT_FALSE(Has(repair, L"问题仍在"));  // no repair that claims a change and leaves its problem
    // One finding a line, its key first, then its severity; a repair's line starts "repair.".
    std::wistringstream lines(report + repair);
    for (std::wstring line; std::getline(lines, line);) {
      const std::wstring rest = line.substr(line.find(L' ') + 1);
      EXPECT_TRUE(line.rfind(L"repair.", 0) == 0 || rest.rfind(L"[正常] ", 0) == 0 || rest.rfind(L"[问题] ", 0) == 0 ||
                  rest.rfind(L"[提示] ", 0) == 0)
          << ToUtf8(line);
    }
  }
}

// Outlook rewrites its entries when it exits: while an OUTLOOK.EXE runs, its repairs wait.
TEST_F(CheckScenario, RefusesOutlooksRepairsWhileOutlookRuns) {
  ASSERT_NO_FATAL_FAILURE(Fresh(kOutlook));
  SetRawValue(HKEY_CURRENT_USER, kOutlook.Entry(), L"LoadBehavior", REG_DWORD, Dword(2));
  const std::wstring program = kFolder + L"\\" + kOutlook.program;  // any program that waits, so named
  ASSERT_TRUE(CopyFileW(kCheck.c_str(), program.c_str(), FALSE));
  const auto before = Snapshot();
  DWORD code = 0;
  dialogs::test::ChildProcess outlook(L"\"" + program + L"\"");
  ASSERT_TRUE(outlook.Started());
  EXPECT_TRUE(Has(Run(L"--repair", code, "Outlook running"), L"repair.outlook.refused Outlook 正在运行"));
  EXPECT_EQ(code, 1u);
  EXPECT_EQ(Changed(before, Snapshot()), std::set<std::wstring>{});
}

// Each finding's key, the first word of its line.
std::set<std::wstring> Keys(const std::wstring& report) {
  std::set<std::wstring> keys;
  std::wistringstream lines(report);
  for (std::wstring line; std::getline(lines, line);) keys.insert(line.substr(0, line.find(L' ')));
  return keys;
}

// The language chosen as the add-in chooses it (policy, then the user's value), else Windows'
// user-interface language: the same keys and exit code, the text in that language.
TEST_F(CheckScenario, ReportSpeaksTheChosenLanguage) {
  const std::wstring lines[] = {L"addin.load_behavior [问题] PowerPoint 在一次启动失败或过慢后关闭了 Zorvane",
                                L"addin.load_behavior [問題] PowerPoint 在一次啟動失敗或過慢後關閉了 Zorvane",
                                L"addin.load_behavior [Problem] PowerPoint turned Zorvane off after a failed or slow start"};
  const size_t windows = static_cast<size_t>(settings::UiLanguageFromLcid(GetUserDefaultUILanguage()));
  const struct {
    const char* name;
    const wchar_t *value, *userPolicy;
    size_t expected;
  } cases[] = {{"zh-CN", L"zh-CN", nullptr, 0}, {"en-US", L"en-US", nullptr, 2}, {"zh-TW", L"zh-tw", nullptr, 1},
               {"user policy over the value", L"en-US", L"zh-TW", 1},
               {"no value: Windows' language", nullptr, nullptr, windows}};
  std::set<std::wstring> keys;
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    dialogs::test::DeleteSettingsKey();
    if (row.value != nullptr) dialogs::test::WriteSetting(L"Language", row.value);
    if (row.userPolicy != nullptr) dialogs::test::WritePolicy(HKEY_CURRENT_USER, L"Language", row.userPolicy);
    TurnOff();
    DWORD code = 0;
    const std::wstring report = Run(L"--report", code, row.name);
    EXPECT_EQ(code, 1u);
    EXPECT_TRUE(Has(report, lines[row.expected]));
    if (keys.empty()) keys = Keys(report);
    EXPECT_EQ(Keys(report), keys);
    dialogs::test::DeletePolicyKey(HKEY_CURRENT_USER);
  }
}

// The window in each language with problems found: its caption and buttons in that language,
// every button and the summary wide enough for its text in the window's font.
TEST_F(CheckScenario, WindowListsTheProblems) {
  TurnOff();
  DisableOurs();
  const struct {
    const wchar_t *language, *caption, *repair;
    const char* screenshot;
  } cases[] = {{L"zh-CN", L"Zorvane 诊断", L"修复", "check-window-problems"},
               {L"zh-TW", L"Zorvane 診斷", L"修復", "check-window-problems-zh-tw"},
               {L"en-US", L"Zorvane Diagnostics", L"Repair", "check-window-problems-en"}};
  const HDC dc = GetDC(nullptr);
  const UniqueFont font = dialogs::CreateDialogFont({}, GetDeviceCaps(dc, LOGPIXELSY));
  const HGDIOBJ previous = SelectObject(dc, font.get());
  for (const auto& row : cases) {
    SCOPED_TRACE(ToUtf8(row.language));
    dialogs::test::WriteSetting(L"Language", row.language);
    dialogs::test::ChildProcess window(L"\"" + kCheck + L"\"");
    ASSERT_TRUE(window.Started());
    HWND dialog = nullptr;
    // The check's own window (another process's, so not through FindDialog).
    const auto found = [&] {
      dialog = FindWindowW(L"#32770", row.caption);
      DWORD process = 0;
      GetWindowThreadProcessId(dialog, &process);
      return dialog != nullptr && process == window.Id() && IsWindowVisible(dialog);
    };
    ASSERT_TRUE(dialogs::test::WaitUntil(found, std::chrono::seconds(60)));
    const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_GE(dialogs::test::Send(list, LVM_GETITEMCOUNT), 4);
    const HWND repair = dialogs::test::FindControl(dialog, L"Button", row.repair);
    ASSERT_NE(repair, nullptr);
    EXPECT_TRUE(IsWindowEnabled(repair));
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<RECT> placed;
    for (HWND control = FindWindowExW(dialog, list, nullptr, nullptr); control != nullptr;
         control = FindWindowExW(dialog, control, nullptr, nullptr)) {
      const std::wstring text = dialogs::test::WindowText(control);  // WM_GETTEXT: another process's edit too
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      RECT rect{};
      GetWindowRect(control, &rect);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
      // The details pane wraps and scrolls; every other control shows its text on one line.
      if (_wcsicmp(dialogs::test::ClassName(control).c_str(), L"Edit") == 0 &&
          (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE) != 0) {
        EXPECT_FALSE(text.empty()) << "the details pane shows nothing for the selected finding";
      } else {
        EXPECT_LE(size.cx, rect.right - rect.left) << ToUtf8(text);
      }
      EXPECT_LE(rect.right, client.right) << ToUtf8(text);
      for (const RECT& other : placed) {
        RECT both{};
        EXPECT_FALSE(IntersectRect(&both, &rect, &other)) << ToUtf8(text);
      }
      placed.push_back(rect);
    }
    std::string error;
    EXPECT_FALSE(dialogs::test::SaveWindowScreenshot(dialog, row.screenshot, error).empty()) << error;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Wait(std::chrono::seconds(30)), 1u);  // problems found
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
}

}  // namespace
}  // namespace zorvane::test
