// The test programs run the host many times on an X display without a window manager.
// Two things make each run slow there, so they are set up once per test program:
// - Wine waits up to 2 s for a "managed" window to be withdrawn when it is destroyed, a
//   notice that only a window manager sends: windows are made unmanaged for the run.
// - Wine starts the desktop process for the first window and stops it when none is
//   left, which costs seconds each time: a hidden window of ours keeps it alive.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "test_registry.h"

namespace {

constexpr wchar_t kX11DriverKey[] = L"Software\\Wine\\X11 Driver";

class DesktopEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    x11Driver_.emplace(kX11DriverKey);
    standin_test::SetString(kX11DriverKey, L"Managed", L"N");
    window_ = CreateWindowExW(0, L"STATIC", L"standin tests", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  void TearDown() override {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
    x11Driver_.reset();
  }

 private:
  std::optional<standin_test::KeySnapshot> x11Driver_;
  HWND window_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const g_desktop =
    ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);

}  // namespace
