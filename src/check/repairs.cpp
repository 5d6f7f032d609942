#include "check/repairs.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <array>

#include "check/office_keys.h"
#include "check/registry_views.h"
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
    FreeLibrary(module);
    return SUCCEEDED(result) ? Step::kDone : Step::kFailed;
  }
  std::wstring windows(MAX_PATH, L'\0');
  const UINT length = GetWindowsDirectoryW(windows.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return Step::kFailed;
  windows.resize(length);
  const std::wstring program = windows + L"\\Sysnative\\regsvr32.exe";
  std::wstring command = L"\"" + program + L"\" /s \"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &process)) {
    return Step::kFailed;
  }
  const UniqueKernelHandle processHandle(process.hProcess);
  const UniqueKernelHandle thread(process.hThread);
  DWORD exitCode = 1;
  if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.hProcess, &exitCode)) {
    return Step::kFailed;
  }
  return exitCode == 0 ? Step::kDone : Step::kFailed;
}

RepairOutcome Outcome(Step step) {
  return step == Step::kDone                 ? RepairOutcome::kDone
         : step == Step::kNeedsAdministrator ? RepairOutcome::kNeedsAdministrator
                                             : RepairOutcome::kFailed;
}

}  // namespace

std::vector<RepairResult> ApplyRepairs(const std::vector<Repair>& repairs) {
  std::vector<RepairResult> results;
  results.reserve(repairs.size());
  RegistryUndoLog log32(KEY_WOW64_32KEY);
  RegistryUndoLog log64(KEY_WOW64_64KEY);
  bool failed = false;
  // The values first, registrations last: a registration that fails undoes itself, and the
  // values are then undone here.
  for (const bool registrations : {false, true}) {
    for (const Repair& repair : repairs) {
      if ((repair.action == RepairAction::kRegisterDll) != registrations || failed) continue;
      const Step step = registrations ? Register(repair)
                                      : ChangeValue(repair, repair.place.view == Bits::k64 ? log64 : log32);
      results.push_back({repair, Outcome(step)});
      failed = step == Step::kFailed;
    }
  }
  if (failed) {
    log64.Undo();
    log32.Undo();
    for (RepairResult& result : results) {
      if (result.outcome == RepairOutcome::kDone) result.outcome = RepairOutcome::kFailed;
    }
    return results;
  }
  log32.Commit();
  log64.Commit();
  return results;
}

bool PowerPointRunning() noexcept {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  const UniqueKernelHandle owner(snapshot);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (CompareStringOrdinal(entry.szExeFile, -1, kProgramFile, -1, TRUE) == CSTR_EQUAL) return true;
  }
  return false;
}

}  // namespace zorvane::check
