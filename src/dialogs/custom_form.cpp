#include "dialogs/custom_form.h"

#include <commctrl.h>

#include "dialogs/controls.h"
#include "dialogs/dialog_font.h"
#include "dialogs/display_choices.h"
#include "dialogs/modal_session.h"
#include "settings/advapi32_registry_store.h"

namespace zorvane::dialogs {
namespace {

// Control identifiers stay clear of IDOK and IDCANCEL: Enter and Esc, which the dialog
// manager sends as those two, have no meaning of their own in this dialog.
enum ControlId : int {
  kIdCheckAll = 1001,
  kIdOk,
  kIdCancel,
  kIdShowCustomFrame,
  kIdList,
  kIdCheckAllItems,
  kIdUnCheckAllItems,
  kIdBuildinTabsFrame,
};

constexpr DWORD kButton = WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;

// In tab order, which is also the Z order: each group box comes after the controls it
// surrounds and so lies behind them.
constexpr ControlLayout kControls[] = {
    {L"BUTTON", L" 显示“全部”菜单", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, kIdCheckAll, {720, 360, 2175, 375}},
    {L"BUTTON", L"确定", kButton, 0, kIdOk, {240, 2760, 885, 375}},
    {L"BUTTON", L"取消", kButton, 0, kIdCancel, {2640, 2760, 885, 375}},
    {L"BUTTON", L"请选择", BS_GROUPBOX, 0, kIdShowCustomFrame, {120, 120, 3495, 735}},
    {WC_LISTVIEWW, L"", WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, WS_EX_CLIENTEDGE,
     kIdList, {240, 1560, 2295, 915}},
    {L"BUTTON", L"全选", kButton, 0, kIdCheckAllItems, {2640, 1560, 855, 375}},
    {L"BUTTON", L"全不选", kButton, 0, kIdUnCheckAllItems, {2640, 2040, 855, 375}},
    {L"BUTTON", L"请选择需显示的内置选项卡", BS_GROUPBOX, 0, kIdBuildinTabsFrame, {120, 1080, 3495, 1575}},
};

// Item k stands for switch k + 1 (settings::kTabHome onwards).
constexpr const wchar_t* kTabItems[] = {
    L"显示开始选项卡", L"显示插入选项卡", L"显示设计选项卡",     L"显示动画选项卡",
    L"显示幻灯片放映选项卡", L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡",
};
static_assert(std::size(kTabItems) + 1 == settings::kSwitchCount);

bool IsOn(std::u16string_view storedText) noexcept {
  return settings::SwitchFromText(storedText) == settings::kHostTrue;
}

}  // namespace

std::wstring_view CustomForm::Caption() const noexcept { return L"自定义"; }

TwipSize CustomForm::ClientSize() const noexcept { return {3705, 3255}; }

HRESULT CustomForm::CreateControls(HWND dialog, int dpi) noexcept {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&classes);

  font_ = CreateDialogFont({}, dpi);
  HWND previous = nullptr;
  for (const ControlLayout& layout : kControls) {
    previous = CreateControl(dialog, layout, dpi, font_.get(), previous);
    if (previous == nullptr) return LastErrorResult();
  }
  checkAll_ = GetDlgItem(dialog, kIdCheckAll);
  list_ = GetDlgItem(dialog, kIdList);

  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  if (ListView_InsertColumn(list_, 0, &column) < 0) return E_FAIL;
  return S_OK;
}

void CustomForm::Load() noexcept {
  settings::LoadDisplaySettings();
  const auto& stored = settings::DisplaySettings.storedTexts;
  SendMessageW(checkAll_, BM_SETCHECK, IsOn(stored[settings::kShowAllMenu]) ? BST_CHECKED : BST_UNCHECKED, 0);
  FillList();
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    ListView_SetCheckState(list_, item, IsOn(stored[settings::kTabHome + item]) ? TRUE : FALSE);
  }
}

void CustomForm::FillList() noexcept {
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    LVITEMW entry{};
    entry.mask = LVIF_TEXT;
    entry.iItem = item;
    entry.pszText = const_cast<wchar_t*>(kTabItems[item]);
    ListView_InsertItem(list_, &entry);
  }
  // One column as wide as the list inside its border and scroll bar.
  RECT inside{};
  GetClientRect(list_, &inside);
  ListView_SetColumnWidth(list_, 0, inside.right - inside.left);
}

void CustomForm::CheckAllItems(bool checked) noexcept {
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    ListView_SetCheckState(list_, item, checked ? TRUE : FALSE);
  }
}

void CustomForm::SaveChoices() noexcept {
  DisplayChoices choices{};
  choices[settings::kShowAllMenu] = SendMessageW(checkAll_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    choices[settings::kTabHome + item] = ListView_GetCheckState(list_, item) == 1;
  }
  ApplyDisplayChoices(choices);
}

std::optional<INT_PTR> CustomForm::OnMessage(ModalSession& session, HWND, UINT message, WPARAM wParam,
                                             LPARAM) noexcept {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
  switch (LOWORD(wParam)) {
    case kIdCheckAllItems:
      CheckAllItems(true);
      return TRUE;
    case kIdUnCheckAllItems:
      CheckAllItems(false);
      return TRUE;
    case kIdOk:
      SaveChoices();
      session.Unload();
      return TRUE;
    case kIdCancel:
      session.Unload();
      return TRUE;
    default:
      return std::nullopt;
  }
}

}  // namespace zorvane::dialogs
