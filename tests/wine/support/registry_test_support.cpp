#include "support/registry_test_support.h"

#include <gtest/gtest.h>

#include "common/exact_registry_value.h"

namespace zorvane::settings::testing {

std::u16string Wide(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void DeleteKeyTree(const std::string& path) {
  const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  ASSERT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << path << ": " << result;
}

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

UniqueHkey CreateKey(const std::string& path) {
  HKEY key = nullptr;
  const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  EXPECT_EQ(result, ERROR_SUCCESS) << path;
  return UniqueHkey(result == ERROR_SUCCESS ? key : nullptr);
}

void SetRawValue(HKEY key, const char* name, DWORD type, const Bytes& data) {
  const LONG result = SetExactValue(key, name, type, data.data(), static_cast<DWORD>(data.size()));
  ASSERT_EQ(result, ERROR_SUCCESS) << name;
}

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::optional<StoredValue> ReadStoredValue(const std::string& path, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const UniqueHkey key(opened);
  const std::wstring wideName(name, name + std::char_traits<char>::length(name));
  StoredValue value;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.data.resize(size);
  if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &value.type, value.data.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.data.resize(size);
  return value;
}

StoredValue StoredString(std::u16string_view text) {
  StoredValue value{REG_SZ, {}};
  for (const char16_t unit : text) {
    value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  value.data.push_back(0);
  value.data.push_back(0);
  return value;
}

DWORD ValueCount(const std::string& path) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0;
  const UniqueHkey key(opened);
  DWORD values = 0;
  RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                   nullptr, nullptr);
  return values;
}

std::optional<std::u16string> CodePageText() {
  // Western European, Simplified Chinese, Japanese, Cyrillic, Greek.
  const std::u16string_view candidates[] = {u"Caf\u00E9 cr\u00E8me \u00C4\u00D6\u00DC", u"\u5168\u90E8\u83DC\u5355",
                                            u"\u30E1\u30CB\u30E5\u30FC", u"\u041C\u0435\u043D\u044E",
                                            u"\u039C\u03B5\u03BD\u03BF\u03CD"};
  for (const std::u16string_view candidate : candidates) {
    const std::wstring wide(candidate.begin(), candidate.end());
    BOOL usedDefault = FALSE;
    char narrow[64] = {};
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), static_cast<int>(wide.size()),
                                           narrow, sizeof narrow, nullptr, &usedDefault);
    if (length > 0 && !usedDefault) return std::u16string(candidate);
  }
  return std::nullopt;
}

DenyAllAccess::DenyAllAccess(const std::string& path, REGSAM granted) : path_(path) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &opened) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open " << path << " to change its access list";
    return;
  }
  const UniqueHkey key(opened);
  DWORD size = 0;
  RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  saved_.resize(size);
  if (size == 0 || RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot read the access list of " << path;
    return;
  }

  alignas(DWORD) BYTE everyone[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof everyone;
  alignas(DWORD) BYTE list[sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE];
  ACL* const acl = reinterpret_cast<ACL*>(list);
  SECURITY_DESCRIPTOR denying;
  if (!InitializeAcl(acl, sizeof list, ACL_REVISION) ||
      (granted != 0 && (!CreateWellKnownSid(WinWorldSid, nullptr, everyone, &sidSize) ||
                        !AddAccessAllowedAce(acl, ACL_REVISION, granted, everyone)))) {
    ADD_FAILURE() << "cannot make the access list for " << path;
    return;
  }
  InitializeSecurityDescriptor(&denying, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&denying, TRUE, acl, FALSE);
  active_ = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &denying) == ERROR_SUCCESS;
  if (!active_) ADD_FAILURE() << "cannot lock " << path;
}

DenyAllAccess::~DenyAllAccess() {
  if (!active_) return;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, WRITE_DAC, &opened) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot unlock " << path_;
    return;
  }
  const UniqueHkey key(opened);
  if (RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, saved_.data()) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot restore the access list of " << path_;
  }
}

std::string ScratchKeyPath() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = kScratchRoot;
  path += '\\';
  path += test->test_suite_name();
  path += '.';
  path += test->name();
  return path;
}

}  // namespace zorvane::settings::testing
