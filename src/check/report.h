// The text report: one line per finding, starting with its stable key, and one line per
// repair tried. The same lines make the window's list, the clipboard's text and --report.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_text.h"
#include "check/findings.h"

namespace zorvane::check {

// kNotResolved: the change was made, but the finding it was to resolve is still there.
enum class RepairOutcome { kDone, kNeedsAdministrator, kFailed, kNotResolved };

// What undoing a failed repair could not put back as it was: a key (with all below it), or a
// value (an empty name: the key's default value).
struct NotRestored {
  RegistryPlace place;
  bool wholeKey = false;
};

struct RepairResult {
  Repair repair;
  RepairOutcome outcome = RepairOutcome::kDone;
  std::vector<NotRestored> notRestored;  // kFailed: what of this repair's change stays
};

// `text` with each character that would break a line or reorder it (C0 and C1 controls, DEL,
// Unicode's line and paragraph separators and bidirectional controls) shown as \uXXXX: texts
// from the registry cannot start a line of their own or disguise one.
std::u16string EscapeControls(std::u16string_view text);

// RenderText with every argument escaped: how the report and the window show any text that
// carries what the machine holds.
std::u16string RenderShown(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args,
                           HostWords host = {});

// Windows Installer's repair of a product: missing files and those of the same or an older
// version, the machine's and the user's registry entries, the shortcuts.
inline constexpr char16_t kReinstallMode[] = u"emus";

// msiexec's arguments for that repair of `product`.
std::u16string ReinstallArguments(const InstalledProduct& product);
// ... and the whole command, as a user runs it.
std::u16string ReinstallCommand(const InstalledProduct& product);

std::u16string SeverityText(std::span<const TextEntry> table, Severity severity);

// The finding's text and, where there is one, its advice after "处理：".
std::u16string FindingText(std::span<const TextEntry> table, const Finding& finding);

// "key [severity] text 处理：advice"
std::u16string FindingLine(std::span<const TextEntry> table, const Finding& finding);

// "HKCU\key" or "HKLM\key", the machine's with its view where it has two.
std::u16string PlaceText(const RegistryPlace& place, bool windows64);

// "repair.<finding key> " and what was (or was not) changed.
std::u16string RepairLine(std::span<const TextEntry> table, const RepairResult& result, bool windows64);

std::vector<std::u16string> ReportLines(std::span<const TextEntry> table, const Diagnosis& diagnosis);

}  // namespace zorvane::check
