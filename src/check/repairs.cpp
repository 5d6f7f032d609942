#include "check/repairs.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <msi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "check/office_keys.h"
#include "check/registry_views.h"
#include "common/exact_registry_value.h"
#include "common/registry_undo_log.h"

namespace zorvane::check {
namespace {

enum class Step { kDone, kNeedsAdministrator, kFailed };

Step FromStatus(LSTATUS status, Root root) {
  if (status == ERROR_SUCCESS) return Step::kDone;
  return status == ERROR_ACCESS_DENIED && root == Root::kLocalMachine ? Step::kNeedsAdministrator : Step::kFailed;
}

Step ChangeValue(const Repair& repair, RegistryUndoLog& log) {
  const RegistryPlace& place = repair.place;
  const HKEY root = RootKey(place.root);
  const std::wstring path = ToWide(place.key);
  const std::wstring name = ToWide(place.value);
  UniqueHkey key;
  if (repair.action == RepairAction::kDeleteValue) {
    const LSTATUS opened = OpenKey(place.root, place.view, path, KEY_QUERY_VALUE | KEY_SET_VALUE, key);
    if (opened == ERROR_FILE_NOT_FOUND) return Step::kDone;  // gone meanwhile
    if (opened != ERROR_SUCCESS) return FromStatus(opened, place.root);
    const LSTATUS deleted = log.DeleteValue(root, path, key.get(), name);
    return deleted == ERROR_FILE_NOT_FOUND ? Step::kDone : FromStatus(deleted, place.root);
  }
  if (const LSTATUS created = log.CreateKey(root, path, key); created != ERROR_SUCCESS) {
    return FromStatus(created, place.root);
  }
  return FromStatus(log.SetValue(root, path, key.get(), name, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&repair.number), sizeof(repair.number)),
                    place.root);
}

// A key and all below it as it was before a repair deleted it, parents first, so that a
// failed repair can put it back.
struct DeletedKey {
  Root root;
  Bits view;
  std::wstring path;
  std::size_t result;  // the index of the repair's result
  std::vector<std::pair<std::wstring, std::vector<std::pair<std::wstring, RawValue>>>> keys;  // subpath, values
};

bool SaveTree(HKEY key, Bits view, const std::wstring& subpath, DeletedKey& saved) {
  auto& values = saved.keys.emplace_back(subpath, std::vector<std::pair<std::wstring, RawValue>>{}).second;
  for (std::wstring& name : ValueNames(key)) {
    auto value = ReadValue(key, name);
    if (!value) return false;  // what cannot be read could not be put back
    values.emplace_back(std::move(name), std::move(*value));
  }
  for (const std::wstring& name : SubkeyNames(key)) {
    UniqueHkey child;
    if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ | ViewFlag(view), child.put()) != ERROR_SUCCESS) return false;
    if (!SaveTree(child.get(), view, subpath + L"\\" + name, saved)) return false;
  }
  return true;
}

