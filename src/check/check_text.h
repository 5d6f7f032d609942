// Every text the check shows or prints, by id. Each language is one table (check_text_*.cpp)
// with a text for every id; {0}, {1}... stand for a finding's arguments.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zorvane::check {

enum class TextId : std::size_t {
  kNone,
  // Findings and their advice.
  kPowerPointFound,
  kPowerPointExeMissing,
  kAdvicePowerPointExeMissing,
  kPowerPointNone,
  kAdvicePowerPointNone,
  kRegistrationOk,
  kRegistrationMissing,
  kFileMissing,
  kBitnessMismatch,
  kThreadingModel,
  kAdviceRegister,
  kAdviceInstallX64,
  kAdviceInstallX86,
  kEntryMissing,
  kLoadBehaviorOk,
  kLoadBehaviorAfterFailure,
  kLoadBehaviorTurnedOff,
  kLoadBehaviorMissing,
  kLoadBehaviorOther,
  kAdviceLoadBehavior,
  kUserEntryHidesMachine,
  kAdviceUserEntryHidesMachine,
  kDisabledItems,
  kAdviceDisabledItems,
  kAdviceDisabledItems2007,
  kDisabledUnreadable,
  kAdviceDisabledUnreadable,
  kCrashing,
  kAdviceCrashing,
  kAlwaysEnable,
  kAdviceAlwaysEnable,
  kPolicyDisableAll,
  kPolicyRequireSignature,
  kPolicyRestrictToList,
  kPolicyBlocked,
  kAdviceAdministrator,
  kOwnLocks,
  kAdviceOwnLocks,
  kAllHidden,
  kAdviceAllHidden,
  kClickToRunCopy,
  kAdviceClickToRunCopy,
  kRunAsAdministrator,
  kAdviceRunAsAdministrator,
  kUiErrors,
  kAdviceUiErrors,
  // Report and repairs.
  kSeverityOk,
  kSeverityProblem,
  kSeverityHint,
  kAdviceLabel,
  kChangeSetDword,
  kChangeDeleteValue,
  kChangeRegister,
  kRepairDone,
  kRepairNeedsAdministrator,
  kRepairFailed,
  kRepairRefused,
  kNothingToRepair,
  kCheckFailed,
  kHelp,
  // The window.
  kWindowCaption,
  kColumnResult,
  kColumnText,
  kButtonRepair,
  kButtonCopy,
  kButtonClose,
  kReportCopied,
  kSummaryProblems,
  kSummaryNoProblems,
  kCount
};

struct TextEntry {
  TextId id;
  std::u16string_view text;
};

// Simplified Chinese, the only language so far. Entry i holds TextId i.
std::span<const TextEntry> SimplifiedChineseText() noexcept;

// The text of `id` in `table` with {n} replaced by args[n] ("{n}" stays where there is none).
std::u16string RenderText(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args = {});

}  // namespace zorvane::check
