// GetSettingText and SaveSettingText on keys below HKEY_CURRENT_USER.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/registry_test_support.h"
#include "settings/advapi32_registry_store.h"
#include "settings/code_page_text.h"

namespace zorvane::settings {
namespace {

using testing::Bytes;
using testing::ReadStoredValue;
using testing::StoredString;
using testing::StoredValue;

const HKEY kInvalidRoot = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234));

using GetSettingTextTest = testing::ScratchKeyTest;

// A key that is missing or a path with a NUL reads empty; a root that is none cannot be read,
// so what it holds is unknown. Nothing is created.
TEST_F(GetSettingTextTest, WhatNamesNoKeyReadsEmptyAndIsNotCreated) {
  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath, u"v"), u"");
  EXPECT_FALSE(testing::KeyExists(path));
  EXPECT_EQ(GetSettingText(kInvalidRoot, widePath, u"v"), std::nullopt);
  const UniqueHkey key = testing::CreateKey(path);
  testing::SetRawValue(key.get(), "v", REG_SZ, Bytes{'0', 0});
  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath + std::u16string(1, u'\0') + u"x", u"v"), u"");
}

TEST_F(GetSettingTextTest, ReadsOneValueOfTheKey) {
  const UniqueHkey key = testing::CreateKey(path + "\\inner");
  testing::SetRawValue(key.get(), "v", REG_SZ, Bytes{'0', 0});
  testing::SetRawValue(key.get(), "w", REG_BINARY, Bytes{0x05});

  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath + u"\\inner", u"v"), u"0");
  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath + u"\\inner", u"w"), u"5");
  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath + u"\\inner", u"missing"), u"");
  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath, u"v"), u"") << "the value is not in the parent";
}

using SaveSettingTextTest = testing::ScratchKeyTest;

TEST_F(SaveSettingTextTest, CreatesMissingKeysAndWritesTerminatedString) {
  EXPECT_TRUE(SaveSettingText(HKEY_CURRENT_USER, widePath + u"\\a\\b", u"v", u"1"));

  EXPECT_EQ(ReadStoredValue(path + "\\a\\b", "v"), StoredString(u"1"));
  EXPECT_EQ(testing::ValueCount(path + "\\a\\b"), 1u);
}

TEST_F(SaveSettingTextTest, OverwritesAValueOfAnotherType) {
  const UniqueHkey key = testing::CreateKey(path);
  testing::SetRawValue(key.get(), "v", REG_DWORD, Bytes{0, 0, 0, 0});

  EXPECT_TRUE(SaveSettingText(HKEY_CURRENT_USER, widePath, u"v", u"0"));

  EXPECT_EQ(ReadStoredValue(path, "v"), StoredString(u"0"));
}

// Each text is stored with its terminator (the empty one as the terminator alone) and reads back.
TEST_F(SaveSettingTextTest, AsciiTextIsStoredTerminatedAndRoundTrips) {
  for (const std::u16string_view text : {u"", u"1", u"0", u" 0", u"some longer text, with punctuation!"}) {
    EXPECT_TRUE(SaveSettingText(HKEY_CURRENT_USER, widePath, u"v", text));
    EXPECT_EQ(ReadStoredValue(path, "v"), StoredString(text));
    EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath, u"v"), text);
  }
}

TEST_F(SaveSettingTextTest, CodePageTextRoundTripsAndIsStoredAsItsCharacters) {
  const std::optional<std::u16string> text = testing::CodePageText();
  ASSERT_TRUE(text) << "no sample text for code page " << GetACP();

  EXPECT_TRUE(SaveSettingText(HKEY_CURRENT_USER, widePath, u"v", *text));

  EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath, u"v"), *text);
  // Read wide, without our conversion: the code page bytes were the right ones.
  EXPECT_EQ(ReadStoredValue(path, "v"), StoredString(*text));
}

// A root that is none, a name or a path with a NUL: nothing is written.
TEST_F(SaveSettingTextTest, InvalidRootOrNameWithNulWritesNothing) {
  EXPECT_FALSE(SaveSettingText(kInvalidRoot, widePath, u"v", u"1"));
  EXPECT_FALSE(testing::KeyExists(path));
  EXPECT_FALSE(SaveSettingText(HKEY_CURRENT_USER, widePath, std::u16string_view(u"Tab\0Home", 8), u"1"));
  EXPECT_EQ(testing::ValueCount(path), 0u);

  EXPECT_FALSE(SaveSettingText(HKEY_CURRENT_USER, widePath + std::u16string(1, u'\0') + u"x", u"v", u"1"));
  EXPECT_EQ(ReadStoredValue(path, "v"), std::nullopt);
}

TEST_F(SaveSettingTextTest, LockedKeyIsLeftAsItWas) {
  {
    const UniqueHkey key = testing::CreateKey(path);
    testing::SetRawValue(key.get(), "v", REG_SZ, Bytes{'0', 0});
  }
  {
    const testing::DenyAllAccess lock(path);
    ASSERT_TRUE(lock.active());
    EXPECT_FALSE(SaveSettingText(HKEY_CURRENT_USER, widePath, u"v", u"1"));
    EXPECT_FALSE(SaveSettingText(HKEY_CURRENT_USER, widePath, u"w", u"1"));
    EXPECT_EQ(GetSettingText(HKEY_CURRENT_USER, widePath, u"v"), std::nullopt);
  }
  EXPECT_EQ(ReadStoredValue(path, "v"), StoredString(u"0"));
  EXPECT_EQ(testing::ValueCount(path), 1u);
}

// --- the code page conversions beneath both routines ------------------------------------------

// ASCII converts both ways; embedded NULs are kept.
TEST(CodePageTextTest, AsciiAndEmbeddedNulsConvertBothWays) {
  EXPECT_EQ(CodePageFromWide(u"TabHome"), std::optional<std::string>("TabHome"));
  EXPECT_EQ(WideFromCodePage("TabHome"), u"TabHome");
  EXPECT_EQ(CodePageFromWide(std::u16string_view(u"a\0b", 3)), std::optional<std::string>(std::string("a\0b", 3)));
  EXPECT_EQ(WideFromCodePage(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
}

}  // namespace
}  // namespace zorvane::settings
