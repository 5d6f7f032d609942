#include "dpi_run.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "child_process.h"

namespace zorvane::dialogs::test {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";
constexpr wchar_t kExpectedDpiVariable[] = L"ZORVANE_EXPECTED_DPI";

// The display's DPI setting of the prefix, changed for one scope.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS) {
      previous_ = value;
    }
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof(dpi)),
              ERROR_SUCCESS);
  }
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
  ~ScopedLogPixels() {
    if (previous_) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &*previous_, sizeof(DWORD));
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
    }
  }

 private:
  std::optional<DWORD> previous_;
};

}  // namespace

int ExpectedDpi() {
  const char* value = std::getenv("ZORVANE_EXPECTED_DPI");
  return value != nullptr ? std::atoi(value) : 0;
}

bool RunTestsAtDpi(int dpi, const std::wstring& filter) {
  const ScopedLogPixels display(static_cast<DWORD>(dpi));
  SetEnvironmentVariableW(kExpectedDpiVariable, std::to_wstring(dpi).c_str());
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  ChildProcess child(L"\"" + std::wstring(self) + L"\" --gtest_color=no --gtest_filter=" + filter);
  const DWORD code = child.Wait(std::chrono::seconds(120));
  SetEnvironmentVariableW(kExpectedDpiVariable, nullptr);
  return code == 0;
}

}  // namespace zorvane::dialogs::test
