// QueryValueText against values written raw, type and bytes exactly as given.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "support/registry_test_support.h"
#include "settings/advapi32_registry_store.h"

namespace zorvane::settings {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::SetRawValue;

class QueryValueTextTest : public testing::ScratchKeyTest {
 protected:
  void SetUp() override {
    ScratchKeyTest::SetUp();
    key = testing::CreateKey(path);
    ASSERT_TRUE(key);
  }

  // Writes `data` as value "v" of type `type` and reads it back through QueryValueText.
  std::optional<HeapU16String> Query(DWORD type, const Bytes& data) {
    SetRawValue(key.get(), "v", type, data);
    return QueryValueText(key.get(), u"v");
  }

  UniqueHkey key;
};

// --- REG_SZ -----------------------------------------------------------------------------------

// Whole without its terminator or with it; empty; up to its first NUL; blanks kept.
TEST_F(QueryValueTextTest, StringsReadUpToTheirFirstNul) {
  EXPECT_EQ(Query(REG_SZ, BytesOf("0")), u"0");
  EXPECT_EQ(Query(REG_SZ, Bytes{'0', 0}), u"0");
  EXPECT_EQ(Query(REG_SZ, Bytes{}), u"");
  EXPECT_EQ(Query(REG_SZ, Bytes{0}), u"");
  EXPECT_EQ(Query(REG_SZ, Bytes{'a', 'b', 0, 'c', 'd', 0}), u"ab");
  EXPECT_EQ(Query(REG_SZ, BytesOf(" 0 \0")), u" 0 ");
}

TEST_F(QueryValueTextTest, LongStringReadsWhole) {
  std::string text(20000, 'x');
  text.back() = 'y';
  Bytes data = BytesOf(text);
  data.push_back(0);
  EXPECT_EQ(Query(REG_SZ, data), testing::Wide(text));
}

TEST_F(QueryValueTextTest, StringWrittenWideComesBackFromTheCodePage) {
  const std::optional<std::u16string> text = testing::CodePageText();
  ASSERT_TRUE(text) << "no sample text for code page " << GetACP();
  const std::wstring wide(text->begin(), text->end());
  ASSERT_EQ(RegSetValueExW(key.get(), L"w", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                           static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  EXPECT_EQ(QueryValueText(key.get(), u"w"), *text);
}

// --- REG_BINARY -------------------------------------------------------------------------------

// A 16-bit integer, low byte first; of longer data its first two bytes.
TEST_F(QueryValueTextTest, BinaryReadsAsSixteenBitIntegerLowByteFirst) {
  EXPECT_EQ(Query(REG_BINARY, Bytes{}), u"0");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0x05}), u"5");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0x00, 0x00}), u"0");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0x30, 0x00}), u"48");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0x00, 0x01}), u"256");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0xFF, 0xFF}), u"-1");
  EXPECT_EQ(Query(REG_BINARY, Bytes{0x05, 0x00, 0xFF, 0xFF}), u"5");
  Bytes large(4096, 0xAB);
  large[0] = 0x02;
  large[1] = 0x01;
  EXPECT_EQ(Query(REG_BINARY, large), u"258");
}

// --- other types ------------------------------------------------------------------------------

TEST_F(QueryValueTextTest, OtherTypesReadEmpty) {
  EXPECT_EQ(Query(REG_DWORD, Bytes{0, 0, 0, 0}), u"");
  EXPECT_EQ(Query(REG_DWORD, Bytes{1, 0, 0, 0}), u"");
  EXPECT_EQ(Query(REG_EXPAND_SZ, Bytes{'1', 0}), u"");
  EXPECT_EQ(Query(REG_MULTI_SZ, Bytes{'1', 0, 0}), u"");
  EXPECT_EQ(Query(REG_QWORD, Bytes{0, 0, 0, 0, 0, 0, 0, 0}), u"");
  EXPECT_EQ(Query(REG_NONE, Bytes{'1', 0}), u"");
}

// --- failures ---------------------------------------------------------------------------------

// A missing value or a name with a NUL names nothing and reads empty; a key handle that is none
// cannot be read, so what it holds is unknown.
TEST_F(QueryValueTextTest, WhatNamesNoValueReadsEmpty) {
  SetRawValue(key.get(), "Tab", REG_SZ, Bytes{'0', 0});
  EXPECT_EQ(QueryValueText(key.get(), u"v"), u"");
  EXPECT_EQ(QueryValueText(nullptr, u"Tab"), std::nullopt);
  EXPECT_EQ(QueryValueText(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), u"Tab"), std::nullopt);
  EXPECT_EQ(QueryValueText(key.get(), std::u16string_view(u"Tab\0Home", 8)), u"");
  EXPECT_EQ(QueryValueText(key.get(), u"Tab"), u"0");
}

}  // namespace
}  // namespace zorvane::settings
