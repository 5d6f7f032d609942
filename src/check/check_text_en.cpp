// The check's texts in English, with Office's English names for Office's places.
#include <array>

#include "check/check_text.h"

namespace zorvane::check {
namespace {

using enum TextId;

struct English {
  static constexpr std::array kTable{
      TextEntry{kNone, u""},
      TextEntry{kHostFound, u"Found {h} {0} ({1}-bit) in {2}."},
      TextEntry{kHostExeMissing, u"The registry places {h} {0} in {1}, but {x} there cannot be read; taken as {2}-bit."},
      TextEntry{kAdviceHostExeMissing, u"If {h} starts normally, ignore this; otherwise repair Office."},
      TextEntry{kNoHost, u"No PowerPoint, Word, Excel or Outlook found (2007 to 2016 and later)."},
      TextEntry{kAdviceNoHost, u"Zorvane needs PowerPoint, Word, Excel or Outlook 2007 or later."},
      TextEntry{kHostNotInstalled, u"No {h} found (2007 or later); {h} is not checked."},
      TextEntry{kRegistrationOk, u"{0}-bit {h} finds Zorvane: {1}."},
      TextEntry{kRegistrationMissing, u"The registry that {0}-bit {h} reads holds no complete registration of Zorvane ({1})."},
      TextEntry{kFileMissing, u"The file that Zorvane's registration for {0}-bit {h} names does not exist: {1}."},
      TextEntry{kBitnessMismatch, u"{h} is {0}-bit, but the registered Zorvane is {2}-bit ({1}): it cannot be loaded."},
      TextEntry{kThreadingModel, u"Zorvane's registration for {0}-bit {h} is incomplete (ThreadingModel is not Apartment): {1}."},
      TextEntry{kPathTooLong, u"{0}-bit {h} cannot load Zorvane: its registered path is {2} characters long, longer than Windows loads (259): {1}."},
      TextEntry{kUserClassesHideMachine, u"Zorvane's registration for {0}-bit {h} is incomplete: the current user's own keys of Zorvane's class hide the registration for all users ({1})."},
      TextEntry{kAdviceRegister, u"Click \"Repair\" to register {0} again."},
      TextEntry{kAdviceReinstall, u"Click \"Repair\" to have Windows Installer repair the installed Zorvane."},
      TextEntry{kAdviceRemoveUserClasses, u"Click \"Repair\" to delete the current user's keys of Zorvane's class and ProgID."},
      TextEntry{kFeatureLeftOut, u"Zorvane was installed without its {h} feature, so {0}-bit {h} does not load it."},
      TextEntry{kAdviceAddFeature, u"To use it in {h}, select Zorvane in Programs and Features, click Change and tick {h}; or run the package again: msiexec /i Zorvane-<version>.msi ADDLOCAL={0} (add ALLUSERS=1 for an install for all users)."},
      TextEntry{kAdviceShorterPath, u"Install Zorvane into a folder with a shorter path."},
      TextEntry{kAdviceInstallX64, u"Install the x64 package (Zorvane-version-x64.msi): on 64-bit Windows it serves 32-bit and 64-bit {h} alike."},
      TextEntry{kAdviceInstallX86, u"Install the x86 package (Zorvane-version-x86.msi)."},
      TextEntry{kEntryMissing, u"{0} is not in {h}'s list of add-ins."},
      TextEntry{kLoadBehaviorOk, u"Zorvane loads each time {h} starts (LoadBehavior = 3)."},
      TextEntry{kLoadBehaviorAfterFailure, u"{h} turned Zorvane off after a failed or slow start (LoadBehavior = 2)."},
      TextEntry{kLoadBehaviorTurnedOff, u"Zorvane is cleared in {h}'s list of COM add-ins (LoadBehavior = 0)."},
      TextEntry{kLoadBehaviorMissing, u"Zorvane's add-in key has no LoadBehavior value: {h} does not load it."},
      TextEntry{kLoadBehaviorWrongType, u"Zorvane's LoadBehavior value is stored as {0}, not as a 4-byte REG_DWORD: {h} does not read it."},
      TextEntry{kLoadBehaviorOther, u"Zorvane does not load when {h} starts (LoadBehavior = {0}, should be 3)."},
      TextEntry{kAdviceLoadBehavior, u"Click \"Repair\" to set LoadBehavior back to 3, or select Zorvane in File > Options > Add-ins > Manage: COM Add-ins ({h} 2007: Office button > {h} Options > Add-Ins)."},
      TextEntry{kUserEntryHidesMachine, u"The current user's {0} key holds only LoadBehavior and hides the key registered for all users."},
      TextEntry{kAdviceUserEntryHidesMachine, u"If Zorvane's name or description in the list of COM add-ins is wrong, reinstall Zorvane."},
      TextEntry{kUserEntryCopy, u"The current user has a whole {0} key of their own, as registering the DLL writes it: it hides the entry installed for all users and stays behind when Zorvane is uninstalled."},
      TextEntry{kAdviceRemoveUserEntry, u"Click \"Repair\" to delete the current user's key; the entry installed for all users then applies."},
      TextEntry{kDisabledItems, u"{h} {0} put Zorvane on its Disabled Items list (hard-disabled)."},
      TextEntry{kAdviceDisabledItems, u"Click \"Repair\" to delete this record, or enable Zorvane in File > Options > Add-ins > Manage: Disabled Items."},
      TextEntry{kAdviceDisabledItems2007, u"Click \"Repair\" to delete this record, or enable Zorvane in Office button > {h} Options > Add-Ins > Manage: Disabled Items."},
      TextEntry{kDisabledUnreadable, u"{1} values among {h} {0}'s disabled items cannot be read; they were left as they are."},
      TextEntry{kAdviceDisabledUnreadable, u"If Zorvane still does not appear, look at {h}'s Disabled Items list."},
      TextEntry{kCrashing, u"{h} {0} recorded a crash of Zorvane and may ask at its next start whether to disable it."},
      TextEntry{kAdviceCrashing, u"Click \"Repair\" to delete this record."},
      TextEntry{kAlwaysEnable, u"{h} {0} does not list Zorvane under \"Always enable this add-in\": after a slow start it may turn it off again."},
      TextEntry{kAdviceAlwaysEnable, u"Click \"Repair\" to write the setting that {h}'s \"Always enable this add-in\" writes."},
      TextEntry{kAdviceAlwaysEnableInHost, u"If {h} disables Zorvane for being slow, choose \"Always enable this add-in\" in File > Info > Manage COM Add-ins; this program does not write {h}'s own list."},
      TextEntry{kAlwaysEnabled, u"{h} {0} lists Zorvane under \"Always enable this add-in\"."},
      TextEntry{kAlwaysEnabledByPolicy, u"Group Policy ({h} {0}) keeps Zorvane always enabled."},
      TextEntry{kSlowDisabledLoad, u"{h} {0} disabled Zorvane because it took too long to load (over 1000 ms)."},
      TextEntry{kSlowDisabledCrash, u"{h} {0} disabled Zorvane after a crash it put down to Zorvane."},
      TextEntry{kSlowDisabledFolderSwitch, u"{h} {0} disabled Zorvane because it slowed down switching folders (over 500 ms)."},
      TextEntry{kSlowDisabledItemOpen, u"{h} {0} disabled Zorvane because it slowed down opening items (over 500 ms)."},
      TextEntry{kSlowDisabledCalls, u"{h} {0} disabled Zorvane because it made too many calls in a short time."},
      TextEntry{kSlowDisabledShutdown, u"{h} {0} disabled Zorvane because it slowed down closing {h}."},
      TextEntry{kSlowDisabledOther, u"{h} {0} disabled Zorvane; its record gives the reason as number {1}."},
      TextEntry{kAdviceSlowDisabled, u"In {h}, open File > Info > Manage COM Add-ins (Slow and Disabled COM Add-ins), enable Zorvane and choose \"Always enable this add-in\"; this program does not change {h}'s records."},
      TextEntry{kAdviceLoadBehaviorOutlook, u"Click \"Repair\" to set LoadBehavior back to 3, or select Zorvane in File > Options > Add-ins > Manage: COM Add-ins ({h} 2007: Tools > Trust Center > Add-ins)."},
      TextEntry{kAdviceDisabledItemsOutlook2007, u"Click \"Repair\" to delete this record, or enable Zorvane in Help > Disabled Items."},
      TextEntry{kAdviceUiErrorsOutlook, u"Select \"Show add-in user interface errors\" in File > Options > Advanced > Developers ({h} 2007: Tools > Options > Other > Advanced Options), then start {h}."},
      TextEntry{kPolicyDisableAll, u"Group Policy ({h} {0}) disables all application add-ins."},
      TextEntry{kPolicyRequireSignature, u"Group Policy ({h} {0}) requires add-ins to be signed, and {1} is not signed."},
      TextEntry{kPolicyRestrictToList, u"Group Policy ({h} {0}) allows only the add-ins on its list, and the list does not allow {1}."},
      TextEntry{kPolicyBlocked, u"Group Policy ({h} {0}) blocks {1} in its list of add-ins."},
      TextEntry{kAdviceAdministrator, u"This is your administrator's setting, which this program never changes; please contact your administrator."},
      TextEntry{kOwnLocks, u"Your administrator has locked {0} of Zorvane's display settings in {h} by Group Policy."},
      TextEntry{kAdviceOwnLocks, u"These cannot be changed in \"Customize...\": your administrator has set them."},
      TextEntry{kAllHidden, u"All of Zorvane's tabs and its combined menu in {h} are set to be hidden."},
      TextEntry{kAdviceAllHidden, u"In {h}, open \"Customize...\" and select the items to show."},
      TextEntry{kClickToRunCopy, u"Click-to-Run Office's copy of Zorvane's {h} add-in key ({0}-bit) differs from the actual registration."},
      TextEntry{kAdviceClickToRunCopy, u"Reinstall Zorvane; if they still differ, repair Office in \"Programs and Features\"."},
      TextEntry{kRunAsAdministrator, u"Zorvane is installed for the current user only: {h} run as administrator does not see it."},
      TextEntry{kAdviceRunAsAdministrator, u"Start {h} normally (not as administrator), or ask your administrator to install Zorvane for all users."},
      TextEntry{kUiErrors, u"If Zorvane is loaded and the Quelby tab still does not appear, {h} can show why."},
      TextEntry{kAdviceUiErrors, u"Select \"Show add-in user interface errors\" in File > Options > Advanced > General ({h} 2007: Office button > {h} Options > Advanced), then start {h}."},
      TextEntry{kSeverityOk, u"OK"},
      TextEntry{kSeverityProblem, u"Problem"},
      TextEntry{kSeverityHint, u"Hint"},
      TextEntry{kAdviceLabel, u"What to do: "},
      TextEntry{kChangeSetDword, u"set {1} of {0} to {2}"},
      TextEntry{kChangeDeleteValue, u"delete {1} of {0}"},
      TextEntry{kChangeDeleteKey, u"delete {0} and everything below it"},
      TextEntry{kChangeRegister, u"register {0} again"},
      TextEntry{kChangeReinstall, u"repair the installed Zorvane with Windows Installer ({0})"},
      TextEntry{kRepairDone, u"Changed: {0}"},
      TextEntry{kRepairNeedsAdministrator, u"Needs administrator rights, nothing changed: {0}"},
      TextEntry{kRepairFailed, u"The repair failed and every change was undone: {0}"},
      TextEntry{kRepairNotUndone, u"The repair failed and not every change could be undone: {0}. Not put back as it was: {1}"},
      TextEntry{kPlaceValue, u"{1} of {0}"},
      TextEntry{kDefaultValue, u"(Default)"},
      TextEntry{kListSeparator, u"; "},
      TextEntry{kRepairNotResolved, u"Changed, but the problem remains: {0}"},
      TextEntry{kRepairRefused, u"{h} is running, so nothing was repaired: {h} rewrites these settings when it exits. Please close {h} first."},
      TextEntry{kNothingToRepair, u"Nothing can be repaired automatically."},
      TextEntry{kCheckFailed, u"The check could not run: {0}"},
      TextEntry{kHelp,
                u"ZorvaneCheck: finds why the Quelby tab does not appear, and repairs what touches only Zorvane's own settings.\n"
                u"\n"
                u"ZorvaneCheck.exe            opens the diagnostics window\n"
                u"ZorvaneCheck.exe --report   writes the report (UTF-8, one finding a line, each starting with an English key)\n"
                u"                            to standard output\n"
                u"ZorvaneCheck.exe --repair   applies the safe repairs without a window and reports what it changed\n"
                u"ZorvaneCheck.exe --help     shows this text\n"
                u"\n"
                u"Exit code: 0 = nothing wrong (after --repair: nothing left); 1 = problems found or left (for example a\n"
                u"policy); 2 = the check itself could not run.\n"
                u"Repairs change only Zorvane's own entries, never a policy or another add-in; nothing of PowerPoint, Word,\n"
                u"Excel or Outlook is repaired while it runs.\n"},
      TextEntry{kWindowCaption, u"Zorvane Diagnostics"},
      TextEntry{kColumnResult, u"Result"},
      TextEntry{kColumnText, u"Explanation"},
      TextEntry{kButtonRepair, u"Repair"},
      TextEntry{kButtonCopy, u"Copy Report"},
      TextEntry{kButtonClose, u"Close"},
      TextEntry{kReportCopied, u"The report has been copied to the clipboard."},
      TextEntry{kSummaryProblems, u"Problems found: {0}. Select a line to see what it means and what to do."},
      TextEntry{kSummaryNoProblems, u"No problems found. Select a line to see its details."},
  };
};
static_assert(CompleteCheckText<English>, "the English table misses a text");

}  // namespace

std::span<const TextEntry> EnglishText() noexcept { return English::kTable; }

}  // namespace zorvane::check
