// The ribbon's own text in English, with the classic menu names.
#pragma once

namespace zorvane::ribbon::text {

struct English {
  static constexpr char16_t kAllLabel[] = u"All";
  static constexpr char16_t kAllScreentip[] = u"All Menus";
  static constexpr char16_t kFileLabel[] = u"File";
  static constexpr char16_t kFileScreentip[] = u"File Menu";
  static constexpr char16_t kFileSupertip[] = u"PowerPoint 2007 commands for files: open, close and the like.";
  static constexpr char16_t kEditLabel[] = u"Edit";
  static constexpr char16_t kEditScreentip[] = u"Edit Menu";
  static constexpr char16_t kEditSupertip[] = u"PowerPoint 2007 commands for editing: copy, cut and the like.";
  static constexpr char16_t kViewLabel[] = u"View";
  static constexpr char16_t kViewScreentip[] = u"View Menu";
  static constexpr char16_t kViewSupertip[] = u"PowerPoint 2007 commands for the page layout, the appearance and the like.";
  static constexpr char16_t kInsertLabel[] = u"Insert";
  static constexpr char16_t kInsertScreentip[] = u"Insert Menu";
  static constexpr char16_t kInsertSupertip[] = u"PowerPoint 2007 commands for inserting objects of every kind.";
  static constexpr char16_t kFormatLabel[] = u"Format";
  static constexpr char16_t kFormatScreentip[] = u"Format Menu";
  static constexpr char16_t kFormatSupertip[] = u"PowerPoint 2007 commands for formatting objects of every kind.";
  static constexpr char16_t kToolsLabel[] = u"Tools";
  static constexpr char16_t kToolsScreentip[] = u"Tools Menu";
  static constexpr char16_t kToolsSupertip[] = u"PowerPoint 2007 commands for proofing, controls, macros, add-ins and the like.";
  static constexpr char16_t kSlideLabel[] = u"Slide Show";
  static constexpr char16_t kSlideScreentip[] = u"Slide Show Menu";
  static constexpr char16_t kSlideSupertip[] = u"PowerPoint 2007 commands for the slide show.";
  static constexpr char16_t kWindowLabel[] = u"Window";
  static constexpr char16_t kWindowScreentip[] = u"Window Menu";
  static constexpr char16_t kWindowSupertip[] = u"PowerPoint 2007 commands for arranging windows.";
  static constexpr char16_t kHelpLabel[] = u"Help";
  static constexpr char16_t kHelpScreentip[] = u"Help Menu";
  static constexpr char16_t kHelpSupertip[] = u"Information about PowerPoint 2007.";
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
  static constexpr char16_t kCustomize[] = u"Customize...";
  static constexpr char16_t kAbout[] = u"About Quelby";
};

}  // namespace zorvane::ribbon::text
