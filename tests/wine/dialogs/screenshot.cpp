#include "screenshot.h"

#include <algorithm>
#include <cstdlib>

#include "child_process.h"
#include "dialog_driver.h"

namespace zorvane::dialogs::test {
namespace {

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::string SaveWindowScreenshot(HWND window, const std::string& name, std::string& error) {
  const char* binaryDir = std::getenv("ZORVANE_BIN_DIR");
  const char* display = std::getenv("DISPLAY");
  if (binaryDir == nullptr || display == nullptr) {
    error = "ZORVANE_BIN_DIR and DISPLAY must be set";
    return {};
  }
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) {
    error = "the window is gone";
    return {};
  }
  constexpr int kMargin = 8;
  const int left = std::max<int>(0, bounds.left - kMargin);
  const int top = std::max<int>(0, bounds.top - kMargin);
  const std::string geometry = std::to_string(bounds.right + kMargin - left) + "x" +
                               std::to_string(bounds.bottom + kMargin - top) + "+" + std::to_string(left) + "+" +
                               std::to_string(top);

  const std::string directory = std::string(binaryDir) + "/artifacts";
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const std::string path =
      directory + "/" + name + (dpi == USER_DEFAULT_SCREEN_DPI ? "" : "-" + std::to_string(dpi) + "dpi") + ".png";
  const std::wstring windowsPath = WindowsPathOfUnixPath(path);
  DeleteFileW(windowsPath.c_str());

  // Wine starts Unix programs but gives no handle to wait on: the picture is written under
  // a temporary name and renamed when complete, and the final name is waited for.
  const std::string partial = path + ".part";
  const std::string script = "mkdir -p '" + directory + "' && import -display " + display + " -window root -crop " +
                             geometry + " +repage 'png:" + partial + "' && mv '" + partial + "' '" + path + "'";
  ChildProcess shell(L"/bin/sh -c \"" + Widen(script) + L"\"");
  if (!WaitUntil([&] { return GetFileAttributesW(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30s)) {
    error = "no picture at " + path;
    return {};
  }
  return path;
}

}  // namespace zorvane::dialogs::test
