// Prints the Registry table rows of the installer package, taken from the DLL's own
// DllRegisterServer, so that the registration is described in one place only.
//
//   registry_capture.exe [--by-class] DLL FILE_ID FOLDER_ID
//
// HKLM and HKCU are redirected into scratch keys (RegOverridePredefKey) while the DLL
// registers itself; the captured keys are then printed one row a line, UTF-8, as
// Root<TAB>Key<TAB>Name<TAB>Value in the table's own notation:
//   - entries under Software\Classes become root 0 (HKCR: the classes root of the
//     install's scope), the other entries root -1 (HKMU: HKCU per user, HKLM per machine);
//   - the DLL's path becomes [#FILE_ID], its folder [FOLDER_ID], literal brackets [\[] [\]];
//   - a DWORD becomes #N, a string starting with # gets a second one, a key without
//     values or subkeys becomes the row Name "*" with no value.
// Rows are sorted. With --by-class each row ends in a fifth column, the ProgID of the class it
// belongs to (its CLSID key, its ProgID key, or its host's add-in entry named by the ProgID),
// empty for the rows that all classes share. Exit status 0 on success, 1 on a usage error, 2 when the DLL failed or
// wrote something that a package row cannot express.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "common/utf8.h"
#include "common/windows_handles.h"

namespace {

using zorvane::ToUtf8;
using zorvane::UniqueHkey;

constexpr wchar_t kScratchKey[] = L"Software\\Zorvane registry capture";
constexpr wchar_t kClassesPrefix[] = L"Software\\Classes\\";

struct Row {
  int root;
  std::wstring key, name, value;
  bool operator<(const Row& other) const {
    return std::tie(root, key, name) < std::tie(other.root, other.key, other.name);
  }
};

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

void Check(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) throw Failure(std::string(what) + " failed with error " + std::to_string(status));
}

// Formatted text for the package: literal brackets escaped, then the DLL's path and folder
// replaced by references to the installed file and folder.
class Formatter {
 public:
  Formatter(std::wstring module, const std::wstring& fileId, const std::wstring& folderId)
      : module_(std::move(module)),
        folder_(module_.substr(0, module_.find_last_of(L'\\') + 1)),
        fileRef_(L"[#" + fileId + L"]"),
        folderRef_(L"[" + folderId + L"]") {}

  std::wstring Format(const std::wstring& text) const {
    std::wstring out;
    for (size_t pos = 0; pos < text.size();) {
      if (text.compare(pos, module_.size(), module_) == 0) {
        out += fileRef_;
        pos += module_.size();
      } else if (text.compare(pos, folder_.size(), folder_) == 0) {
        out += folderRef_;
        pos += folder_.size();
      } else {
        const wchar_t c = text[pos++];
        if (c == L'[' || c == L']') {
          out += L"[\\";
          out += c;
          out += L']';
        } else if (c == L'\t' || c == L'\r' || c == L'\n') {
          throw Failure("a tab or line break in a registry name or value");
        } else {
          out += c;
        }
      }
    }
    return out;
  }

 private:
  std::wstring module_, folder_, fileRef_, folderRef_;
};

std::wstring ValueText(DWORD type, const std::vector<BYTE>& data, const Formatter& format) {
  switch (type) {
    case REG_DWORD: {
      if (data.size() != sizeof(DWORD)) throw Failure("a DWORD value of the wrong size");
      DWORD number;
      std::copy(data.begin(), data.end(), reinterpret_cast<BYTE*>(&number));
      return L"#" + std::to_wstring(number);
    }
    case REG_SZ:
    case REG_EXPAND_SZ: {
      std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
      while (!text.empty() && text.back() == L'\0') text.pop_back();
      text = format.Format(text);
      if (type == REG_EXPAND_SZ) return L"#%" + text;
      return text.starts_with(L'#') ? L"#" + text : text;
    }
    default:
      throw Failure("a registry value of a type the package does not write: " + std::to_string(type));
  }
}

// Appends the rows of `key` (at `path` below the captured root) and of its subkeys.
void Collect(HKEY key, const std::wstring& path, int userRoot, const Formatter& format, std::vector<Row>& rows) {
  DWORD subkeys = 0, values = 0, maxName = 0, maxValueName = 0, maxData = 0;
  Check(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxName, nullptr, &values, &maxValueName,
                         &maxData, nullptr, nullptr),
        "RegQueryInfoKey");
  // The captured key's place in the package: a classes entry or the other kind.
  int root = userRoot;
  std::wstring rowKey = path;
  if (path.starts_with(kClassesPrefix)) {
    root = 0;
    rowKey = path.substr(wcslen(kClassesPrefix));
  }
  if (!path.empty() && values == 0 && subkeys == 0) {
    rows.push_back({root, format.Format(rowKey), L"*", L""});
  }
  for (DWORD index = 0; index < values; ++index) {
    std::wstring name(maxValueName + 1, L'\0');
    std::vector<BYTE> data(maxData + sizeof(wchar_t));
    DWORD nameLength = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
    Check(RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size), "RegEnumValue");
    name.resize(nameLength);
    data.resize(size);
    if (path.empty()) throw Failure("a value in the root of a redirected hive");
    rows.push_back({root, format.Format(rowKey), format.Format(name), ValueText(type, data, format)});
  }
  for (DWORD index = 0; index < subkeys; ++index) {
    std::wstring name(maxName + 1, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    Check(RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr), "RegEnumKeyEx");
    name.resize(length);
    UniqueHkey subkey;
    Check(RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, subkey.put()), "RegOpenKeyEx");
    Collect(subkey.get(), path.empty() ? name : path + L"\\" + name, userRoot, format, rows);
  }
}

