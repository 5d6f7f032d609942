// An in-memory RegistryStore that records every call in order, for the loader's tests.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/registry_store.h"

namespace zorvane::settings::testing {

struct StoreCall {
  enum Kind { kGet, kSave } kind;
  std::u16string path;
  std::u16string valueName;
  std::u16string text;  // the text written; empty for a read

  bool operator==(const StoreCall&) const = default;
};

class FakeRegistryStore final : public RegistryStore {
 public:
  using Values = std::map<std::pair<std::u16string, std::u16string>, std::u16string>;

  // A denied store behaves as a key that can be neither read nor written: every read is unknown.
  bool denied = false;
  // Values that are there but whose reads fail (out of memory).
  std::set<std::u16string> unreadable;
  Values values;
  std::vector<StoreCall> calls;

  void Put(std::u16string_view path, std::u16string_view valueName, std::u16string_view text) {
    values[{std::u16string(path), std::u16string(valueName)}] = std::u16string(text);
  }

  std::optional<HeapU16String> GetSettingText(std::u16string_view path, std::u16string_view valueName) override {
    calls.push_back({StoreCall::kGet, std::u16string(path), std::u16string(valueName), {}});
    if (unreadable.contains(std::u16string(valueName))) return std::nullopt;
    if (denied) return std::nullopt;
    const auto found = values.find({std::u16string(path), std::u16string(valueName)});
    return found == values.end() ? HeapU16String() : MakeHeapString<char16_t>(found->second);
  }

  bool SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                       std::u16string_view text) override {
    calls.push_back({StoreCall::kSave, std::u16string(path), std::u16string(valueName), std::u16string(text)});
    if (!denied) Put(path, valueName, text);
    return !denied;
  }
};

}  // namespace zorvane::settings::testing
