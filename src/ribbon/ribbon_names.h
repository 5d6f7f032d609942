// Names that the host sees in the ribbon markup and binds to the add-in by name.
// Each stands here once; the ribbon document, the menus and the COM layer all use these.
#pragma once

namespace zorvane::ribbon {

// The customUI schema of Office 2007; root of the document and of every menu answer.
inline constexpr char16_t kCustomUiNamespace[] = u"http://schemas.microsoft.com/office/2006/01/customui";

// Callback names, exactly as written in the markup and as exposed through IDispatch.
namespace callback {
inline constexpr char16_t kOnLoad[] = u"rxcustomUI_onLoad";
inline constexpr char16_t kGetVisible[] = u"GetVisible";
inline constexpr char16_t kGetContent[] = u"rxQuelby_get";
inline constexpr char16_t kCustomMenu[] = u"CustomMenu";
inline constexpr char16_t kAboutMenu[] = u"AboutMenu";
// Not named in the markup; the document request calls it through the class interface.
inline constexpr char16_t kGetRibbonXml[] = u"GetRibbonXML";
}  // namespace callback

// Tags of the dynamic menus, nine per host (seven and eight in Outlook's windows): the key by which the content callback picks a menu.
namespace tag {
inline constexpr char16_t kFile[] = u"File";
inline constexpr char16_t kEdit[] = u"Edit";
inline constexpr char16_t kView[] = u"View";
inline constexpr char16_t kInsert[] = u"Insert";
inline constexpr char16_t kFormat[] = u"Format";
inline constexpr char16_t kTools[] = u"Tools";
inline constexpr char16_t kSlide[] = u"Slide";  // PowerPoint's seventh menu
inline constexpr char16_t kTable[] = u"Table";  // Word's
inline constexpr char16_t kData[] = u"Data";    // Excel's
inline constexpr char16_t kWindows[] = u"Windows";  // plural, unlike the menu's ids
inline constexpr char16_t kHelp[] = u"Help";
inline constexpr char16_t kGo[] = u"Go";            // Outlook's
inline constexpr char16_t kActions[] = u"Actions";  // Outlook's
}  // namespace tag

// The ribbons Outlook asks a document for, by window; other ribbon ids get none.
namespace ribbon_id {
inline constexpr char16_t kOutlookExplorer[] = u"Microsoft.Outlook.Explorer";
inline constexpr char16_t kOutlookCompose[] = u"Microsoft.Outlook.Mail.Compose";
inline constexpr char16_t kOutlookRead[] = u"Microsoft.Outlook.Mail.Read";
}  // namespace ribbon_id

// How the ids of Outlook's dynamic menus begin in each window's document: the content callback
// tells the window from the id, as one tag stands in every window with other items.
namespace menu_id_prefix {
inline constexpr char16_t kOutlookExplorer[] = u"rxOlMain_";
inline constexpr char16_t kOutlookCompose[] = u"rxOlCompose_";
inline constexpr char16_t kOutlookRead[] = u"rxOlRead_";
}  // namespace menu_id_prefix

// Ids of the add-in's own elements that the visibility callback answers for.
namespace id {
inline constexpr char16_t kMenuAll[] = u"MenuAll";
inline constexpr char16_t kLabelAll[] = u"rxlableAll";
// The two commands of the Help menu.
inline constexpr char16_t kCustomizeButton[] = u"Dingzhi";
inline constexpr char16_t kAboutButton[] = u"AboutMe";
}  // namespace id

}  // namespace zorvane::ribbon
