// ZorvaneCheck.exe as administrators and users run it, over real registry states: the exit
// code and key of --report, what --repair changes (nothing but Zorvane's own entries), and
// its window with problems found.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "common/utf8.h"
#include "dialog_driver.h"
#include "screenshot.h"
#include "support/child_process.h"
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
// The trees a check or repair could touch, compared before and after.
const std::pair<HKEY, const wchar_t*> kWatched[] = {{HKEY_CURRENT_USER, L"Software\\Microsoft\\Office"},
                                                    {HKEY_CURRENT_USER, L"Software\\Policies"},
                                                    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office"},
                                                    {HKEY_CURRENT_USER, L"Software\\Classes"}};

std::vector<BYTE> Dword(DWORD value) { return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)}; }

// A Resiliency record: both lengths count their strings' NULs, which are written out.
std::vector<BYTE> Record(const std::wstring& path, const std::wstring& name) {
  std::vector<BYTE> data = Dword(1);
  for (const std::wstring* text : {&path, &name}) {
    const auto bytes = Dword(static_cast<DWORD>((text->size() + 1) * 2));
    data.insert(data.end(), bytes.begin(), bytes.end());
  }
  for (const std::wstring* text : {&path, &name}) {
    for (const wchar_t unit : *text + L'\0') {
      data.push_back(BYTE(unit));
      data.push_back(BYTE(unit >> 8));
    }
  }
  return data;
}

// The start of a program file built for `machine`: enough for its headers to be read.
void WriteProgram(const std::wstring& path, WORD machine) {
  std::vector<BYTE> image(512, 0);
  image[0] = 'M';
  image[1] = 'Z';
  image[0x3C] = 0x40;
  image[0x40] = 'P';
  image[0x41] = 'E';
  image[0x44] = BYTE(machine);
  image[0x45] = BYTE(machine >> 8);
  const UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file.get(), image.data(), DWORD(image.size()), &written, nullptr));
}

bool CallDll(const wchar_t* entryName) {
  const HMODULE module = LoadLibraryW(kDll.c_str());
  if (module == nullptr) return false;
  std::string name(entryName, entryName + wcslen(entryName));
  const auto entry = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(module, name.c_str())));
  const bool ok = entry != nullptr && SUCCEEDED(entry());
  FreeLibrary(module);
  return ok;
}

// "key|value" for each value added, removed or changed, "key|" for each key added or removed.
std::set<std::wstring> Items(const std::wstring& snapshot) {
  std::set<std::wstring> items;
  std::wistringstream lines(snapshot);
  std::wstring line, key;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.front() == L'[') {
      key = line;
      items.insert(key + L"|");
    } else {
      items.insert(key + L"|" + line);
    }
  }
  return items;
}

std::wstring Snapshot() {
  std::wstring all;
  for (const auto& [root, path] : kWatched) all += SnapshotKey(root, path) + L"\n";
  return all;
}

// What differs, as "[key]|name" (name without its data), "[key]|" for a key.
std::set<std::wstring> Changed(const std::wstring& before, const std::wstring& after) {
  const auto a = Items(before), b = Items(after);
  std::set<std::wstring> changed;
  for (const auto* pair : {&a, &b}) {
    for (const std::wstring& item : *pair) {
      if ((pair == &a ? b : a).count(item) == 0) changed.insert(item.substr(0, item.find(L'=')));
    }
  }
  return changed;
}

