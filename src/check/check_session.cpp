#include "check/check_session.h"

#include <algorithm>
#include <iterator>

#include "check/checked_hosts.h"
#include "check/diagnosis.h"
#include "check/repairs.h"
#include "check/state_reader.h"

namespace zorvane::check {

void CheckSession::Refresh() {
  hosts_ = ReadObservedState();
  windows64_ = !hosts_.empty() && hosts_.front().windows64;
  diagnosis_ = Diagnose(hosts_);
}

RepairRun CheckSession::Repair(bool mayElevate) {
  repairResults_.clear();
  repairNotes_.clear();
  if (diagnosis_.repairs.empty()) {
    repairNotes_.push_back(u"repair.none " + RenderText(table_, TextId::kNothingToRepair));
    return RepairRun::kNothingToDo;
  }
  // A host writes its entries back when it exits: its repairs would not last while it runs.
  std::vector<zorvane::check::Repair> allowed;
  for (const CheckedHost& host : kCheckedHosts) {
    const auto ofHost = [&](const zorvane::check::Repair& repair) { return repair.host == host.host; };
    if (std::none_of(diagnosis_.repairs.begin(), diagnosis_.repairs.end(), ofHost)) continue;
    if (ProgramRunning(host.programFile)) {
      repairNotes_.push_back(u"repair." + std::u16string(host.keyPrefix.begin(), host.keyPrefix.end()) + u"refused " +
                             RenderText(table_, TextId::kRepairRefused, {}, WordsOf(host.host)));
      continue;
    }
    std::copy_if(diagnosis_.repairs.begin(), diagnosis_.repairs.end(), std::back_inserter(allowed), ofHost);
  }
  if (allowed.empty()) return RepairRun::kHostRunning;
  repairResults_ = ApplyRepairs(allowed, mayElevate);
  Refresh();
  // A change that left its finding a problem did not repair it, and says so.
  for (RepairResult& result : repairResults_) {
    const bool remains = std::any_of(diagnosis_.findings.begin(), diagnosis_.findings.end(), [&](const Finding& finding) {
      return finding.key == result.repair.findingKey && finding.severity == Severity::kProblem;
    });
    if (result.outcome == RepairOutcome::kDone && remains) result.outcome = RepairOutcome::kNotResolved;
    repairNotes_.push_back(RepairLine(table_, result, windows64_));
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
