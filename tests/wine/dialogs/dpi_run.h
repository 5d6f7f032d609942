// Runs tests of this program again in a child process with the display set to another DPI
// (Wine reads the setting when a process starts), and puts the setting back afterwards.
#pragma once

#include <string>

namespace zorvane::dialogs::test {

// The DPI a run at another DPI asks its child to find (0 in an ordinary run).
int ExpectedDpi();

// Runs the tests matching `filter` of this program at `dpi`; true when they all passed.
bool RunTestsAtDpi(int dpi, const std::wstring& filter);

}  // namespace zorvane::dialogs::test
