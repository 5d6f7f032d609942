// The text report: one line per finding, starting with its stable key, and one line per
// repair tried. The same lines make the window's list, the clipboard's text and --report.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "check/check_text.h"
#include "check/findings.h"

namespace zorvane::check {

enum class RepairOutcome { kDone, kNeedsAdministrator, kFailed };

struct RepairResult {
  Repair repair;
  RepairOutcome outcome = RepairOutcome::kDone;
};

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
