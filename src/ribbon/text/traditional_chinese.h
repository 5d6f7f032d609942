// The ribbon's own text in Traditional Chinese, in the terms of Office for Taiwan.
#pragma once

#include "ribbon/text/host_names.h"

namespace zorvane::ribbon::text {

struct TraditionalChinese {
  static constexpr const auto& kPowerPointName = product::kPowerPoint2007;
  static constexpr const auto& kWordName = product::kWord2007;
  static constexpr const auto& kExcelName = product::kExcel2007;
  static constexpr char16_t kOutlookName[] = u"Outlook";
  static constexpr char16_t kAllLabel[] = u"全部";
  static constexpr char16_t kAllScreentip[] = u"全部功能表";
  static constexpr char16_t kFileLabel[] = u"檔案";
  static constexpr char16_t kFileScreentip[] = u"檔案功能表";
  static constexpr char16_t kFileSupertip[] = u"取得 % 開啟、關閉等與檔案相關的操作。";
  static constexpr char16_t kEditLabel[] = u"編輯";
  static constexpr char16_t kEditScreentip[] = u"編輯功能表";
  static constexpr char16_t kEditSupertip[] = u"取得 % 複製、剪下等與編輯有關的操作。";
  static constexpr char16_t kViewLabel[] = u"檢視";
  static constexpr char16_t kViewScreentip[] = u"檢視功能表";
  static constexpr char16_t kViewSupertip[] = u"取得 % 版面配置、外觀等有關的操作。";
  static constexpr char16_t kInsertLabel[] = u"插入";
  static constexpr char16_t kInsertScreentip[] = u"插入功能表";
  static constexpr char16_t kInsertSupertip[] = u"取得 % 插入各種物件的有關操作。";
  static constexpr char16_t kFormatLabel[] = u"格式";
  static constexpr char16_t kFormatScreentip[] = u"格式功能表";
  static constexpr char16_t kFormatSupertip[] = u"取得 % 各種物件格式的有關操作。";
  static constexpr char16_t kToolsLabel[] = u"工具";
  static constexpr char16_t kToolsScreentip[] = u"工具功能表";
  static constexpr char16_t kToolsSupertip[] = u"取得 % 校訂、控制項、巨集及增益集管理等有關的操作。";
  static constexpr char16_t kSlideLabel[] = u"投影片放映";
  static constexpr char16_t kSlideScreentip[] = u"投影片放映功能表";
  static constexpr char16_t kSlideSupertip[] = u"取得 % 投影片放映的有關操作。";
  static constexpr char16_t kTableLabel[] = u"表格";
  static constexpr char16_t kTableScreentip[] = u"表格功能表";
  static constexpr char16_t kTableSupertip[] = u"取得 % 表格的有關操作。";
  static constexpr char16_t kDataLabel[] = u"資料";
  static constexpr char16_t kDataScreentip[] = u"資料功能表";
  static constexpr char16_t kDataSupertip[] = u"取得 % 資料的有關操作。";
  static constexpr char16_t kWindowLabel[] = u"視窗";
  static constexpr char16_t kWindowScreentip[] = u"視窗功能表";
  static constexpr char16_t kWindowSupertip[] = u"取得 % 視窗排列的有關操作。";
  static constexpr char16_t kGoLabel[] = u"移至";
  static constexpr char16_t kGoScreentip[] = u"移至功能表";
  static constexpr char16_t kGoSupertip[] = u"取得在 % 各資料夾和模組之間移動的有關操作。";
  static constexpr char16_t kActionsLabel[] = u"執行";
  static constexpr char16_t kActionsScreentip[] = u"執行功能表";
  static constexpr char16_t kActionsSupertip[] = u"取得對 % 郵件和項目回覆、轉寄及標幟的有關操作。";
  static constexpr char16_t kHelpLabel[] = u"說明";
  static constexpr char16_t kHelpScreentip[] = u"說明功能表";
  static constexpr char16_t kHelpSupertip[] = u"取得 % 的有關資訊。";
  static constexpr char16_t kSaveAs97[] = u"另存為 PowerPoint 97-2003 簡報";
  static constexpr char16_t kSend[] = u"傳送";
  static constexpr char16_t kMaster[] = u"母片";
  static constexpr char16_t kAlignment[] = u"對齊方式";
  static constexpr char16_t kIllustrations[] = u"圖例";
  static constexpr char16_t kMacros[] = u"巨集";
  static constexpr char16_t kControls[] = u"控制項";
  static constexpr char16_t kTransition[] = u"切換到此投影片";
  static constexpr char16_t kColorAndGrayscale[] = u"色彩/灰階";
  static constexpr char16_t kThemes[] = u"佈景主題";
  static constexpr char16_t kComments[] = u"註解";
  static constexpr char16_t kReference[] = u"參照";
  static constexpr char16_t kPicture[] = u"圖片";
  static constexpr char16_t kTextBox[] = u"文字方塊";
  static constexpr char16_t kAsianLayout[] = u"亞洲方式配置";
  // Outlook's message windows.
  static constexpr char16_t kMsgNew[] = u"開新檔案";
  static constexpr char16_t kMsgFollowUp[] = u"待處理";
  static constexpr char16_t kMsgJunkEmail[] = u"垃圾郵件";
  static constexpr char16_t kMsgFindAll[] = u"全部尋找";
  static constexpr char16_t kMsgForms[] = u"表單";
  static constexpr char16_t kLanguage[] = u"語言";
  static constexpr char16_t kLettersAndMailings[] = u"信件與郵件";
  static constexpr char16_t kDelete[] = u"刪除";
  static constexpr char16_t kConvert[] = u"轉換";
  static constexpr char16_t kName[] = u"名稱";
  static constexpr char16_t kRow[] = u"列";
  static constexpr char16_t kColumn[] = u"欄";
  static constexpr char16_t kSheet[] = u"工作表";
  static constexpr char16_t kProtection[] = u"保護";
  static constexpr char16_t kFormulaAuditing[] = u"公式稽核";
  static constexpr char16_t kFilter[] = u"篩選";
  static constexpr char16_t kGroupAndOutline[] = u"群組及大綱";
  static constexpr char16_t kExternalData[] = u"匯入外部資料";
  static constexpr char16_t kList[] = u"清單";
  // Outlook's main window.
  static constexpr char16_t kOlNew[] = u"新增";
  static constexpr char16_t kOlOpen[] = u"開啟";
  static constexpr char16_t kOlFolder[] = u"資料夾";
  static constexpr char16_t kOlPageSetup[] = u"版面設定";
  static constexpr char16_t kOlArrangeBy[] = u"排列方式";
  static constexpr char16_t kOlSendReceive[] = u"傳送/接收";
  static constexpr char16_t kOlFind[] = u"尋找";
  static constexpr char16_t kOlForms[] = u"表單";
  static constexpr char16_t kOlNewMailUsing[] = u"新郵件使用";
  static constexpr char16_t kCustomize[] = u"自訂...";
  static constexpr char16_t kAbout[] = u"關於 Quelby";
};

}  // namespace zorvane::ribbon::text
