#include "check/report.h"

#include "check/checked_hosts.h"

namespace zorvane::check {

std::u16string EscapeControls(std::u16string_view text) {
  const auto control = [](char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
  };
  std::u16string shown;
  shown.reserve(text.size());
  for (const char16_t c : text) {
    if (!control(c)) {
      shown += c;
      continue;
    }
    shown += u"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) shown += u"0123456789ABCDEF"[(c >> shift) & 0xF];
  }
  return shown;
}

std::u16string RenderShown(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args,
                           HostWords host) {
  std::vector<std::u16string> shown;
  shown.reserve(args.size());
  for (const std::u16string& arg : args) shown.push_back(EscapeControls(arg));
  return RenderText(table, id, shown, host);
}

std::u16string ReinstallArguments(const InstalledProduct& product) {
  return u"/f" + std::u16string(kReinstallMode) + u" " + product.productCode;
}

std::u16string ReinstallCommand(const InstalledProduct& product) { return u"msiexec " + ReinstallArguments(product); }

std::u16string SeverityText(std::span<const TextEntry> table, Severity severity) {
  return RenderText(table, severity == Severity::kOk        ? TextId::kSeverityOk
                           : severity == Severity::kProblem ? TextId::kSeverityProblem
                                                            : TextId::kSeverityHint);
}

std::u16string FindingText(std::span<const TextEntry> table, const Finding& finding) {
  const HostWords host = WordsOf(finding.host);
  std::u16string text = RenderShown(table, finding.text, finding.args, host);
  if (finding.advice != TextId::kNone) {
    text += u' ';
    text += RenderText(table, TextId::kAdviceLabel);
    text += RenderShown(table, finding.advice, finding.adviceArgs, host);
  }
  return text;
}

std::u16string FindingLine(std::span<const TextEntry> table, const Finding& finding) {
  std::u16string line(finding.key.begin(), finding.key.end());
  line += u" [";
  line += SeverityText(table, finding.severity);
  line += u"] ";
  line += FindingText(table, finding);
  return line;
}

std::u16string PlaceText(const RegistryPlace& place, bool windows64) {
  std::u16string text = place.root == Root::kCurrentUser ? u"HKCU\\" : u"HKLM\\";
  text += place.key;
  if (place.root == Root::kLocalMachine && windows64) text += place.view == Bits::k64 ? u" (64)" : u" (32)";
  return text;
}

std::u16string RepairLine(std::span<const TextEntry> table, const RepairResult& result, bool windows64) {
  const Repair& repair = result.repair;
  std::u16string change;
  switch (repair.action) {
    case RepairAction::kSetDword: {
      std::u16string number;
      for (std::uint32_t n = repair.number;; n /= 10) {
        number.insert(number.begin(), static_cast<char16_t>(u'0' + n % 10));
        if (n < 10) break;
      }
      const std::u16string args[] = {PlaceText(repair.place, windows64), repair.place.value, number};
      change = RenderShown(table, TextId::kChangeSetDword, args);
      break;
    }
    case RepairAction::kDeleteValue: {
      const std::u16string args[] = {PlaceText(repair.place, windows64), repair.place.value};
      change = RenderShown(table, TextId::kChangeDeleteValue, args);
      break;
    }
    case RepairAction::kDeleteKey: {
      const std::u16string args[] = {PlaceText(repair.place, windows64)};
      change = RenderShown(table, TextId::kChangeDeleteKey, args);
      break;
    }
    case RepairAction::kRegisterDll: {
      const std::u16string args[] = {repair.dll};
      change = RenderShown(table, TextId::kChangeRegister, args);
      break;
    }
    case RepairAction::kReinstallProduct: {
      const std::u16string args[] = {ReinstallCommand(repair.product)};
      change = RenderShown(table, TextId::kChangeReinstall, args);
      break;
    }
  }
  // What the undo could not put back, each place as the report names it.
  std::u16string left;
  for (const NotRestored& item : result.notRestored) {
    if (!left.empty()) left += RenderText(table, TextId::kListSeparator);
    if (item.wholeKey) {
      left += EscapeControls(PlaceText(item.place, windows64));
      continue;
    }
    const std::u16string name =
        item.place.value.empty() ? RenderText(table, TextId::kDefaultValue) : item.place.value;
    const std::u16string args[] = {PlaceText(item.place, windows64), name};
    left += RenderShown(table, TextId::kPlaceValue, args);
  }
  const TextId outcome = result.outcome == RepairOutcome::kDone                 ? TextId::kRepairDone
                         : result.outcome == RepairOutcome::kNeedsAdministrator ? TextId::kRepairNeedsAdministrator
                         : result.outcome == RepairOutcome::kNotResolved        ? TextId::kRepairNotResolved
                         : left.empty()                                         ? TextId::kRepairFailed
                                                                                : TextId::kRepairNotUndone;
  std::u16string line = u"repair.";
  line.append(repair.findingKey.begin(), repair.findingKey.end());
  line += u' ';
  const std::u16string args[] = {change, left};
  line += RenderText(table, outcome, args);
  return line;
}

std::vector<std::u16string> ReportLines(std::span<const TextEntry> table, const Diagnosis& diagnosis) {
  std::vector<std::u16string> lines;
  lines.reserve(diagnosis.findings.size());
  for (const Finding& finding : diagnosis.findings) lines.push_back(FindingLine(table, finding));
  return lines;
}

}  // namespace zorvane::check
