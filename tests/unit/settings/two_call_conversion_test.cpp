#include "settings/two_call_conversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace zorvane::settings {
namespace {

// A conversion routine that answers the length query with `lengths[0]` and the fill with
// `lengths[1]`, and records the capacity of every call.
struct ScriptedConversion {
  std::vector<int> lengths;
  std::vector<int> capacities;
  int operator()(char* buffer, int capacity) {
    capacities.push_back(capacity);
    const int length = lengths.at(capacities.size() - 1);
    if (buffer != nullptr) {
      for (int i = 0; i < length && i < capacity; ++i) buffer[i] = 'x';
    }
    return length;
  }
};

TEST(TwoCallConversion, FillsABufferOfExactlyTheMeasuredLength) {
  ScriptedConversion convert{{3, 3}, {}};
  EXPECT_EQ(ConvertInTwoCalls<char>(5, convert), std::optional<std::string>("xxx"));
  EXPECT_EQ(convert.capacities, (std::vector<int>{0, 3}));
}

TEST(TwoCallConversion, EmptyAndOversizedInputsAreNotConverted) {
  ScriptedConversion convert;
  EXPECT_EQ(ConvertInTwoCalls<char>(0, convert), std::optional<std::string>(""));
  EXPECT_EQ(ConvertInTwoCalls<char>(static_cast<std::size_t>(INT_MAX) + 1, convert), std::nullopt);
  EXPECT_TRUE(convert.capacities.empty());
}

TEST(TwoCallConversion, FailedOrDisagreeingCallsGiveNothing) {
  for (const std::vector<int>& lengths : {std::vector<int>{0}, {-1}, {3, 0}, {3, 2}, {3, 4}}) {
    ScriptedConversion convert{lengths, {}};
    EXPECT_EQ(ConvertInTwoCalls<char>(5, convert), std::nullopt) << lengths.size() << " " << lengths.back();
  }
}

}  // namespace
}  // namespace zorvane::settings
