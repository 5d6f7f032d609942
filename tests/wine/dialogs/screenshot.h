// Screenshots of open dialogs, kept as test artefacts: ImageMagick's import, run as a Unix
// program from Wine, saves the X display's pixels of a window's screen area as a PNG.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::dialogs::test {

// Saves the area of `window` (with a small margin) as <ZORVANE_BIN_DIR>/artifacts/<name>.png,
// or <name>-<dpi>dpi.png when the display is not at 96 DPI. Returns the Unix path of the
// file; empty on failure, with the reason in `error`.
std::string SaveWindowScreenshot(HWND window, const std::string& name, std::string& error);

}  // namespace zorvane::dialogs::test