// The scratch hives, under the current user's own key, removed again when done. They are
// ordinary keys: registration refuses to create keys below a volatile one.
class ScratchHives {
 public:
  ScratchHives() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kScratchKey) + L"\\HKLM").c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, machine_.put(), nullptr),
          "creating the scratch key");
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kScratchKey) + L"\\HKCU").c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, user_.put(), nullptr),
          "creating the scratch key");
  }
  ~ScratchHives() {
    Restore();
    machine_.reset();
    user_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
  }
  ScratchHives(const ScratchHives&) = delete;
  ScratchHives& operator=(const ScratchHives&) = delete;

  void Redirect() {
    Check(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_.get()), "RegOverridePredefKey(HKLM)");
    redirected_ = true;
    Check(RegOverridePredefKey(HKEY_CURRENT_USER, user_.get()), "RegOverridePredefKey(HKCU)");
  }
  void Restore() {
    if (!redirected_) return;
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    redirected_ = false;
  }
  HKEY machine() const { return machine_.get(); }
  HKEY user() const { return user_.get(); }

 private:
  UniqueHkey machine_, user_;
  bool redirected_ = false;
};

struct LibraryFree {
  void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueLibrary = zorvane::UniqueHandle<HMODULE, LibraryFree>;

std::vector<Row> Capture(const std::wstring& dll, const std::wstring& fileId, const std::wstring& folderId) {
  UniqueLibrary library(LoadLibraryExW(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!library) throw Failure("cannot load the DLL: error " + std::to_string(GetLastError()));
  using Entry = HRESULT(STDAPICALLTYPE*)();
  const auto registerServer = reinterpret_cast<Entry>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "DllRegisterServer")));
  if (registerServer == nullptr) throw Failure("the DLL has no DllRegisterServer");
  std::wstring module(32768, L'\0');
  module.resize(GetModuleFileNameW(library.get(), module.data(), static_cast<DWORD>(module.size())));

  ScratchHives hives;
  hives.Redirect();
  const HRESULT hr = registerServer();
  hives.Restore();
  if (FAILED(hr)) throw Failure("DllRegisterServer failed with " + std::to_string(static_cast<unsigned long>(hr)));

  const Formatter format(module, fileId, folderId);
  std::vector<Row> rows;
  Collect(hives.machine(), L"", 2, format, rows);
  Collect(hives.user(), L"", -1, format, rows);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// The ProgID of the class that `row` belongs to, or empty: `classes` maps each "CLSID\{...}"
// key to its class's ProgID.
std::wstring ClassOf(const Row& row, const std::vector<std::pair<std::wstring, std::wstring>>& classes) {
  for (const auto& [clsidKey, progId] : classes) {
    if (row.key == clsidKey || row.key.starts_with(clsidKey + L"\\")) return progId;
    if (row.key == progId || row.key.starts_with(progId + L"\\") || row.key.ends_with(L"\\Addins\\" + progId)) {
      return progId;
    }
  }
  return {};
}

std::vector<std::pair<std::wstring, std::wstring>> ClassesOf(const std::vector<Row>& rows) {
  std::vector<std::pair<std::wstring, std::wstring>> classes;
  for (const Row& row : rows) {
    if (row.root == 0 && row.key.starts_with(L"CLSID\\") && row.key.ends_with(L"\\ProgID") && row.name.empty()) {
      classes.emplace_back(row.key.substr(0, row.key.size() - 7), row.value);
    }
  }
  return classes;
}

void Print(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool byClass = argc == 5 && std::wcscmp(argv[1], L"--by-class") == 0;
  if (argc != 4 && !byClass) {
    fputs("usage: registry_capture [--by-class] DLL FILE_ID FOLDER_ID\n", stderr);
    return 1;
  }
  wchar_t** const arguments = argv + (byClass ? 2 : 1);
  try {
    std::string out;
    const std::vector<Row> rows = Capture(arguments[0], arguments[1], arguments[2]);
    const auto classes = ClassesOf(rows);
    for (const Row& row : rows) {
      out += std::to_string(row.root) + "\t" + ToUtf8(row.key) + "\t" + ToUtf8(row.name) + "\t" + ToUtf8(row.value);
      out += byClass ? "\t" + ToUtf8(ClassOf(row, classes)) + "\n" : "\n";
    }
    Print(out);
    return 0;
  } catch (const std::exception& error) {
    fprintf(stderr, "registry_capture: %s\n", error.what());
    return 2;
  }
}
