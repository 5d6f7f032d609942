// Every text the check shows or prints, by id. Each language is one table (check_text_*.cpp)
// with a text for every id; {0}, {1}... stand for a finding's arguments, {h} for the name of
// the Office application it is about and {x} for that application's program file.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "common/ui_language.h"

namespace zorvane::check {

enum class TextId : std::size_t {
  kNone,
  // Findings and their advice.
  kHostFound,
  kHostExeMissing,
  kAdviceHostExeMissing,
  kNoHost,
  kAdviceNoHost,
  kHostNotInstalled,
  kRegistrationOk,
  kRegistrationMissing,
  kFileMissing,
  kBitnessMismatch,
  kThreadingModel,
  kPathTooLong,
  kUserClassesHideMachine,
  kAdviceRegister,
  kAdviceReinstall,
  kAdviceRemoveUserClasses,
  kFeatureLeftOut,
  kAdviceAddFeature,
  kAdviceShorterPath,
  kAdviceInstallX64,
  kAdviceInstallX86,
  kEntryMissing,
  kLoadBehaviorOk,
  kLoadBehaviorAfterFailure,
  kLoadBehaviorTurnedOff,
  kLoadBehaviorMissing,
  kLoadBehaviorWrongType,
  kLoadBehaviorOther,
  kAdviceLoadBehavior,
  kUserEntryHidesMachine,
  kAdviceUserEntryHidesMachine,
  kUserEntryCopy,
  kAdviceRemoveUserEntry,
  kDisabledItems,
  kAdviceDisabledItems,
  kAdviceDisabledItems2007,
  kDisabledUnreadable,
  kAdviceDisabledUnreadable,
  kCrashing,
  kAdviceCrashing,
  kAlwaysEnable,
  kAdviceAlwaysEnable,
  kAdviceAlwaysEnableInHost,
  kAlwaysEnabled,
  kAlwaysEnabledByPolicy,
  kSlowDisabledLoad,
  kSlowDisabledCrash,
  kSlowDisabledFolderSwitch,
  kSlowDisabledItemOpen,
  kSlowDisabledCalls,
  kSlowDisabledShutdown,
  kSlowDisabledOther,
  kAdviceSlowDisabled,
  kAdviceLoadBehaviorOutlook,
  kAdviceDisabledItemsOutlook2007,
  kAdviceUiErrorsOutlook,
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
  kChangeDeleteKey,
  kChangeRegister,
  kChangeReinstall,
  kRepairDone,
  kRepairNeedsAdministrator,
  kRepairFailed,
  kRepairNotUndone,
  kPlaceValue,
  kDefaultValue,
  kListSeparator,
  kRepairNotResolved,
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

// True when `table` holds every id once, in id order, each with a text (kNone alone empty).
template <std::size_t N>
consteval bool CompleteTable(const std::array<TextEntry, N>& table) {
  if (N != static_cast<std::size_t>(TextId::kCount)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].id) != i) return false;
    if (table[i].text.empty() != (table[i].id == TextId::kNone)) return false;
  }
  return true;
}

// A language's table: a type with `kTable`, checked where it is defined, so that a table that
// misses a text, or leaves one empty, does not compile.
template <class T>
concept CompleteCheckText = CompleteTable(T::kTable);

// Each language's table; entry i holds TextId i.
std::span<const TextEntry> SimplifiedChineseText() noexcept;
std::span<const TextEntry> TraditionalChineseText() noexcept;
std::span<const TextEntry> EnglishText() noexcept;

// The table of `language`; Simplified Chinese for a value outside the enumeration.
std::span<const TextEntry> TextTable(UiLanguage language) noexcept;

// What {h} and {x} stand for.
struct HostWords {
  std::u16string_view name;         // "PowerPoint"
  std::u16string_view programFile;  // "POWERPNT.EXE"
};

// The text of `id` in `table` with {n} replaced by args[n], {h} and {x} by `host`'s words
// (a placeholder stays where there is nothing for it).
std::u16string RenderText(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args = {},
                          HostWords host = {});

}  // namespace zorvane::check
