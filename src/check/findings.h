// The check's results: findings to show and the safe repairs that would resolve some of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_text.h"
#include "check/observed_state.h"
#include "common/office_host.h"

namespace zorvane::check {

enum class Severity { kOk, kProblem, kHint };

struct Finding {
  std::string key;  // stable English key, e.g. "addin.load_behavior", "word.addin.load_behavior"
  Severity severity = Severity::kOk;
  TextId text = TextId::kNone;
  TextId advice = TextId::kNone;
  std::vector<std::u16string> args;        // {0}, {1}... of the text
  std::vector<std::u16string> adviceArgs;  // ... and of the advice
  OfficeHost host = OfficeHost::PowerPoint;  // {h} and {x} of both
  bool operator==(const Finding&) const = default;
};

enum class RepairAction { kSetDword, kDeleteValue, kDeleteKey, kRegisterDll, kReinstallProduct };

struct Repair {
  std::string findingKey;
  RepairAction action = RepairAction::kSetDword;
  RegistryPlace place;        // kSetDword, kDeleteValue, kDeleteKey (the key and all below it)
  std::uint32_t number = 0;   // kSetDword
  std::u16string dll;         // kRegisterDll
  Bits dllBits = Bits::k32;   // kRegisterDll
  InstalledProduct product;   // kReinstallProduct
  OfficeHost host = OfficeHost::PowerPoint;  // whose running program refuses it
  bool operator==(const Repair&) const = default;
};

struct Diagnosis {
  std::vector<Finding> findings;
  std::vector<Repair> repairs;
  bool HasProblems() const noexcept;
};

}  // namespace zorvane::check
