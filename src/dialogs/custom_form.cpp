#include "dialogs/custom_form.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <cstddef>
#include <span>

#include "dialogs/controls.h"
#include "dialogs/dialog_font.h"
#include "dialogs/display_choices.h"
#include "dialogs/modal_session.h"
#include "dialogs/window_placement.h"
#include "settings/advapi32_registry_store.h"

namespace zorvane::dialogs {
namespace {

// OK and Cancel carry IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
enum ControlId : int {
  kIdCheckAll = 1001,
  kIdShowCustomFrame,
  kIdList,
  kIdCheckAllItems,
  kIdUnCheckAllItems,
  kIdBuildinTabsFrame,
  kIdPolicyNote,
};

constexpr DWORD kButton = WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;

struct CustomLayout {
  TwipSize client;
  TwipRect checkAll, showCustomFrame, list, checkAllItems, unCheckAllItems, buildinTabsFrame, ok, cancel;
  // Shown only when policy sets a switch: one line in the band between the tab list's frame
  // caption and the list, where the layout leaves room for it.
  TwipRect policyNote;
};

// The first layout, with one change: the list is 165 twips wider and the two buttons beside
// it as much narrower, since the first layout cut its longest item, "显示幻灯片放映选项卡".
constexpr CustomLayout kSimplifiedChineseLayout = {
    {3705, 3255},
    {720, 360, 2175, 375},   {120, 120, 3495, 735},   {240, 1560, 2460, 915}, {2805, 1560, 690, 375},
    {2805, 2040, 690, 375},  {120, 1080, 3495, 1575}, {240, 2760, 885, 375},  {2640, 2760, 885, 375},
    {240, 1320, 3255, 240},
};

// Traditional Chinese and English texts are longer: the dialog grows by 900 twips, and with
// it the frames, the list, the policy note and the buttons on the right.
constexpr CustomLayout kWideLayout = {
    {4605, 3255},
    {720, 360, 2175, 375},   {120, 120, 4395, 735},   {240, 1560, 3045, 915}, {3390, 1560, 1005, 375},
    {3390, 2040, 1005, 375}, {120, 1080, 4395, 1575}, {240, 2760, 885, 375},  {3510, 2760, 885, 375},
    {240, 1320, 4155, 240},
};

const CustomLayout& LayoutFor(UiLanguage language) noexcept {
  return language == UiLanguage::kSimplifiedChinese ? kSimplifiedChineseLayout : kWideLayout;
}

// The list's state images: the two check boxes the list makes, then the greyed ones that
// stand for a switch set by policy.
enum StateImage : UINT { kUnchecked = 1, kChecked, kLockedUnchecked, kLockedChecked };

// The list's second column, never shown: a locked item's text there is what screen readers
// give as the item's description.
constexpr int kDescriptionColumn = 1;

// The first layout's list shows four of its eight items and scrolls; a version with more tabs
// gets a list tall enough for all of them.
constexpr int kItemsOfTheFirstLayout = 8;

// `child`'s rectangle in `dialog`'s client coordinates.
RECT RectIn(HWND dialog, HWND child) noexcept {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

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

std::wstring_view CustomForm::Caption() const noexcept { return text_.customCaption; }

TwipSize CustomForm::ClientSize() const noexcept { return LayoutFor(language_).client; }

HRESULT CustomForm::CreateControls(HWND dialog, int dpi) noexcept {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&classes);

  // The texts are literals, so their views end in a NUL as window texts must.
  const CustomLayout& at = LayoutFor(language_);
  const auto& t = text_;
  // In tab order, top to bottom, which is also the Z order: each group box comes after the
  // controls it surrounds and so lies behind them. The list's own text, the caption above
  // it, is what screen readers call it.
  const ControlLayout controls[] = {
      {L"BUTTON", t.showAllMenu.data(), WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, kIdCheckAll, at.checkAll},
      {L"BUTTON", t.showCustomFrame.data(), BS_GROUPBOX, 0, kIdShowCustomFrame, at.showCustomFrame},
      {WC_LISTVIEWW, t.builtinTabsFrame.data(),
       WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, WS_EX_CLIENTEDGE, kIdList, at.list},
      {L"BUTTON", t.checkAllItems.data(), kButton, 0, kIdCheckAllItems, at.checkAllItems},
      {L"BUTTON", t.unCheckAllItems.data(), kButton, 0, kIdUnCheckAllItems, at.unCheckAllItems},
      {L"BUTTON", t.builtinTabsFrame.data(), BS_GROUPBOX, 0, kIdBuildinTabsFrame, at.buildinTabsFrame},
      {L"BUTTON", t.ok.data(), WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, IDOK, at.ok},
      {L"BUTTON", t.cancel.data(), kButton, 0, IDCANCEL, at.cancel},
  };

  font_ = CreateDialogFont({}, dpi);
  HWND previous = nullptr;
  for (const ControlLayout& layout : controls) {
    previous = CreateControl(dialog, layout, dpi, font_.get(), previous);
    if (previous == nullptr) return LastErrorResult();
  }
  dpi_ = dpi;
  checkAll_ = GetDlgItem(dialog, kIdCheckAll);
  list_ = GetDlgItem(dialog, kIdList);

  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  if (ListView_InsertColumn(list_, 0, &column) < 0 || ListView_InsertColumn(list_, kDescriptionColumn, &column) < 0) {
    return E_FAIL;
  }
  return S_OK;
}

void CustomForm::Load() noexcept {
  settings::LoadDisplaySettings(host_, version_);
  const settings::DisplaySettingsRecord& loaded = settings::DisplaySettingsOf(host_);
  const auto& stored = loaded.storedTexts;
  const settings::PolicySettings& policies = loaded.policies;
  // A switch that policy sets shows the policy's state; every other one the user's own.
  const auto shown = [&](std::size_t index) { return policies[index].value_or(IsOn(stored[index])); };

  SendMessageW(checkAll_, BM_SETCHECK, shown(settings::kShowAllMenu) ? BST_CHECKED : BST_UNCHECKED, 0);
  FillList();
  for (int item = 0; item < ItemCount(); ++item) {
    ListView_SetCheckState(list_, item, shown(SwitchOf(item)) ? TRUE : FALSE);
  }
  // The first item has the list's focus, so that Space toggles it as soon as the list has
  // the keyboard's.
  ListView_SetItemState(list_, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  ShowLocks(policies);
}

void CustomForm::ShowLocks(const settings::PolicySettings& policies) noexcept {
  if (!AnySet(policies)) return;
  if (policies[settings::kShowAllMenu]) EnableWindow(checkAll_, FALSE);

  // Without the greyed images a locked item keeps its plain check box; it still cannot change.
  const bool greyed = AddLockedCheckImages(list_);
  for (int item = 0; item < ItemCount(); ++item) {
    const settings::PolicySetting& policy = policies[SwitchOf(item)];
    if (!policy) continue;
    if (greyed) {
      ListView_SetItemState(list_, item, INDEXTOSTATEIMAGEMASK(*policy ? kLockedChecked : kLockedUnchecked),
                            LVIS_STATEIMAGEMASK);
    }
    // Not only the grey box: the item says that it is locked.
    ListView_SetItemText(list_, item, kDescriptionColumn, const_cast<wchar_t*>(text_.lockedItem.data()));
  }
  // From here on the list refuses to change a locked item's check box.
  locked_ = policies;

  const ControlLayout note = {L"STATIC",         text_.policyNote.data(), SS_LEFT | SS_NOPREFIX, 0, kIdPolicyNote,
                              LayoutFor(language_).policyNote};
  CreateControl(GetParent(list_), note, dpi_, font_.get(), list_);
}

bool CustomForm::ItemLocked(int item) const noexcept {
  return item >= 0 && item < ItemCount() && locked_[SwitchOf(item)].has_value();
}

void CustomForm::FillList() noexcept {
  const settings::HostSwitches& switches = settings::SwitchesOf(host_);
  for (int item = 0; item < ItemCount(); ++item) {
    LVITEMW entry{};
    entry.mask = LVIF_TEXT;
    entry.iItem = item;
    const settings::TabKind kind = switches.tabs[SwitchOf(item) - 1].kind;
    entry.pszText = const_cast<wchar_t*>(text_.tabItems[static_cast<std::size_t>(kind)].data());
    ListView_InsertItem(list_, &entry);
  }
  GrowListToShowEveryItem(GetParent(list_));
  FitColumnToList();
  WidenListToFitEveryItem(GetParent(list_));
}

// One column as wide as the list inside its border and scroll bar; the second has no width.
void CustomForm::FitColumnToList() noexcept {
  RECT inside{};
  GetClientRect(list_, &inside);
  ListView_SetColumnWidth(list_, 0, inside.right - inside.left);
}

// Before the window shows: where an item's text is wider than its label (a long name beside
// the scroll bar), the list widens by the difference, the frames around it with it, what
// stands to its right moves right, and the window grows by as much. Texts that fit change
// nothing.
void CustomForm::WidenListToFitEveryItem(HWND dialog) noexcept {
  RECT label{};
  if (ItemCount() == 0 || !ListView_GetItemRect(list_, 0, &label, LVIR_LABEL)) return;
  int widest = 0;
  for (int item = 0; item < ItemCount(); ++item) {
    wchar_t text[128] = {};
    ListView_GetItemText(list_, item, 0, text, static_cast<int>(std::size(text)));
    widest = std::max(widest, ListView_GetStringWidth(list_, text));
  }
  // The space the list leaves either side of a label's text.
  const int padding = MulDiv(8, dpi_, USER_DEFAULT_SCREEN_DPI);
  const int grow = widest + padding - (label.right - label.left);
  if (grow <= 0) return;

  const RECT list = RectIn(dialog, list_);
  constexpr UINT kOnly = SWP_NOZORDER | SWP_NOACTIVATE;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT at = RectIn(dialog, child);
    if (at.left <= list.left && at.right >= list.right) {
      SetWindowPos(child, nullptr, 0, 0, at.right - at.left + grow, at.bottom - at.top, kOnly | SWP_NOMOVE);
    } else if (at.right >= list.right) {
      SetWindowPos(child, nullptr, at.left + grow, at.top, 0, 0, kOnly | SWP_NOSIZE);
    }
  }
  RECT client{};
  GetClientRect(dialog, &client);
  SetClientSize(dialog, {client.right - client.left + grow, client.bottom - client.top});
  FitColumnToList();
}

// Before the window shows: the list grows by what its items need, the frame around it with it,
// the buttons below it move down, and the window grows by as much.
void CustomForm::GrowListToShowEveryItem(HWND dialog) noexcept {
  RECT row{};
  if (ItemCount() <= kItemsOfTheFirstLayout || !ListView_GetItemRect(list_, 0, &row, LVIR_BOUNDS)) return;
  RECT inside{};
  GetClientRect(list_, &inside);
  const int grow = (row.bottom - row.top) * ItemCount() - (inside.bottom - inside.top);
  if (grow <= 0) return;

  const RECT list = RectIn(dialog, list_);
  constexpr UINT kOnly = SWP_NOZORDER | SWP_NOACTIVATE;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT at = RectIn(dialog, child);
    if (at.top <= list.top && at.bottom >= list.bottom) {
      SetWindowPos(child, nullptr, 0, 0, at.right - at.left, at.bottom - at.top + grow, kOnly | SWP_NOMOVE);
    } else if (at.top >= list.bottom) {
      SetWindowPos(child, nullptr, at.left, at.top + grow, 0, 0, kOnly | SWP_NOSIZE);
    }
  }
  RECT client{};
  GetClientRect(dialog, &client);
  SetClientSize(dialog, {client.right - client.left, client.bottom - client.top + grow});
}

void CustomForm::CheckAllItems(bool checked) noexcept {
  for (int item = 0; item < ItemCount(); ++item) {
    if (!ItemLocked(item)) ListView_SetCheckState(list_, item, checked ? TRUE : FALSE);
  }
}

void CustomForm::SaveChoices(HWND dialog) noexcept {
  DisplayChoices choices{};
  choices[settings::kShowAllMenu] = SendMessageW(checkAll_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (int item = 0; item < ItemCount(); ++item) {
    choices[SwitchOf(item)] = ListView_GetCheckState(list_, item) == 1;
  }
  if (ApplyDisplayChoices(host_, version_, choices, locked_, ribbons_)) return;

  // The choice is in force until the program closes; the user learns that it will not last.
  // A message that cannot be shown leaves nothing more to do.
  HeapWideString message;
  const std::u16string_view key = settings::SwitchesOf(host_).settingsKeyPath;
  if (!message.Append(text_.saveFailed) || !message.Append(WideView(key))) return;
  static_cast<void>(MessageBoxW(dialog, message.c_str(), text_.customCaption.data(), MB_OK | MB_ICONWARNING));
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
    case IDOK:  // also Enter
      SaveChoices(dialog);
      session.Unload();
      return TRUE;
    case IDCANCEL:  // also Esc
      session.Unload();
      return TRUE;
    default:
      return std::nullopt;
  }
}

}  // namespace zorvane::dialogs
