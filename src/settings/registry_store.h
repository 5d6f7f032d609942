// The settings' view of the registry: values below one root key, read through a reader and,
// where the add-in may write, through a store. The Windows layer implements both on
// advapi32; tests implement them in memory.
#pragma once

#include <optional>
#include <string_view>

#include "common/heap_string.h"
#include "common/office_host.h"
#include "common/office_version.h"
#include "settings/display_settings.h"

namespace zorvane::settings {

class RegistryReader {
 public:
  virtual ~RegistryReader() = default;

  // Text of value `valueName` of key `path` below the reader's root. A key or value that is not
  // there, or a value of an unsupported type, yields the empty text; one that is there but
  // could not be read (access denied, no memory, changed while being read: any failure but
  // "not there") yields nothing, as its text is unknown.
  virtual std::optional<HeapU16String> GetSettingText(std::u16string_view path, std::u16string_view valueName) = 0;
};

class RegistryStore : public RegistryReader {
 public:
  // Creates or opens `path` and writes `text` as a string value. False when it could not: the
  // registry is then as it was.
  [[nodiscard]] virtual bool SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                                             std::u16string_view text) = 0;
};

// What policy sets for each switch that `version` of `host` has, read from its policy key through `machine` (the machine's
// root) and `user` (the user's root): the machine's value where it reads as non-empty, else
// the user policy's, else nothing (a value that could not be read counts as empty). A text turns into on or off by the user values' rule.
// Readers only: policy is never written.
PolicySettings ReadPolicySettings(OfficeHost host, OfficeVersion version, RegistryReader& machine,
                                  RegistryReader& user);

// Fills `record` from `host`'s settings key of `store` with the switches that `version` has
// (the others stay false and their values are neither read nor written): all reads first, then "1" written for
// each value read as empty, then the switches from the texts read, except where `policies`
// sets one. A value that could not be read is left as it is in the store; its switch is on
// for this load and its stored text empty. The user's values are read and defaulted whatever policy says. Each load
// rebuilds the whole record, with no allocation of its own: the texts are the store's. A
// store that ends the load early (a test's may raise) leaves `record` unchanged.
void LoadDisplaySettingsFrom(RegistryStore& store, OfficeHost host, OfficeVersion version,
                             DisplaySettingsRecord& record, const PolicySettings& policies = {});

}  // namespace zorvane::settings
