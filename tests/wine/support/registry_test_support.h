// Helpers of the registry tests under Wine: scratch keys below HKEY_CURRENT_USER that are
// removed before and after each test, raw reads and writes that bypass the code under
// test, and a guard that locks everyone out of a key for the length of a test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/windows_handles.h"

namespace zorvane::settings::testing {

using Bytes = std::vector<std::uint8_t>;

// An ASCII text as the wide string the routines take.
std::u16string Wide(std::string_view ascii);

// Deletes `path` below HKEY_CURRENT_USER with everything under it; a missing key is fine.
void DeleteKeyTree(const std::string& path);

bool KeyExists(const std::string& path);

// Opens (creating as needed) `path` below HKEY_CURRENT_USER with full access.
UniqueHkey CreateKey(const std::string& path);

// Writes a value through the narrow interface exactly as given: type, bytes and byte count.
void SetRawValue(HKEY key, const char* name, DWORD type, const Bytes& data);
Bytes BytesOf(std::string_view text);  // the characters of `text`, no terminator added

// A value as the registry holds it, read through the wide interface so that no code page
// conversion stands between the test and the stored data.
struct StoredValue {
  DWORD type = REG_NONE;
  Bytes data;
  bool operator==(const StoredValue&) const = default;
};
std::optional<StoredValue> ReadStoredValue(const std::string& path, const char* name);
// The stored form of a REG_SZ value holding `text` with its terminating NUL.
StoredValue StoredString(std::u16string_view text);

DWORD ValueCount(const std::string& path);

// A text with at least one non-ASCII character that the system code page represents
// exactly, chosen among a few scripts; nothing when none fits this code page.
std::optional<std::u16string> CodePageText();

// Replaces the key's access list by one that grants everyone `granted` only (none: an empty
// list, so no one may read or write it), and puts the old list back when destroyed. The owner
// keeps the right to change the list.
class DenyAllAccess {
 public:
  explicit DenyAllAccess(const std::string& path, REGSAM granted = 0);
  ~DenyAllAccess();
  DenyAllAccess(const DenyAllAccess&) = delete;
  DenyAllAccess& operator=(const DenyAllAccess&) = delete;

  bool active() const { return active_; }

 private:
  std::string path_;
  std::vector<std::uint8_t> saved_;  // self-relative security descriptor
  bool active_ = false;
};

// The key of the running test: "Software\ZorvaneTests\<suite>.<test>".
inline constexpr char kScratchRoot[] = "Software\\ZorvaneTests";
std::string ScratchKeyPath();

// A test with a key of its own, absent when the test starts and removed when it ends.
class ScratchKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKeyTree(path); }
  void TearDown() override {
    DeleteKeyTree(path);
    // Removes the common parent once it is empty; fails harmlessly while other keys remain.
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchRoot);
  }

  const std::string path = ScratchKeyPath();
  const std::u16string widePath = Wide(path);
};

}  // namespace zorvane::settings::testing