// Puts the key back as saved; each key or value that cannot be is told in `left`.
void Restore(const DeletedKey& saved, std::vector<NotRestored>& left) {
  for (const auto& [subpath, values] : saved.keys) {
    const std::wstring path = saved.path + subpath;
    UniqueHkey key;
    if (RegCreateKeyExW(RootKey(saved.root), path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | ViewFlag(saved.view),
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
      left.push_back({{saved.root, saved.view, ToU16(path), u""}, true});
      continue;
    }
    for (const auto& [name, value] : values) {
      if (SetExactValue(key.get(), name.c_str(), value.type, value.data.data(), static_cast<DWORD>(value.data.size())) !=
          ERROR_SUCCESS) {
        left.push_back({{saved.root, saved.view, ToU16(path), ToU16(name)}, false});
      }
    }
  }
}

// Undoes the log's writes; each one that stays is told in the result of the repair that made
// it (`writers[i]` for the log's write i).
void UndoWrites(RegistryUndoLog& log, const std::vector<std::size_t>& writers, Bits view,
                std::vector<RepairResult>& results) {
  log.Undo([&](std::size_t index, HKEY root, const wchar_t* path, const wchar_t* name) {
    const Root place = root == HKEY_LOCAL_MACHINE ? Root::kLocalMachine : Root::kCurrentUser;
    results[writers[index]].notRestored.push_back(
        {{place, view, ToU16(path), name != nullptr ? ToU16(name) : u""}, name == nullptr});
  });
}

Step DeleteKey(const RegistryPlace& place, std::size_t result, std::vector<DeletedKey>& deleted) {
  const std::wstring path = ToWide(place.key);
  UniqueHkey key;
  const LSTATUS opened = OpenKey(place.root, place.view, path, KEY_READ | KEY_SET_VALUE | DELETE, key);
  if (opened == ERROR_FILE_NOT_FOUND) return Step::kDone;  // gone meanwhile
  if (opened != ERROR_SUCCESS) return FromStatus(opened, place.root);
  DeletedKey& saved = deleted.emplace_back(DeletedKey{place.root, place.view, path, result, {}});
  if (!SaveTree(key.get(), place.view, L"", saved)) {
    deleted.pop_back();
    return Step::kFailed;
  }
  LSTATUS status = RegDeleteTreeW(key.get(), nullptr);  // what is below the key, in its view
  key.reset();
  if (status == ERROR_SUCCESS) status = RegDeleteKeyExW(RootKey(place.root), path.c_str(), ViewFlag(place.view), 0);
  return FromStatus(status, place.root);
}

// Whether this process runs with the Administrators group enabled (elevated, under UAC).
bool Administrator() noexcept {
  SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                0, &administrators)) {
    return false;
  }
  BOOL member = FALSE;
  const bool checked = CheckTokenMembership(nullptr, administrators, &member) != FALSE;
  FreeSid(administrators);
  return checked && member != FALSE;
}

std::wstring SystemProgram(const wchar_t* name) {
  std::wstring system(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(system.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  system.resize(length);
  return system + L"\\" + name;
}

// Runs `program` and waits for it; its exit code, or nothing when it did not run. `elevate`
// asks for administrator rights (ERROR_CANCELLED when the user declines).
std::optional<DWORD> RunAndWait(const std::wstring& program, const std::wstring& arguments, bool elevate,
                                DWORD& error) {
  HANDLE started = nullptr;
  if (elevate) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info) || info.hProcess == nullptr) {
      error = GetLastError();
      return std::nullopt;
    }
    started = info.hProcess;
  } else {
    std::wstring command = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
      error = GetLastError();
      return std::nullopt;
    }
    (void)CloseHandle(process.hThread);  // not needed; failing to close it changes nothing
    started = process.hProcess;
  }
  const UniqueKernelHandle owner(started);
  DWORD exitCode = 1;
  // Windows Installer may wait for another installation to finish first.
  if (WaitForSingleObject(started, 30 * 60 * 1000) != WAIT_OBJECT_0 || !GetExitCodeProcess(started, &exitCode)) {
    error = ERROR_TIMEOUT;
    return std::nullopt;
  }
  return exitCode;
}

// Windows Installer's own repair of the product, in the scope it was installed in. With the
// rights it needs, in this process; for all users without them, msiexec asks for them (the
// window) or the user is told what to run (--repair).
Step Reinstall(const InstalledProduct& product, bool mayElevate) {
  const std::wstring code = ToWide(product.productCode);
  if (!product.perMachine || Administrator()) {
    MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    // What msiexec /f does, with the product's scope said as well: Wine's Windows Installer
    // would otherwise repair a per-user product's HKMU entries into HKLM.
    const std::wstring properties = L"REINSTALL=ALL REINSTALLMODE=" + ToWide(kReinstallMode) +
                                    (product.perMachine ? L" ALLUSERS=1" : L" ALLUSERS=\"\"");
    const UINT result = MsiConfigureProductExW(code.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT, properties.c_str());
    return result == ERROR_SUCCESS || result == ERROR_SUCCESS_REBOOT_REQUIRED ? Step::kDone : Step::kFailed;
  }
  if (!mayElevate) return Step::kNeedsAdministrator;
  const std::wstring program = SystemProgram(L"msiexec.exe");
  if (program.empty()) return Step::kFailed;
  DWORD error = ERROR_SUCCESS;
  const auto exitCode = RunAndWait(program, ToWide(ReinstallArguments(product)) + L" /qn", true, error);
  if (!exitCode) return error == ERROR_CANCELLED ? Step::kNeedsAdministrator : Step::kFailed;
  return *exitCode == ERROR_SUCCESS || *exitCode == ERROR_SUCCESS_REBOOT_REQUIRED ? Step::kDone : Step::kFailed;
}

