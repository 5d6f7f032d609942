#include "addin/registration.h"

#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "Zorvane.h"
#include "addin/addin_names.h"
#include "addin/com_util.h"
#include "addin/host_description.h"
#include "addin/module.h"
#include "addin/product_text.h"
#include "addin/registration_table.h"
#include "common/heap_string.h"
#include "common/registry_undo_log.h"
#include "common/windows_handles.h"

namespace zorvane::addin {
namespace {

// MinGW's HRESULT_FROM_WIN32 is a macro that evaluates its argument twice: a registry call
// inside it would run twice, and a key would be reported as opened when the first call had
// just created it.
HRESULT Win32Result(LSTATUS status) { return HRESULT_FROM_WIN32(status); }

// A GUID in braces, as the registry names classes and libraries.
struct GuidText {
  explicit GuidText(REFGUID guid) noexcept { StringFromGUID2(guid, text, static_cast<int>(std::size(text))); }
  wchar_t text[39] = {};
};

// The values that fill the table's placeholders: the module's, and those of the class that
// ForClass chose last (PowerPoint's until then).
class Placeholders {
 public:
  void ForClass(const HostDescription& host) noexcept {
    host_ = &host;
    clsid_ = GuidText(*host.classId);
  }

  HRESULT Init() noexcept {
    ZV_RETURN_IF_FAILED(ModulePath(module_));
    const std::wstring_view module = module_;
    ZV_RETURN_IF_NO_MEMORY(moduleDir_.Assign(Slice(module, 0, module.find_last_of(L'\\') + 1)));
    ZV_RETURN_IF_NO_MEMORY(description_.Assign(kDescriptionPrefix));
    ZV_RETURN_IF_NO_MEMORY(description_.Append(AuthorCredit()));
    return Expand(RegisteredPlatformsKey(), platformsKey_);
  }

  // The key that lists the bitnesses registered, expanded once.
  const wchar_t* PlatformsKey() const noexcept { return platformsKey_.c_str(); }

  // `pattern` with each %NAME% replaced by its value; E_OUTOFMEMORY when `out` found no room.
  HRESULT Expand(std::wstring_view pattern, HeapWideString& out) const noexcept {
    HeapWideString expanded;
    size_t pos = 0;
    while (pos < pattern.size()) {
      const size_t open = pattern.find(L'%', pos);
      const size_t close = open == std::wstring_view::npos ? open : pattern.find(L'%', open + 1);
      if (close == std::wstring_view::npos) {
        ZV_RETURN_IF_NO_MEMORY(expanded.Append(Slice(pattern, pos)));
        break;
      }
      ZV_RETURN_IF_NO_MEMORY(expanded.Append(Slice(pattern, pos, open - pos)));
      ZV_RETURN_IF_NO_MEMORY(expanded.Append(Value(Slice(pattern, open + 1, close - open - 1))));
      pos = close + 1;
    }
    out = std::move(expanded);
    return S_OK;
  }

 private:
  std::wstring_view Value(std::wstring_view name) const noexcept {
    if (name == L"CLSID") return clsid_.text;
    if (name == L"LIBID") return libid_.text;
    if (name == L"IID") return iid_.text;
    if (name == L"PROGID") return WideView(host_->Names().progId);
    if (name == L"HOST") return WideView(host_->Names().name);
    if (name == L"MODULE") return module_;
    if (name == L"MODULEDIR") return moduleDir_;
    if (name == L"DESCRIPTION") return description_;
    if (name == L"PLATFORM") return sizeof(void*) == 8 ? L"win64" : L"win32";
    return {};  // the table holds no other placeholder
  }

