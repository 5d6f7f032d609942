// One check as the window and the command line run it: read, decide, repair, read again.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "check/check_text.h"
#include "check/findings.h"
#include "check/observed_state.h"
#include "check/report.h"

namespace zorvane::check {

// kHostRunning: each host with something to repair runs, so nothing was repaired.
enum class RepairRun { kApplied, kNothingToDo, kHostRunning };

class CheckSession {
 public:
  explicit CheckSession(std::span<const TextEntry> table) : table_(table) {}

  // Reads the machine's state again and decides. Throws only std::bad_alloc.
  void Refresh();

  // Applies the safe repairs, except a host's while its program runs, then refreshes.
  // `mayElevate`: a repair for all users may ask for administrator rights (the window's user is
  // there to answer).
  RepairRun Repair(bool mayElevate);

  const Diagnosis& diagnosis() const noexcept { return diagnosis_; }
  const std::vector<RepairResult>& repairResults() const noexcept { return repairResults_; }
  std::span<const TextEntry> table() const noexcept { return table_; }
  bool windows64() const noexcept { return windows64_; }

  // After Repair: a line for each host whose repairs were refused, and one per repair tried.
  const std::vector<std::u16string>& repairNotes() const noexcept { return repairNotes_; }

  // The repairs' lines (after Repair), then one line per finding, each ending with `newline`.
  std::u16string Report(std::u16string_view newline) const;

 private:
  std::span<const TextEntry> table_;
  std::vector<ObservedState> hosts_;
  bool windows64_ = false;
  Diagnosis diagnosis_;
  std::vector<RepairResult> repairResults_;
  std::vector<std::u16string> repairNotes_;
};

}  // namespace zorvane::check
