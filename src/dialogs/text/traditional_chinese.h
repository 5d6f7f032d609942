// The dialogs' text in Traditional Chinese, in the terms of Office in Taiwan.
#pragma once

#include "dialogs/dialog_text.h"

namespace zorvane::dialogs::text {

inline constexpr DialogText kTraditionalChinese{
    .ok = L"確定",

    .customCaption = L"自訂",
    .showCustomFrame = L"請選擇",
    .showAllMenu = L" 顯示「全部」功能表",
    .builtinTabsFrame = L"請選擇要顯示的內建索引標籤",
    .checkAllItems = L"全選",
    .unCheckAllItems = L"全部不選",
    .cancel = L"取消",
    .policyNote = L"部分項目已由系統管理員設定。",
    .lockedItem = L"已由系統管理員設定",
    .saveFailed = L"無法儲存您的選擇：寫入登錄失敗。\n所做的變更只在關閉本程式之前有效，下次啟動時將恢復原來的設定。\n\n登錄機碼：HKEY_CURRENT_USER\\",
    // In the order of settings::TabKind.
    .tabItems = {
        L"顯示常用索引標籤",  // Home
        L"顯示插入索引標籤",  // Insert
        L"顯示繪圖索引標籤",  // Draw
        L"顯示設計索引標籤",  // Design
        L"顯示轉場索引標籤",  // Transitions
        L"顯示動畫索引標籤",  // Animations
        L"顯示投影片放映索引標籤",  // SlideShow
        L"顯示錄製索引標籤",  // Recording
        L"顯示版面配置索引標籤",  // PageLayout
        L"顯示參考資料索引標籤",  // References
        L"顯示郵件索引標籤",  // Mailings
        L"顯示公式索引標籤",  // Formulas
        L"顯示資料索引標籤",  // Data
        L"顯示校閱索引標籤",  // Review
        L"顯示檢視索引標籤",  // View
        L"顯示開發人員索引標籤",  // Developer
        L"顯示說明索引標籤",  // Help
        L"顯示傳送/接收索引標籤",  // SendReceive
        L"顯示資料夾索引標籤",  // Folder
        L"顯示訊息索引標籤",  // Message
        L"顯示選項索引標籤",  // Options
        L"顯示設定文字格式索引標籤",  // FormatText
    },

    .aboutCaption = L"關於Quelby",
    .logoName = L"Quelby 標誌",
    .subtitles = {L"PowerPoint2007功能表", L"Word2007功能表", L"Excel2007功能表", L"Outlook功能表"},
    .description =
        L"    本人製作此功能表增益集純屬娛樂，加之能力有限，人又比較笨，所以出現錯誤請大家原諒。希望大家多聯絡我，共同進步。",
    .authorPrefix = L"程式製作:            ",
    .contactHeading = L"聯絡方式：",
    .blogHeading = L"我的部落格:",
};

}  // namespace zorvane::dialogs::text
