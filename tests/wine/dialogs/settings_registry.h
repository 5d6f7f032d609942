// The settings key as the tests see it, through the wide registry interface and with the
// value names written out here, independently of the code under test.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace zorvane::dialogs::test {

inline constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";

// The nine value names in switch order: the combined menu, then the eight tabs.
inline constexpr std::array<const wchar_t*, 9> kValueNames = {
    L"ShowAllMenu", L"TabHome",   L"TabInsert", L"TabDesign",    L"TabAnimations",
    L"TabSlideShow", L"TabReview", L"TabView",   L"TabDeveloper",
};

// Where policy may set the same nine values: under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
inline constexpr wchar_t kPolicyKey[] = L"SOFTWARE\\Policies\\Quelby\\PowerPoint";

struct StoredValue {
  DWORD type = REG_NONE;
  std::wstring text;
  bool operator==(const StoredValue&) const = default;
};

void PrintTo(const StoredValue& value, std::ostream* out);

void DeleteSettingsKey();
void WriteSetting(const std::wstring& name, const std::wstring& text);

// The policy key of `root` (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER).
void DeletePolicyKey(HKEY root);
void WritePolicy(HKEY root, const std::wstring& name, const std::wstring& text);
std::optional<StoredValue> ReadSetting(const std::wstring& name);

// All nine, in order; a missing value is nothing.
std::array<std::optional<StoredValue>, 9> ReadAllSettings();

}  // namespace zorvane::dialogs::test
