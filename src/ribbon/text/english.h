// The ribbon's own text in English, with the classic menu names.
#pragma once

#include "ribbon/text/host_names.h"

namespace zorvane::ribbon::text {

struct English {
  static constexpr const auto& kPowerPointName = product::kPowerPoint2007;
  static constexpr const auto& kWordName = product::kWord2007;
  static constexpr const auto& kExcelName = product::kExcel2007;
  static constexpr char16_t kOutlookName[] = u"Outlook";
  static constexpr char16_t kAllLabel[] = u"All";
  static constexpr char16_t kAllScreentip[] = u"All Menus";
  static constexpr char16_t kFileLabel[] = u"File";
  static constexpr char16_t kFileScreentip[] = u"File Menu";
  static constexpr char16_t kFileSupertip[] = u"% commands for files: open, close and the like.";
  static constexpr char16_t kEditLabel[] = u"Edit";
  static constexpr char16_t kEditScreentip[] = u"Edit Menu";
  static constexpr char16_t kEditSupertip[] = u"% commands for editing: copy, cut and the like.";
  static constexpr char16_t kViewLabel[] = u"View";
  static constexpr char16_t kViewScreentip[] = u"View Menu";
  static constexpr char16_t kViewSupertip[] = u"% commands for the page layout, the appearance and the like.";
  static constexpr char16_t kInsertLabel[] = u"Insert";
  static constexpr char16_t kInsertScreentip[] = u"Insert Menu";
  static constexpr char16_t kInsertSupertip[] = u"% commands for inserting objects of every kind.";
  static constexpr char16_t kFormatLabel[] = u"Format";
  static constexpr char16_t kFormatScreentip[] = u"Format Menu";
  static constexpr char16_t kFormatSupertip[] = u"% commands for formatting objects of every kind.";
  static constexpr char16_t kToolsLabel[] = u"Tools";
  static constexpr char16_t kToolsScreentip[] = u"Tools Menu";
  static constexpr char16_t kToolsSupertip[] = u"% commands for proofing, controls, macros, add-ins and the like.";
  static constexpr char16_t kSlideLabel[] = u"Slide Show";
  static constexpr char16_t kSlideScreentip[] = u"Slide Show Menu";
  static constexpr char16_t kSlideSupertip[] = u"% commands for the slide show.";
  static constexpr char16_t kTableLabel[] = u"Table";
  static constexpr char16_t kTableScreentip[] = u"Table Menu";
  static constexpr char16_t kTableSupertip[] = u"% commands for tables.";
  static constexpr char16_t kDataLabel[] = u"Data";
  static constexpr char16_t kDataScreentip[] = u"Data Menu";
  static constexpr char16_t kDataSupertip[] = u"% commands for data: sorting, filtering and the like.";
  static constexpr char16_t kWindowLabel[] = u"Window";
  static constexpr char16_t kWindowScreentip[] = u"Window Menu";
  static constexpr char16_t kWindowSupertip[] = u"% commands for arranging windows.";
  static constexpr char16_t kGoLabel[] = u"Go";
  static constexpr char16_t kGoScreentip[] = u"Go Menu";
  static constexpr char16_t kGoSupertip[] = u"% commands for going to folders and modules.";
  static constexpr char16_t kActionsLabel[] = u"Actions";
  static constexpr char16_t kActionsScreentip[] = u"Actions Menu";
  static constexpr char16_t kActionsSupertip[] = u"% commands for messages and items: reply, forward, flag and the like.";
  static constexpr char16_t kHelpLabel[] = u"Help";
  static constexpr char16_t kHelpScreentip[] = u"Help Menu";
  static constexpr char16_t kHelpSupertip[] = u"Information about %.";
  static constexpr char16_t kSaveAs97[] = u"Save As PowerPoint 97-2003 Presentation";
  static constexpr char16_t kSend[] = u"Send";
  static constexpr char16_t kMaster[] = u"Master";
  static constexpr char16_t kAlignment[] = u"Alignment";
  static constexpr char16_t kIllustrations[] = u"Illustrations";
  static constexpr char16_t kMacros[] = u"Macro";
  static constexpr char16_t kControls[] = u"Controls";
  static constexpr char16_t kTransition[] = u"Transition to This Slide";
  static constexpr char16_t kColorAndGrayscale[] = u"Color/Grayscale";
  static constexpr char16_t kThemes[] = u"Themes";
  static constexpr char16_t kComments[] = u"Comments";
  static constexpr char16_t kReference[] = u"Reference";
  static constexpr char16_t kPicture[] = u"Picture";
  static constexpr char16_t kTextBox[] = u"Text Box";
  static constexpr char16_t kAsianLayout[] = u"Asian Layout";
  // Outlook's message windows.
  static constexpr char16_t kMsgNew[] = u"New";
  static constexpr char16_t kMsgFollowUp[] = u"Follow Up";
  static constexpr char16_t kMsgJunkEmail[] = u"Junk E-mail";
  static constexpr char16_t kMsgFindAll[] = u"Find All";
  static constexpr char16_t kMsgForms[] = u"Forms";
  static constexpr char16_t kLanguage[] = u"Language";
  static constexpr char16_t kLettersAndMailings[] = u"Letters and Mailings";
  static constexpr char16_t kDelete[] = u"Delete";
  static constexpr char16_t kConvert[] = u"Convert";
  static constexpr char16_t kName[] = u"Name";
  static constexpr char16_t kRow[] = u"Row";
  static constexpr char16_t kColumn[] = u"Column";
  static constexpr char16_t kSheet[] = u"Sheet";
  static constexpr char16_t kProtection[] = u"Protection";
  static constexpr char16_t kFormulaAuditing[] = u"Formula Auditing";
  static constexpr char16_t kFilter[] = u"Filter";
  static constexpr char16_t kGroupAndOutline[] = u"Group and Outline";
  static constexpr char16_t kExternalData[] = u"Import External Data";
  static constexpr char16_t kList[] = u"List";
  // Outlook's main window.
  static constexpr char16_t kOlNew[] = u"New";
  static constexpr char16_t kOlOpen[] = u"Open";
  static constexpr char16_t kOlFolder[] = u"Folder";
  static constexpr char16_t kOlPageSetup[] = u"Page Setup";
  static constexpr char16_t kOlArrangeBy[] = u"Arrange By";
  static constexpr char16_t kOlSendReceive[] = u"Send/Receive";
  static constexpr char16_t kOlFind[] = u"Find";
  static constexpr char16_t kOlForms[] = u"Forms";
  static constexpr char16_t kOlNewMailUsing[] = u"New Mail Message Using";
  static constexpr char16_t kCustomize[] = u"Customize...";
  static constexpr char16_t kAbout[] = u"About Quelby";
};

}  // namespace zorvane::ribbon::text
