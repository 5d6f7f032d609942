// Office's registry places that the check reads (and, for the Resiliency values naming
// Zorvane, repairs), the same for each host below its application key (checked_hosts.h).
// The add-in's own names come from addin/addin_names.h.
#pragma once

#include <array>

#include "addin/addin_names.h"

namespace zorvane::check {

// The versions that the add-in supports: Office 2007, 2010, 2013 and 2016 and later
// (which all use 16.0). There was no 13.0.
inline constexpr std::array<const wchar_t*, 4> kOfficeVersions = {L"12.0", L"14.0", L"15.0", L"16.0"};
inline constexpr wchar_t kClickToRunVersion[] = L"16.0";

inline constexpr wchar_t kOfficeKey[] = ZV_OFFICE_KEY;
// Below kOfficeKey\<version>\<application>:
inline constexpr wchar_t kInstallRootSubkey[] = L"\\InstallRoot";
inline constexpr wchar_t kInstallRootPath[] = L"Path";
inline constexpr wchar_t kDisabledItemsSubkey[] = L"\\Resiliency\\DisabledItems";
inline constexpr wchar_t kCrashingSubkey[] = L"\\Resiliency\\CrashingAddinList";
inline constexpr wchar_t kAlwaysEnableSubkey[] = L"\\Resiliency\\DoNotDisableAddinList";
// Outlook's record of an add-in it disabled for slowness: a DWORD named by the ProgID and this
// suffix, saying what was slow (the numbers of its "always enable" list).
inline constexpr wchar_t kSlowDisabledSubkey[] = L"\\Resiliency\\NotificationReminderAddinData";
inline constexpr wchar_t kSlowDisabledReasonSuffix[] = L"\\dtype";
// Below kOfficeKey\<application>: the host's list of add-ins, one key per ProgID.
inline constexpr wchar_t kAddinsSubkey[] = ZV_ADDINS_SUBKEY;
inline constexpr DWORD kAlwaysEnable = 1;  // what the host's "always enable this add-in" writes
// The first version with the "always enable" list.
inline constexpr wchar_t kFirstAlwaysEnableVersion[] = L"15.0";

// Click-to-Run: its platform, and its private copy of the machine's registry.
inline constexpr wchar_t kClickToRunConfigurationKey[] = ZV_OFFICE_KEY L"\\ClickToRun\\Configuration";
inline constexpr wchar_t kClickToRunPlatform[] = L"Platform";
inline constexpr wchar_t kClickToRunMachineKey[] = ZV_OFFICE_KEY L"\\ClickToRun\\REGISTRY\\MACHINE\\";
inline constexpr wchar_t kWow6432Node[] = L"Wow6432Node\\";

// Office's policies, under HKCU only: a version's, and the cloud policy's (16.0); below them
// the application's key.
inline constexpr wchar_t kOfficePolicyKey[] = L"Software\\Policies\\Microsoft\\Office\\";
inline constexpr wchar_t kCloudPolicyKey[] = L"Software\\Policies\\Microsoft\\Cloud\\Office\\16.0";
inline constexpr wchar_t kPolicySecuritySubkey[] = L"\\Security";
inline constexpr wchar_t kPolicyResiliencySubkey[] = L"\\Resiliency";
inline constexpr wchar_t kPolicyAddinListSubkey[] = L"\\Resiliency\\AddinList";
inline constexpr wchar_t kDisableAllAddins[] = L"disablealladdins";
inline constexpr wchar_t kRequireAddinSignature[] = L"requireaddinsig";
inline constexpr wchar_t kRestrictToList[] = L"RestrictToList";

// COM's classes.
inline constexpr wchar_t kClassesKey[] = L"Software\\Classes\\";

}  // namespace zorvane::check
