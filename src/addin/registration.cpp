#include "addin/registration.h"

#include <string>
#include <string_view>

#include "Zorvane.h"
#include "addin/addin_names.h"
#include "addin/com_util.h"
#include "addin/module.h"
#include "addin/product_text.h"
#include "addin/registration_table.h"
#include "settings/registry_key.h"

namespace zorvane::addin {
namespace {

using settings::UniqueHkey;

std::wstring GuidText(REFGUID guid) {
  wchar_t text[39];
  StringFromGUID2(guid, text, 39);
  return text;
}

// The values that fill the table's placeholders.
class Placeholders {
 public:
  HRESULT Init() {
    ZV_RETURN_IF_FAILED(ModulePath(module_));
    moduleDir_ = module_.substr(0, module_.find_last_of(L'\\') + 1);
    clsid_ = GuidText(CLSID_Connect);
    libid_ = GuidText(LIBID_Zorvane);
    iid_ = GuidText(IID__Connect);
    description_ = std::wstring(kDescriptionPrefix);
    description_ += AuthorCredit();
    return S_OK;
  }

  std::wstring Expand(std::wstring_view pattern) const {
    std::wstring out;
    size_t pos = 0;
    while (pos < pattern.size()) {
      const size_t open = pattern.find(L'%', pos);
      const size_t close = open == std::wstring_view::npos ? open : pattern.find(L'%', open + 1);
      if (close == std::wstring_view::npos) {
        out.append(pattern.substr(pos));
        break;
      }
      out.append(pattern.substr(pos, open - pos));
      out.append(Value(pattern.substr(open + 1, close - open - 1)));
      pos = close + 1;
    }
    return out;
  }

 private:
  std::wstring_view Value(std::wstring_view name) const {
    if (name == L"CLSID") return clsid_;
    if (name == L"LIBID") return libid_;
    if (name == L"IID") return iid_;
    if (name == L"PROGID") return kProgId;
    if (name == L"MODULE") return module_;
    if (name == L"MODULEDIR") return moduleDir_;
    if (name == L"DESCRIPTION") return description_;
    if (name == L"PLATFORM") return sizeof(void*) == 8 ? L"win64" : L"win32";
    return {};  // the table holds no other placeholder
  }

  std::wstring module_, moduleDir_, clsid_, libid_, iid_, description_;
};

enum class Access { Write, Delete };

// The key under which `hive` lives for `scope`. Removal asks for no more rights than the
// caller has, so that keys which are not there can be "removed" by anyone.
HRESULT OpenHive(Hive hive, ClassesScope scope, Access access, UniqueHkey& root) {
  const REGSAM rights = access == Access::Write ? KEY_ALL_ACCESS : MAXIMUM_ALLOWED;
  if (hive == Hive::CurrentUser) {
    return HRESULT_FROM_WIN32(RegOpenKeyExW(HKEY_CURRENT_USER, nullptr, 0, rights, root.put()));
  }
  const HKEY base = scope == ClassesScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  return HRESULT_FROM_WIN32(
      RegCreateKeyExW(base, L"Software\\Classes", 0, nullptr, 0, rights, nullptr, root.put(), nullptr));
}

HRESULT WriteEntry(HKEY root, const RegistryEntry& entry, const Placeholders& placeholders) {
  UniqueHkey key;
  const std::wstring path = placeholders.Expand(entry.key);
  ZV_RETURN_IF_FAILED(HRESULT_FROM_WIN32(
      RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr)));
  const std::wstring valueName(entry.valueName);
  const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
  switch (entry.type) {
    case REG_SZ: {
      const std::wstring text = placeholders.Expand(entry.text);
      const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
      return HRESULT_FROM_WIN32(
          RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes));
    }
    case REG_DWORD:
      return HRESULT_FROM_WIN32(RegSetValueExW(key.get(), name, 0, REG_DWORD,
                                               reinterpret_cast<const BYTE*>(&entry.number), sizeof(DWORD)));
    default:
      return S_OK;  // the key alone
  }
}

HRESULT DeleteOwnedKeys(ClassesScope scope, const Placeholders& placeholders) {
  HRESULT result = S_OK;
  for (const OwnedKey& owned : OwnedKeys()) {
    UniqueHkey root;
    const HRESULT opened = OpenHive(owned.hive, scope, Access::Delete, root);
    if (FAILED(opened)) {
      if (SUCCEEDED(result)) result = opened;
      continue;
    }
    const std::wstring path = placeholders.Expand(owned.key);
    const LSTATUS status = RegDeleteTreeW(root.get(), path.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && SUCCEEDED(result)) {
      result = HRESULT_FROM_WIN32(status);
    }
  }
  return result;
}

}  // namespace

HRESULT Register(ClassesScope scope) noexcept {
  return GuardComEntry([&]() -> HRESULT {
    Placeholders placeholders;
    ZV_RETURN_IF_FAILED(placeholders.Init());
    for (const RegistryEntry& entry : RegistrationEntries()) {
      UniqueHkey root;
      HRESULT hr = OpenHive(entry.hive, scope, Access::Write, root);
      if (SUCCEEDED(hr)) hr = WriteEntry(root.get(), entry, placeholders);
      if (FAILED(hr)) {
        DeleteOwnedKeys(scope, placeholders);  // leave nothing half-written
        return hr;
      }
    }
    return S_OK;
  });
}

HRESULT RegisterWithFallback() noexcept {
  const HRESULT machine = Register(ClassesScope::Machine);
  if (machine != HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)) return machine;
  return Register(ClassesScope::User);
}

HRESULT Unregister(ClassesScope scope) noexcept {
  return GuardComEntry([&]() -> HRESULT {
    Placeholders placeholders;
    ZV_RETURN_IF_FAILED(placeholders.Init());
    return DeleteOwnedKeys(scope, placeholders);
  });
}

}  // namespace zorvane::addin
