#include "settings_registry.h"

#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvane::dialogs::test {

namespace {

void DeleteKey(HKEY root, const wchar_t* path) {
  const LSTATUS status = RegDeleteKeyW(root, path);
  ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
}

void WriteText(HKEY root, const wchar_t* path, const std::wstring& name, const std::wstring& text) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace

void DeleteSettingsKey() {
  for (const HostKeys& host : kHostKeys) DeleteKey(HKEY_CURRENT_USER, host.settings);
}

void WriteSetting(const std::wstring& name, const std::wstring& text) {
  WriteText(HKEY_CURRENT_USER, kSettingsKey, name, text);
}

void DeletePolicyKey(HKEY root) {
  for (const HostKeys& host : kHostKeys) DeleteKey(root, host.policy);
}

void DeleteHostKeys() {
  DeleteSettingsKey();
  DeletePolicyKey(HKEY_LOCAL_MACHINE);
  DeletePolicyKey(HKEY_CURRENT_USER);
}

void WritePolicy(HKEY root, const std::wstring& name, const std::wstring& text, const HostKeys& host) {
  WriteText(root, host.policy, name, text);
}

std::optional<StoredValue> ReadSetting(const std::wstring& name, const HostKeys& host) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, host.settings, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  StoredValue value;
  DWORD size = 0;
  std::optional<StoredValue> result;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(data.data()), &size) ==
        ERROR_SUCCESS) {
      value.text = data.data();
      result = value;
    }
  }
  RegCloseKey(key);
  return result;
}

void PrintTo(const StoredValue& value, std::ostream* out) {
  *out << "{type " << value.type << ", \"" << ToUtf8(value.text) << "\"}";
}

std::array<std::optional<StoredValue>, 9> ReadAllSettings() {
  std::array<std::optional<StoredValue>, 9> values;
  for (std::size_t i = 0; i < kValueNames.size(); ++i) values[i] = ReadSetting(kValueNames[i]);
  return values;
}

}  // namespace zorvane::dialogs::test