class CheckScenario : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CreateDirectoryW(kFolder.c_str(), nullptr);
    CreateDirectoryW((kFolder + L"\\Office16").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(BuildPath(L"src/check/ZorvaneCheck.exe").c_str(), kCheck.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(ZorvaneDllPath().c_str(), kDll.c_str(), FALSE));
  }

  void SetUp() override {
    Clean();
    ASSERT_TRUE(CallDll(L"DllRegisterServer"));
    WriteProgram(kFolder + L"\\Office16\\POWERPNT.EXE", IMAGE_FILE_MACHINE_I386);
    const std::wstring folder = kFolder + L"\\Office16\\";
    std::vector<BYTE> path(reinterpret_cast<const BYTE*>(folder.c_str()),
                           reinterpret_cast<const BYTE*>(folder.c_str() + folder.size() + 1));  // with its NUL
    SetRawValue(HKEY_LOCAL_MACHINE, kOffice + L"\\PowerPoint\\InstallRoot", L"Path", REG_SZ, path);
  }

  void TearDown() override {
    CallDll(L"DllUnregisterServer");
    Clean();
  }

  static void Clean() {
    DeleteKeyTree(HKEY_CURRENT_USER, kOffice);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kOffice);
    DeleteKeyTree(HKEY_CURRENT_USER, kPolicy);
    DeleteKeyTree(HKEY_CURRENT_USER, kEntry);
  }

  // Runs the check; its standard output, exit code in `code`.
  static std::wstring Run(const wchar_t* option, DWORD& code) {
    const ChildResult result = RunChild(kCheck, {option});
    EXPECT_TRUE(result.started) << result.startError;
    code = result.exitCode;
    return result.out;
  }

  // --report, then --repair, with the registry compared around the repair; each printed.
  struct Outcome {
    DWORD reportCode, repairCode;
    std::wstring report, repair;
    std::set<std::wstring> changed;
  };
  static Outcome ReportAndRepair(const char* scenario) {
    Outcome outcome{};
    const std::wstring untouched = Snapshot();
    outcome.report = Run(L"--report", outcome.reportCode);
    const std::wstring before = Snapshot();
    EXPECT_EQ(Changed(untouched, before), std::set<std::wstring>{});  // a report writes nothing
    outcome.repair = Run(L"--repair", outcome.repairCode);
    outcome.changed = Changed(before, Snapshot());
    std::string text;
    for (const std::wstring* part : {&outcome.report, &outcome.repair}) {
      text += "\n" + std::string(scenario) + (part == &outcome.report ? " --report" : " --repair") + "\n";
      text += ToUtf8(*part);
    }
    std::fprintf(stderr, "%s", text.c_str());
    return outcome;
  }

  static bool Has(const std::wstring& text, const std::wstring& line) { return text.find(line) != std::wstring::npos; }
};

// The repair of a healthy machine writes "always enable" and nothing else.
const std::wstring kAlwaysEnableKey = L"[" + kOffice + L"\\PowerPoint\\Resiliency\\DoNotDisableAddinList]|";
std::set<std::wstring> AlwaysEnableWritten(std::set<std::wstring> more = {}, bool resiliencyKeyNew = true) {
  if (resiliencyKeyNew) more.insert(L"[" + kOffice + L"\\PowerPoint\\Resiliency]|");
  more.insert(kAlwaysEnableKey);
  more.insert(kAlwaysEnableKey + L"Zorvane.Connect");
  return more;
}

TEST_F(CheckScenario, Healthy) {
  const Outcome run = ReportAndRepair("healthy");
  EXPECT_EQ(run.reportCode, 0u);
  EXPECT_TRUE(Has(run.report, L"addin.load_behavior [正常]"));
  EXPECT_TRUE(Has(run.report, L"addin.registration [正常]"));
  EXPECT_FALSE(Has(run.report, L"[问题]"));
  EXPECT_EQ(run.repairCode, 0u);
  EXPECT_TRUE(Has(run.repair, L"repair.resiliency.always_enable 已修改"));
  EXPECT_EQ(run.changed, AlwaysEnableWritten());
}

TEST_F(CheckScenario, LoadBehaviorTwo) {
  SetRawValue(HKEY_CURRENT_USER, kEntry, L"LoadBehavior", REG_DWORD, Dword(2));
  const Outcome run = ReportAndRepair("load-behavior-2");
  EXPECT_EQ(run.reportCode, 1u);
  EXPECT_TRUE(Has(run.report, L"addin.load_behavior [问题]"));
  EXPECT_EQ(run.repairCode, 0u);
  EXPECT_TRUE(Has(run.repair, L"repair.addin.load_behavior 已修改"));
  EXPECT_TRUE(Has(run.repair, L"addin.load_behavior [正常]"));
  EXPECT_EQ(run.changed, AlwaysEnableWritten({L"[" + kEntry + L"]|LoadBehavior"}));
}

