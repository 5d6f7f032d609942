// The settings key as the tests see it, through the wide registry interface and with the
// value names written out here, independently of the code under test.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace zorvane::dialogs::test {

// One host's settings key, its policy key (under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER)
// and its nine value names in switch order: the combined menu, then the eight tabs.
struct HostKeys {
  const wchar_t* settingsKey;
  const wchar_t* policyKey;
  std::array<const wchar_t*, 9> valueNames;
};

inline constexpr HostKeys kPowerPointKeys{
    L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint", L"SOFTWARE\\Policies\\Quelby\\PowerPoint",
    {L"ShowAllMenu", L"TabHome", L"TabInsert", L"TabDesign", L"TabAnimations", L"TabSlideShow", L"TabReview",
     L"TabView", L"TabDeveloper"}};
inline constexpr HostKeys kWordKeys{
    L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word", L"SOFTWARE\\Policies\\Quelby\\Word",
    {L"ShowAllMenu", L"TabHome", L"TabInsert", L"TabPageLayoutWord", L"TabReferences", L"TabMailings",
     L"TabReviewWord", L"TabView", L"TabDeveloper"}};
inline constexpr HostKeys kExcelKeys{
    L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel", L"SOFTWARE\\Policies\\Quelby\\Excel",
    {L"ShowAllMenu", L"TabHome", L"TabInsert", L"TabPageLayoutExcel", L"TabFormulas", L"TabData", L"TabReview",
     L"TabView", L"TabDeveloper"}};

inline constexpr std::array<const wchar_t*, 9> kValueNames = kPowerPointKeys.valueNames;

struct StoredValue {
  DWORD type = REG_NONE;
  std::wstring text;
  bool operator==(const StoredValue&) const = default;
};

void PrintTo(const StoredValue& value, std::ostream* out);

// Each of these acts on PowerPoint's keys unless given another host's.
void DeleteSettingsKey(const HostKeys& keys = kPowerPointKeys);
void WriteSetting(const std::wstring& name, const std::wstring& text, const HostKeys& keys = kPowerPointKeys);

// The policy key of `root` (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER).
void DeletePolicyKey(HKEY root, const HostKeys& keys = kPowerPointKeys);
void WritePolicy(HKEY root, const std::wstring& name, const std::wstring& text,
                 const HostKeys& keys = kPowerPointKeys);
std::optional<StoredValue> ReadSetting(const std::wstring& name, const HostKeys& keys = kPowerPointKeys);

// All nine, in order; a missing value is nothing.
std::array<std::optional<StoredValue>, 9> ReadAllSettings(const HostKeys& keys = kPowerPointKeys);

}  // namespace zorvane::dialogs::test
