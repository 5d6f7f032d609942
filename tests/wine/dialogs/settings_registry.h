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

// Each host's two keys, PowerPoint's first. A test that opens a host's dialog cleans that
// host's keys: DeleteSettingsKey and DeletePolicyKey clean every host's.
struct HostKeys {
  const wchar_t* settings;
  const wchar_t* policy;
};
inline constexpr HostKeys kPowerPointKeys{kSettingsKey, kPolicyKey};
inline constexpr HostKeys kHostKeys[] = {
    kPowerPointKeys,
    {L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word", L"SOFTWARE\\Policies\\Quelby\\Word"},
    {L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel", L"SOFTWARE\\Policies\\Quelby\\Excel"},
    {L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Outlook", L"SOFTWARE\\Policies\\Quelby\\Outlook"},
};

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
// Every host's settings and both policy keys: before and after each test that opens a dialog.
void DeleteHostKeys();
void WritePolicy(HKEY root, const std::wstring& name, const std::wstring& text,
                 const HostKeys& host = kPowerPointKeys);
std::optional<StoredValue> ReadSetting(const std::wstring& name, const HostKeys& host = kPowerPointKeys);

// All nine, in order; a missing value is nothing.
std::array<std::optional<StoredValue>, 9> ReadAllSettings();

}  // namespace zorvane::dialogs::test
