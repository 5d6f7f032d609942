// The fake add-in's markup.
#pragma once

#include <string>
#include <string_view>

namespace standin_fake {

// The ribbon document for `mode` (see fake_identity.h).
std::wstring RibbonDocument(std::wstring_view mode);

// The probe menu: reports how the control arrived, which window was in front at connection
// (with the host of the application and the ribbon id), and offers the button that the tests
// click.
std::wstring ProbeMenu(std::wstring_view argumentKind, std::wstring_view id, std::wstring_view tag,
                       std::wstring_view hostWindow);

}  // namespace standin_fake