TEST_F(CheckScenario, OnlyOurDisabledItemGoes) {
  const auto theirs = Record(L"c:\\other\\other.dll", L"Other Add-in");
  SetRawValue(HKEY_CURRENT_USER, kDisabled, L"4f1a", REG_BINARY, theirs);
  SetRawValue(HKEY_CURRENT_USER, kDisabled, L"7c2e", REG_BINARY, Record(L"c:\\zvcheck\\zorvane.dll", L"Zorvane"));
  const Outcome run = ReportAndRepair("disabled-items");
  EXPECT_EQ(run.reportCode, 1u);
  EXPECT_TRUE(Has(run.report, L"resiliency.disabled_items [问题]"));
  EXPECT_EQ(run.repairCode, 0u);
  EXPECT_EQ(run.changed, AlwaysEnableWritten({L"[" + kDisabled + L"]|7c2e"}, false));
  DWORD type = 0;
  std::vector<BYTE> kept;
  ASSERT_TRUE(GetRawValue(HKEY_CURRENT_USER, kDisabled, L"4f1a", type, kept));
  EXPECT_EQ(kept, theirs);
}

TEST_F(CheckScenario, SixtyFourBitPowerPointWithThirtyTwoBitAddin) {
  WriteProgram(kFolder + L"\\Office16\\POWERPNT.EXE", IMAGE_FILE_MACHINE_AMD64);
  const Outcome run = ReportAndRepair("bitness");
  EXPECT_EQ(run.reportCode, 1u);
  EXPECT_TRUE(Has(run.report, L"addin.bitness [问题] PowerPoint 是 64 位，但登记的 Zorvane 是 32 位"));
  EXPECT_TRUE(Has(run.report, L"x64"));
  EXPECT_EQ(run.repairCode, 1u);  // only the right package helps
  EXPECT_EQ(run.changed, AlwaysEnableWritten());
}

TEST_F(CheckScenario, PoliciesAreReportedNeverChanged) {
  struct Policy {
    const char* name;
    std::wstring key, value, finding;
  };
  const Policy policies[] = {
      {"disablealladdins", kPolicy + L"\\Security", L"disablealladdins", L"policy.disable_all_addins [问题]"},
      {"restrict-to-list", kPolicy + L"\\Resiliency", L"RestrictToList", L"policy.restrict_to_list [问题]"},
  };
  for (const Policy& policy : policies) {
    SCOPED_TRACE(policy.name);
    DeleteKeyTree(HKEY_CURRENT_USER, kPolicy);
    DeleteKeyTree(HKEY_CURRENT_USER, kOffice);
    SetRawValue(HKEY_CURRENT_USER, policy.key, policy.value, REG_DWORD, Dword(1));
    const Outcome run = ReportAndRepair(policy.name);
    EXPECT_EQ(run.reportCode, 1u);
    EXPECT_TRUE(Has(run.report, policy.finding));
    EXPECT_EQ(run.repairCode, 1u);
    EXPECT_TRUE(Has(run.repair, policy.finding));
    EXPECT_EQ(run.changed, AlwaysEnableWritten());
  }
}

TEST_F(CheckScenario, WindowListsTheProblems) {
  SetRawValue(HKEY_CURRENT_USER, kEntry, L"LoadBehavior", REG_DWORD, Dword(2));
  SetRawValue(HKEY_CURRENT_USER, kDisabled, L"7c2e", REG_BINARY, Record(L"c:\\zvcheck\\zorvane.dll", L"Zorvane"));
  dialogs::test::ChildProcess window(L"\"" + kCheck + L"\"");
  ASSERT_TRUE(window.Started());
  HWND dialog = nullptr;
  // The check's own window (another process's, so not through FindDialog).
  const auto found = [&] {
    dialog = FindWindowW(L"#32770", L"Zorvane 诊断");
    DWORD process = 0;
    GetWindowThreadProcessId(dialog, &process);
    return dialog != nullptr && process == window.Id() && IsWindowVisible(dialog);
  };
  ASSERT_TRUE(dialogs::test::WaitUntil(found, std::chrono::seconds(60)));
  const HWND list = FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_GE(dialogs::test::Send(list, LVM_GETITEMCOUNT), 4);
  const HWND repair = dialogs::test::FindControl(dialog, L"Button", L"修复");
  ASSERT_NE(repair, nullptr);
  EXPECT_TRUE(IsWindowEnabled(repair));
  std::string error;
  EXPECT_FALSE(dialogs::test::SaveWindowScreenshot(dialog, "check-window-problems", error).empty()) << error;
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_EQ(window.Wait(std::chrono::seconds(30)), 1u);  // problems found
}

}  // namespace
}  // namespace zorvane::test
