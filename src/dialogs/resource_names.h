// Names of the dialogs' resources, as dialog_resources.rc declares them.
#pragma once

namespace zorvane::dialogs {

inline constexpr wchar_t kAboutLogoResource[] = L"ZORVANE_ABOUT_LOGO";  // RCDATA, JPEG
inline constexpr wchar_t kLinkHandResource[] = L"ZORVANE_LINK_HAND";    // CURSOR

}  // namespace zorvane::dialogs
