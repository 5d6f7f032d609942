#include "check/check_session.h"

#include <algorithm>

#include "check/diagnosis.h"
#include "check/repairs.h"
#include "check/state_reader.h"

namespace zorvane::check {

void CheckSession::Refresh() {
  state_ = ReadObservedState();
  diagnosis_ = Diagnose(state_);
}

RepairRun CheckSession::Repair(bool mayElevate) {
  repairResults_.clear();
  repairNotes_.clear();
  if (diagnosis_.repairs.empty()) {
    repairNotes_.push_back(u"repair.none " + RenderText(table_, TextId::kNothingToRepair));
    return RepairRun::kNothingToDo;
  }
  // PowerPoint writes these entries back when it exits: a repair now would not last.
  if (PowerPointRunning()) {
    repairNotes_.push_back(u"repair.refused " + RenderText(table_, TextId::kRepairRefused));
    return RepairRun::kPowerPointRunning;
  }
  repairResults_ = ApplyRepairs(diagnosis_.repairs, mayElevate);
  Refresh();
  // A change that left its finding a problem did not repair it, and says so.
  for (RepairResult& result : repairResults_) {
    const bool remains = std::any_of(diagnosis_.findings.begin(), diagnosis_.findings.end(), [&](const Finding& finding) {
      return finding.key == result.repair.findingKey && finding.severity == Severity::kProblem;
    });
    if (result.outcome == RepairOutcome::kDone && remains) result.outcome = RepairOutcome::kNotResolved;
    repairNotes_.push_back(RepairLine(table_, result, state_.windows64));
  }
  return RepairRun::kApplied;
}

std::u16string CheckSession::Report(std::u16string_view newline) const {
  std::u16string text;
  for (const std::u16string& line : repairNotes_) (text += line) += newline;
  for (const std::u16string& line : ReportLines(table_, diagnosis_)) (text += line) += newline;
  return text;
}

}  // namespace zorvane::check