  HeapWideString module_, moduleDir_, description_, platformsKey_;
  const HostDescription* host_ = &kHostDescriptions.front();
  GuidText clsid_{*host_->classId}, libid_{LIBID_Zorvane}, iid_{IID__Connect};
};

enum class Access { Write, Delete };

// The key under which `hive` lives for `scope`. Removal asks for no more rights than the
// caller has, so that keys which are not there can be "removed" by anyone.
HRESULT OpenHive(Hive hive, ClassesScope scope, Access access, UniqueHkey& root) noexcept {
  const REGSAM rights = access == Access::Write ? KEY_ALL_ACCESS : MAXIMUM_ALLOWED;
  if (hive == Hive::CurrentUser) {
    return Win32Result(RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, rights, root.put()));
  }
  const HKEY base = scope == ClassesScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  return Win32Result(RegCreateKeyExW(base, L"Software\\Classes", 0, nullptr, 0, rights, nullptr, root.put(), nullptr));
}

HRESULT WriteEntry(HKEY root, const RegistryEntry& entry, const Placeholders& placeholders,
                   RegistryUndoLog& log) noexcept {
  UniqueHkey key;
  HeapWideString path;
  ZV_RETURN_IF_FAILED(placeholders.Expand(entry.key, path));
  ZV_RETURN_IF_FAILED(Win32Result(log.CreateKey(root, path, key)));
  const std::wstring_view name = entry.valueName;  // empty: the key's default value
  switch (entry.type) {
    case REG_SZ: {
      HeapWideString text;
      ZV_RETURN_IF_FAILED(placeholders.Expand(entry.text, text));
      const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
      return Win32Result(
          log.SetValue(root, path, key.get(), name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes));
    }
    case REG_DWORD:
      return Win32Result(log.SetValue(root, path, key.get(), name, REG_DWORD,
                                      reinterpret_cast<const BYTE*>(&entry.number), sizeof(DWORD)));
    default:
      return S_OK;  // the key alone
  }
}

// Whether any bitness registers the class in the classes of `scope`.
bool AnyPlatformRegistered(ClassesScope scope, const Placeholders& placeholders) noexcept {
  UniqueHkey root;
  UniqueHkey platforms;
  DWORD count = 0;
  return SUCCEEDED(OpenHive(Hive::Classes, scope, Access::Delete, root)) &&
         RegOpenKeyExW(root.get(), placeholders.PlatformsKey(), 0, KEY_QUERY_VALUE, platforms.put()) == ERROR_SUCCESS &&
         RegQueryInfoKeyW(platforms.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         count > 0;
}

// Whether a key shared by the bitnesses is still used after this bitness's own keys went.
// The user's hive serves a registration in either classes root, so both are asked.
bool StillUsed(Hive hive, ClassesScope scope, const Placeholders& placeholders) noexcept {
  if (hive == Hive::Classes) return AnyPlatformRegistered(scope, placeholders);
  return AnyPlatformRegistered(ClassesScope::Machine, placeholders) ||
         AnyPlatformRegistered(ClassesScope::User, placeholders);
}

// Calls `each()` once for a row of the module, and once per class (with its placeholders) for
// a row per class; stops at the first failure.
template <typename Each>
HRESULT ForEachInstance(Per per, Placeholders& placeholders, Each each) noexcept {
  if (per == Per::Module) return each();
  for (const HostDescription& host : kHostDescriptions) {
    placeholders.ForClass(host);
    ZV_RETURN_IF_FAILED(each());
  }
  return S_OK;
}

HRESULT DeleteOwnedKey(const OwnedKey& owned, ClassesScope scope, const Placeholders& placeholders) noexcept {
  if (owned.sharing == Sharing::AllBitnesses && StillUsed(owned.hive, scope, placeholders)) return S_OK;
  UniqueHkey root;
  ZV_RETURN_IF_FAILED(OpenHive(owned.hive, scope, Access::Delete, root));
  HeapWideString path;
  ZV_RETURN_IF_FAILED(placeholders.Expand(owned.key, path));
  const LSTATUS status = RegDeleteTreeW(root.get(), path.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : Win32Result(status);
}

// Every key goes that can; the first failure is reported.
HRESULT DeleteOwnedKeys(ClassesScope scope, Placeholders& placeholders) noexcept {
  HRESULT result = S_OK;
  for (const OwnedKey& owned : OwnedKeys()) {
    ForEachInstance(owned.per, placeholders, [&]() noexcept {
      const HRESULT deleted = DeleteOwnedKey(owned, scope, placeholders);
      if (FAILED(deleted) && SUCCEEDED(result)) result = deleted;
      return S_OK;
    });
  }
  return result;
}

}  // namespace

HRESULT Register(ClassesScope scope) noexcept {
  Placeholders placeholders;
  ZV_RETURN_IF_FAILED(placeholders.Init());
  std::array<UniqueHkey, kHiveCount> roots;
  for (size_t hive = 0; hive < kHiveCount; ++hive) {
    ZV_RETURN_IF_FAILED(OpenHive(static_cast<Hive>(hive), scope, Access::Write, roots[hive]));
  }
  RegistryUndoLog log;
  for (const RegistryEntry& entry : RegistrationEntries()) {
    ZV_RETURN_IF_FAILED(ForEachInstance(entry.per, placeholders, [&]() noexcept {
      return WriteEntry(roots[static_cast<size_t>(entry.hive)].get(), entry, placeholders, log);
    }));
  }
  log.Commit();
  return S_OK;
}

HRESULT RegisterWithFallback() noexcept {
  const HRESULT machine = Register(ClassesScope::Machine);
  if (machine != HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)) return machine;
  return Register(ClassesScope::User);
}

HRESULT Unregister(ClassesScope scope) noexcept {
  Placeholders placeholders;
  ZV_RETURN_IF_FAILED(placeholders.Init());
  return DeleteOwnedKeys(scope, placeholders);
}

}  // namespace zorvane::addin
