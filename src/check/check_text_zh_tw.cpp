// The check's texts in Traditional Chinese, with Taiwan's Office names for Office's places.
#include <array>

#include "check/check_text.h"

namespace zorvane::check {
namespace {

using enum TextId;

struct TraditionalChinese {
  static constexpr std::array kTable{
      TextEntry{kNone, u""},
      TextEntry{kHostFound, u"找到 {h} {0}（{1} 位元），位於 {2}。"},
      TextEntry{kHostExeMissing, u"登錄中記載的 {h} {0} 位於 {1}，但無法讀取那裡的 {x}；以 {2} 位元判斷。"},
      TextEntry{kAdviceHostExeMissing, u"如果 {h} 可以正常啟動，可以忽略；否則請修復 Office。"},
      TextEntry{kNoHost, u"找不到 PowerPoint、Word、Excel 或 Outlook（2007 到 2016 及更新的版本）。"},
      TextEntry{kAdviceNoHost, u"Zorvane 需要 PowerPoint、Word、Excel 或 Outlook 2007 或更新的版本。"},
      TextEntry{kHostNotInstalled, u"找不到 {h}（2007 或更新的版本），不檢查 {h}。"},
      TextEntry{kRegistrationOk, u"{0} 位元 {h} 可以找到 Zorvane：{1}。"},
      TextEntry{kRegistrationMissing, u"{0} 位元 {h} 讀取的登錄中沒有完整的 Zorvane 註冊（{1}）。"},
      TextEntry{kFileMissing, u"{0} 位元 {h} 的 Zorvane 註冊所指向的檔案不存在：{1}。"},
      TextEntry{kBitnessMismatch, u"{h} 是 {0} 位元，但註冊的 Zorvane 是 {2} 位元（{1}），無法載入。"},
      TextEntry{kThreadingModel, u"{0} 位元 {h} 的 Zorvane 註冊不完整（ThreadingModel 不是 Apartment）：{1}。"},
      TextEntry{kPathTooLong, u"{0} 位元 {h} 無法載入 Zorvane：註冊的路徑長 {2} 個字元，超過 Windows 能載入的長度（259）：{1}。"},
      TextEntry{kUserClassesHideMachine, u"{0} 位元 {h} 的 Zorvane 註冊不完整：目前使用者自己的 Zorvane 類別註冊遮住了所有使用者的註冊（{1}）。"},
      TextEntry{kAdviceRegister, u"按一下「修復」重新註冊 {0}。"},
      TextEntry{kAdviceReinstall, u"按一下「修復」，由 Windows Installer 修復已安裝的 Zorvane。"},
      TextEntry{kAdviceRemoveUserClasses, u"按一下「修復」刪除目前使用者的 Zorvane 類別與 ProgID 註冊。"},
      TextEntry{kFeatureLeftOut, u"安裝的 Zorvane 未包含 {h} 功能，因此 {0} 位元 {h} 不會載入 Zorvane。"},
      TextEntry{kAdviceAddFeature, u"如需在 {h} 中使用，請在「程式和功能」中選擇 Zorvane，按一下「變更」並勾選 {h}；或再次執行安裝套件：msiexec /i Zorvane-<版本>.msi ADDLOCAL={0}（為所有使用者安裝的另加 ALLUSERS=1）。"},
      TextEntry{kAdviceShorterPath, u"請將 Zorvane 安裝到路徑較短的資料夾。"},
      TextEntry{kAdviceInstallX64, u"請安裝 x64 安裝套件（Zorvane-版本-x64.msi）：在 64 位元 Windows 上，它同時支援 32 位元和 64 位元 {h}。"},
      TextEntry{kAdviceInstallX86, u"請安裝 x86 安裝套件（Zorvane-版本-x86.msi）。"},
      TextEntry{kEntryMissing, u"{h} 的增益集清單中沒有 {0}。"},
      TextEntry{kLoadBehaviorOk, u"Zorvane 會在每次啟動 {h} 時載入（LoadBehavior = 3）。"},
      TextEntry{kLoadBehaviorAfterFailure, u"{h} 在一次啟動失敗或過慢後關閉了 Zorvane（LoadBehavior = 2）。"},
      TextEntry{kLoadBehaviorTurnedOff, u"Zorvane 在 {h} 的 COM 增益集清單中被取消勾選（LoadBehavior = 0）。"},
      TextEntry{kLoadBehaviorMissing, u"Zorvane 的增益集機碼缺少 LoadBehavior 值，{h} 不會載入它。"},
      TextEntry{kLoadBehaviorWrongType, u"Zorvane 的 LoadBehavior 值類型錯誤（{0}，應為 4 位元組的 REG_DWORD），{h} 不會讀取它。"},
      TextEntry{kLoadBehaviorOther, u"Zorvane 不會在 {h} 啟動時載入（LoadBehavior = {0}，應為 3）。"},
      TextEntry{kAdviceLoadBehavior, u"按一下「修復」將 LoadBehavior 改回 3；也可以在 檔案 > 選項 > 增益集 > 管理：COM 增益集 中勾選 Zorvane（{h} 2007：Office 按鈕 > {h} 選項 > 增益集）。"},
      TextEntry{kUserEntryHidesMachine, u"目前使用者的 {0} 機碼只有 LoadBehavior，遮住了為所有使用者註冊的機碼。"},
      TextEntry{kAdviceUserEntryHidesMachine, u"如果 COM 增益集清單中 Zorvane 的名稱或描述不正確，請重新安裝 Zorvane。"},
      TextEntry{kUserEntryCopy, u"目前使用者有一個完整的 {0} 機碼（註冊 DLL 時寫入的），它遮住了為所有使用者安裝的機碼，且在解除安裝 Zorvane 後仍會留下。"},
      TextEntry{kAdviceRemoveUserEntry, u"按一下「修復」刪除目前使用者的這個機碼，之後以為所有使用者安裝的機碼為準。"},
      TextEntry{kDisabledItems, u"{h} {0} 將 Zorvane 列入了「停用的項目」（強制停用）。"},
      TextEntry{kAdviceDisabledItems, u"按一下「修復」刪除這筆記錄；也可以在 檔案 > 選項 > 增益集 > 管理：停用的項目 中啟用 Zorvane。"},
      TextEntry{kAdviceDisabledItems2007, u"按一下「修復」刪除這筆記錄；也可以在 Office 按鈕 > {h} 選項 > 增益集 > 管理：停用的項目 中啟用 Zorvane。"},
      TextEntry{kDisabledUnreadable, u"{h} {0} 的停用的項目中有 {1} 個值無法讀取，未變更它們。"},
      TextEntry{kAdviceDisabledUnreadable, u"如果 Zorvane 仍未出現，請查看 {h} 的「停用的項目」清單。"},
      TextEntry{kCrashing, u"{h} {0} 記錄了 Zorvane 的一次當機，下次啟動時可能會詢問是否停用它。"},
      TextEntry{kAdviceCrashing, u"按一下「修復」刪除這筆記錄。"},
      TextEntry{kAlwaysEnable, u"{h} {0} 沒有將 Zorvane 設為「一律啟用此增益集」，啟動較慢時可能會再次關閉它。"},
      TextEntry{kAdviceAlwaysEnable, u"按一下「修復」寫入與 {h} 的「一律啟用此增益集」相同的設定。"},
      TextEntry{kAdviceAlwaysEnableInHost, u"如果 {h} 因 Zorvane 過慢而停用了它，請在 檔案 > 資訊 > 管理 COM 增益集 中選擇「一律啟用此增益集」；本程式不改寫 {h} 自己的清單。"},
      TextEntry{kAlwaysEnabled, u"{h} {0} 已將 Zorvane 設為「一律啟用此增益集」。"},
      TextEntry{kAlwaysEnabledByPolicy, u"群組原則（{h} {0}）讓 Zorvane 一律啟用。"},
      TextEntry{kSlowDisabledLoad, u"{h} {0} 因 Zorvane 載入過慢（超過 1000 毫秒）而停用了它。"},
      TextEntry{kSlowDisabledCrash, u"{h} {0} 認為一次當機是 Zorvane 造成的，因而停用了它。"},
      TextEntry{kSlowDisabledFolderSwitch, u"{h} {0} 因 Zorvane 使切換資料夾變慢（超過 500 毫秒）而停用了它。"},
      TextEntry{kSlowDisabledItemOpen, u"{h} {0} 因 Zorvane 使開啟項目變慢（超過 500 毫秒）而停用了它。"},
      TextEntry{kSlowDisabledCalls, u"{h} {0} 因 Zorvane 在短時間內呼叫過多而停用了它。"},
      TextEntry{kSlowDisabledShutdown, u"{h} {0} 因 Zorvane 使 {h} 關閉變慢而停用了它。"},
      TextEntry{kSlowDisabledOther, u"{h} {0} 停用了 Zorvane，記錄中的原因編號為 {1}。"},
      TextEntry{kAdviceSlowDisabled, u"在 {h} 中開啟 檔案 > 資訊 > 管理 COM 增益集（緩慢和已停用的 COM 增益集），啟用 Zorvane 並選擇「一律啟用此增益集」；本程式不變更 {h} 的記錄。"},
      TextEntry{kAdviceLoadBehaviorOutlook, u"按一下「修復」將 LoadBehavior 改回 3；也可以在 檔案 > 選項 > 增益集 > 管理：COM 增益集 中勾選 Zorvane（{h} 2007：工具 > 信任中心 > 增益集）。"},
      TextEntry{kAdviceDisabledItemsOutlook2007, u"按一下「修復」刪除這筆記錄；也可以在 說明 > 停用的項目 中啟用 Zorvane。"},
      TextEntry{kAdviceUiErrorsOutlook, u"在 檔案 > 選項 > 進階 > 開發人員 中勾選「顯示增益集使用者介面錯誤」（{h} 2007：工具 > 選項 > 其他 > 進階選項），再啟動 {h}。"},
      TextEntry{kPolicyDisableAll, u"群組原則（{h} {0}）停用了所有應用程式增益集。"},
      TextEntry{kPolicyRequireSignature, u"群組原則（{h} {0}）要求增益集須有數位簽章，但 {1} 沒有簽章。"},
      TextEntry{kPolicyRestrictToList, u"群組原則（{h} {0}）只允許清單中的增益集，清單中未允許 {1}。"},
      TextEntry{kPolicyBlocked, u"群組原則（{h} {0}）的增益集清單封鎖了 {1}。"},
      TextEntry{kAdviceAdministrator, u"這是系統管理員的設定，本程式不會變更；請連絡系統管理員。"},
      TextEntry{kOwnLocks, u"系統管理員以群組原則鎖定了 {h} 中 Zorvane 的 {0} 項顯示設定。"},
      TextEntry{kAdviceOwnLocks, u"這些項目在「自訂...」中無法變更，這是系統管理員的安排。"},
      TextEntry{kAllHidden, u"{h} 中 Zorvane 的所有索引標籤和合併功能表都設為不顯示。"},
      TextEntry{kAdviceAllHidden, u"在 {h} 中開啟「自訂...」，勾選要顯示的項目。"},
      TextEntry{kClickToRunCopy, u"隨選即用 Office 儲存的 {h} 的 Zorvane 增益集副本（{0} 位元）與實際註冊不同。"},
      TextEntry{kAdviceClickToRunCopy, u"請重新安裝 Zorvane；如果仍不一致，請在「程式和功能」中修復 Office。"},
      TextEntry{kRunAsAdministrator, u"Zorvane 只為目前使用者安裝：以系統管理員身分執行的 {h} 看不到它。"},
      TextEntry{kAdviceRunAsAdministrator, u"請正常啟動 {h}（不要以系統管理員身分執行），或請系統管理員為所有使用者安裝。"},
      TextEntry{kUiErrors, u"如果 Zorvane 已載入而 Quelby 索引標籤仍未出現，{h} 可以顯示原因。"},
      TextEntry{kAdviceUiErrors, u"在 檔案 > 選項 > 進階 > 一般 中勾選「顯示增益集使用者介面錯誤」（{h} 2007：Office 按鈕 > {h} 選項 > 進階），再啟動 {h}。"},
      TextEntry{kSeverityOk, u"正常"},
      TextEntry{kSeverityProblem, u"問題"},
      TextEntry{kSeverityHint, u"提示"},
      TextEntry{kAdviceLabel, u"處理："},
      TextEntry{kChangeSetDword, u"將 {0} 的 {1} 設為 {2}"},
      TextEntry{kChangeDeleteValue, u"刪除 {0} 的 {1}"},
      TextEntry{kChangeDeleteKey, u"刪除 {0} 及其下所有內容"},
      TextEntry{kChangeRegister, u"重新註冊 {0}"},
      TextEntry{kChangeReinstall, u"由 Windows Installer 修復已安裝的 Zorvane（{0}）"},
      TextEntry{kRepairDone, u"已修改：{0}"},
      TextEntry{kRepairNeedsAdministrator, u"需要系統管理員權限，未變更：{0}"},
      TextEntry{kRepairFailed, u"修復失敗，所有修改皆已復原：{0}"},
      TextEntry{kRepairNotUndone, u"修復失敗，未能復原所有修改：{0}。未能恢復原狀：{1}"},
      TextEntry{kPlaceValue, u"{0} 的 {1}"},
      TextEntry{kDefaultValue, u"(預設)"},
      TextEntry{kListSeparator, u"；"},
      TextEntry{kRepairNotResolved, u"已變更，但問題仍在：{0}"},
      TextEntry{kRepairRefused, u"{h} 正在執行，未修復：{h} 結束時會改寫這些設定。請先關閉 {h}。"},
      TextEntry{kNothingToRepair, u"沒有可以自動修復的項目。"},
      TextEntry{kCheckFailed, u"無法進行檢查：{0}"},
      TextEntry{kHelp,
                u"ZorvaneCheck：檢查 Quelby 索引標籤為什麼沒有出現，並修復只涉及 Zorvane 本身設定的問題。\n"
                u"\n"
                u"ZorvaneCheck.exe            開啟診斷視窗\n"
                u"ZorvaneCheck.exe --report   將報告（UTF-8，每項一行，以英文索引鍵開頭）寫到標準輸出\n"
                u"ZorvaneCheck.exe --repair   不開啟視窗，執行安全的修復並報告變更\n"
                u"ZorvaneCheck.exe --help     顯示本說明\n"
                u"\n"
                u"結束代碼：0 = 沒有問題（--repair 之後：沒有剩下的問題）；1 = 發現或剩下問題（例如群組原則）；\n"
                u"2 = 檢查本身無法進行。\n"
                u"修復只變更 Zorvane 自己的項目，絕不變更群組原則和其他增益集；PowerPoint、Word、Excel 或 Outlook 執行時不修復它的項目。\n"},
      TextEntry{kWindowCaption, u"Zorvane 診斷"},
      TextEntry{kColumnResult, u"結果"},
      TextEntry{kColumnText, u"說明"},
      TextEntry{kButtonRepair, u"修復"},
      TextEntry{kButtonCopy, u"複製報告"},
      TextEntry{kButtonClose, u"關閉"},
      TextEntry{kReportCopied, u"報告已複製到剪貼簿。"},
      TextEntry{kSummaryProblems, u"發現 {0} 個問題。選取一行可查看說明和處理方式。"},
      TextEntry{kSummaryNoProblems, u"沒有發現問題。選取一行可查看詳細資料。"},
  };
};
static_assert(CompleteCheckText<TraditionalChinese>, "the Traditional Chinese table misses a text");

}  // namespace

std::span<const TextEntry> TraditionalChineseText() noexcept { return TraditionalChinese::kTable; }

}  // namespace zorvane::check
