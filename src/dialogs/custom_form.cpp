#include "dialogs/custom_form.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <span>

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
  kIdPolicyNote,
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

// Shown only when policy sets a switch: one line in the band between the tab list's frame
// caption and the list, where the layout leaves room for it.
constexpr ControlLayout kPolicyNote = {
    L"STATIC", L"部分项目已由管理员设置。", SS_LEFT | SS_NOPREFIX, 0, kIdPolicyNote, {240, 1320, 3255, 240}};

// The list's state images: the two check boxes the list makes, then the greyed ones that
// stand for a switch set by policy.
enum StateImage : UINT { kUnchecked = 1, kChecked, kLockedUnchecked, kLockedChecked };

// Item k stands for switch k + 1 (settings::kTabHome onwards).
constexpr const wchar_t* kTabItems[] = {
    L"显示开始选项卡", L"显示插入选项卡", L"显示设计选项卡",     L"显示动画选项卡",
    L"显示幻灯片放映选项卡", L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡",
};
static_assert(std::size(kTabItems) + 1 == settings::kSwitchCount);

bool IsOn(std::u16string_view storedText) noexcept {
  return settings::SwitchFromText(storedText) == settings::kHostTrue;
}

bool AnySet(const settings::PolicySettings& policies) noexcept {
  return std::any_of(policies.begin(), policies.end(), [](const settings::PolicySetting& p) { return p.has_value(); });
}

// Appends faded copies of the list's own two check boxes, unchecked and checked, to its state
// images: each pixel halfway to the window's colour, as the system greys a disabled control.
// False when they could not be added.
bool AddLockedCheckImages(HWND list) noexcept {
  const HIMAGELIST images = ListView_GetImageList(list, LVSIL_STATE);
  int width = 0;
  int height = 0;
  if (images == nullptr || !ImageList_GetIconSize(images, &width, &height) || width <= 0 || height <= 0) return false;

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap image(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const UniqueBitmap opaque(CreateBitmap(width, height, 1, 1, nullptr));  // the mask: all 0, all opaque
  if (!image || !dc || !opaque || bits == nullptr) return false;
  {
    const ScopedSelection selected(dc.get(), opaque.get());
    PatBlt(dc.get(), 0, 0, width, height, BLACKNESS);
  }

  const COLORREF background = GetSysColor(COLOR_WINDOW);
  const std::span<RGBQUAD> pixels(static_cast<RGBQUAD*>(bits), static_cast<std::size_t>(width) * height);
  const auto halfway = [](BYTE from, BYTE to) { return static_cast<BYTE>((from + to + 1) / 2); };
  for (const int source : {kUnchecked - 1, kChecked - 1}) {
    {
      const ScopedSelection selected(dc.get(), image.get());
      RECT all{0, 0, width, height};
      FillRect(dc.get(), &all, GetSysColorBrush(COLOR_WINDOW));
      ImageList_Draw(images, source, dc.get(), 0, 0, ILD_NORMAL);
      GdiFlush();
    }
    for (RGBQUAD& pixel : pixels) {
      pixel.rgbRed = halfway(pixel.rgbRed, GetRValue(background));
      pixel.rgbGreen = halfway(pixel.rgbGreen, GetGValue(background));
      pixel.rgbBlue = halfway(pixel.rgbBlue, GetBValue(background));
      pixel.rgbReserved = 0;
    }
    // The faded box stands on the window's colour, as the list's background is.
    if (ImageList_Add(images, image.get(), opaque.get()) < 0) return false;
  }
  return ImageList_GetImageCount(images) >= static_cast<int>(kLockedChecked);
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
  dpi_ = dpi;
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
  const settings::PolicySettings& policies = settings::DisplaySettings.policies;
  // A switch that policy sets shows the policy's state; every other one the user's own.
  const auto shown = [&](std::size_t index) { return policies[index].value_or(IsOn(stored[index])); };

  SendMessageW(checkAll_, BM_SETCHECK, shown(settings::kShowAllMenu) ? BST_CHECKED : BST_UNCHECKED, 0);
  FillList();
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    ListView_SetCheckState(list_, item, shown(settings::kTabHome + item) ? TRUE : FALSE);
  }
  ShowLocks(policies);
}

void CustomForm::ShowLocks(const settings::PolicySettings& policies) noexcept {
  if (!AnySet(policies)) return;
  if (policies[settings::kShowAllMenu]) EnableWindow(checkAll_, FALSE);

  // Without the greyed images a locked item keeps its plain check box; it still cannot change.
  if (AddLockedCheckImages(list_)) {
    for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
      const settings::PolicySetting& policy = policies[settings::kTabHome + item];
      if (!policy) continue;
      ListView_SetItemState(list_, item, INDEXTOSTATEIMAGEMASK(*policy ? kLockedChecked : kLockedUnchecked),
                            LVIS_STATEIMAGEMASK);
    }
  }
  // From here on the list refuses to change a locked item's check box.
  locked_ = policies;

  CreateControl(GetParent(list_), kPolicyNote, dpi_, font_.get(), list_);
}

bool CustomForm::ItemLocked(int item) const noexcept {
  return item >= 0 && item < static_cast<int>(std::size(kTabItems)) && locked_[settings::kTabHome + item].has_value();
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
    if (!ItemLocked(item)) ListView_SetCheckState(list_, item, checked ? TRUE : FALSE);
  }
}

void CustomForm::SaveChoices() noexcept {
  DisplayChoices choices{};
  choices[settings::kShowAllMenu] = SendMessageW(checkAll_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (int item = 0; item < static_cast<int>(std::size(kTabItems)); ++item) {
    choices[settings::kTabHome + item] = ListView_GetCheckState(list_, item) == 1;
  }
  ApplyDisplayChoices(choices, locked_, ribbon_.Get());
}

std::optional<INT_PTR> CustomForm::OnListNotify(HWND dialog, NMHDR& header) const noexcept {
  if (!AnySet(locked_)) return std::nullopt;  // without policy the list works as it always has
  switch (header.code) {
    case LVN_ITEMCHANGING: {
      // A click on a locked item's check box, or the space bar on it, is refused.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const bool checkChange = (change.uChanged & LVIF_STATE) != 0 &&
                               ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0;
      return ModalSession::Answer(dialog, checkChange && ItemLocked(change.iItem) ? TRUE : FALSE);
    }
    case NM_CUSTOMDRAW: {
      auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return ModalSession::Answer(dialog, CDRF_NOTIFYITEMDRAW);
      if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && ItemLocked(static_cast<int>(draw.nmcd.dwItemSpec))) {
        draw.clrText = GetSysColor(COLOR_GRAYTEXT);
      }
      return ModalSession::Answer(dialog, CDRF_DODEFAULT);
    }
    default:
      return std::nullopt;
  }
}

std::optional<INT_PTR> CustomForm::OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom != list_) return std::nullopt;
    return OnListNotify(dialog, *header);
  }
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