// The DLL registers itself (and undoes its own partial registration on failure). A 64-bit
// DLL cannot load into this 32-bit program: the 64-bit regsvr32 does it.
Step Register(const Repair& repair) {
  const std::wstring path = ToWide(repair.dll);
  if (repair.dllBits == Bits::k32) {
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) return Step::kFailed;
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
    const HRESULT result = entry != nullptr ? entry() : E_NOINTERFACE;
    (void)FreeLibrary(module);  // the registration's result is known; a module left loaded harms nothing
    return SUCCEEDED(result) ? Step::kDone : Step::kFailed;
  }
  std::wstring windows(MAX_PATH, L'\0');
  const UINT length = GetWindowsDirectoryW(windows.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return Step::kFailed;
  windows.resize(length);
  DWORD error = ERROR_SUCCESS;
  const auto exitCode = RunAndWait(windows + L"\\Sysnative\\regsvr32.exe", L"/s \"" + path + L"\"", false, error);
  return exitCode == 0u ? Step::kDone : Step::kFailed;
}

RepairOutcome Outcome(Step step) {
  return step == Step::kDone                 ? RepairOutcome::kDone
         : step == Step::kNeedsAdministrator ? RepairOutcome::kNeedsAdministrator
                                             : RepairOutcome::kFailed;
}

// The order of the repairs: values, then keys, then registrations, which undo themselves when
// they fail (the changes before them are then undone here).
int Phase(RepairAction action) {
  switch (action) {
    case RepairAction::kSetDword:
    case RepairAction::kDeleteValue:
      return 0;
    case RepairAction::kDeleteKey:
      return 1;
    case RepairAction::kRegisterDll:
    case RepairAction::kReinstallProduct:
      break;
  }
  return 2;
}

}  // namespace

std::vector<RepairResult> ApplyRepairs(const std::vector<Repair>& repairs, bool mayElevate) {
  std::vector<RepairResult> results;
  results.reserve(repairs.size());
  RegistryUndoLog log32(KEY_WOW64_32KEY);
  RegistryUndoLog log64(KEY_WOW64_64KEY);
  std::vector<std::size_t> writers32, writers64;  // the result of each of the logs' writes
  std::vector<DeletedKey> deleted;
  bool failed = false;
  for (const int phase : {0, 1, 2}) {
    for (const Repair& repair : repairs) {
      if (Phase(repair.action) != phase || failed) continue;
      Step step = Step::kFailed;
      switch (repair.action) {
        case RepairAction::kSetDword:
        case RepairAction::kDeleteValue: {
          const bool in64 = repair.place.view == Bits::k64;
          RegistryUndoLog& log = in64 ? log64 : log32;
          step = ChangeValue(repair, log);
          (in64 ? writers64 : writers32).resize(log.size(), results.size());
          break;
        }
        case RepairAction::kDeleteKey:
          step = DeleteKey(repair.place, results.size(), deleted);
          break;
        case RepairAction::kRegisterDll:
          step = Register(repair);
          break;
        case RepairAction::kReinstallProduct:
          step = Reinstall(repair.product, mayElevate);
          break;
      }
      results.push_back({repair, Outcome(step), {}});
      failed = step == Step::kFailed;
    }
  }
  if (failed) {
    for (auto key = deleted.rbegin(); key != deleted.rend(); ++key) Restore(*key, results[key->result].notRestored);
    UndoWrites(log64, writers64, Bits::k64, results);
    UndoWrites(log32, writers32, Bits::k32, results);
    for (RepairResult& result : results) {
      if (result.outcome == RepairOutcome::kDone) result.outcome = RepairOutcome::kFailed;
    }
    return results;
  }
  log32.Commit();
  log64.Commit();
  return results;
}

bool ProgramRunning(std::u16string_view programFile) noexcept {
  wchar_t name[MAX_PATH] = {};
  if (programFile.size() >= MAX_PATH) return false;
  std::copy(programFile.begin(), programFile.end(), name);
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  const UniqueKernelHandle owner(snapshot);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (CompareStringOrdinal(entry.szExeFile, -1, name, -1, TRUE) == CSTR_EQUAL) return true;
  }
  return false;
}

}  // namespace zorvane::check
