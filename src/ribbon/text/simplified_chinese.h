// The ribbon's own text in Simplified Chinese, the add-in's first language.
#pragma once

namespace zorvane::ribbon::text {

struct SimplifiedChinese {
  // The hosts, as the supertips name them in place of '%'.
  static constexpr char16_t kPowerPointName[] = u"Power Point2007";
  static constexpr char16_t kWordName[] = u"Word2007";
  static constexpr char16_t kExcelName[] = u"Excel2007";
  static constexpr char16_t kOutlookName[] = u"Outlook";
  // The combined menu.
  static constexpr char16_t kAllLabel[] = u"全部";
  static constexpr char16_t kAllScreentip[] = u"全部菜单";
  // The menus: label, screentip, supertip.
  static constexpr char16_t kFileLabel[] = u"文件";
  static constexpr char16_t kFileScreentip[] = u"文件菜单";
  static constexpr char16_t kFileSupertip[] = u"获取%打开关闭等和文件相关操作。";
  static constexpr char16_t kEditLabel[] = u"编辑";
  static constexpr char16_t kEditScreentip[] = u"编辑菜单";
  static constexpr char16_t kEditSupertip[] = u"获取和%复制剪切等和文件编辑有关的操作。";
  static constexpr char16_t kViewLabel[] = u"视图";
  static constexpr char16_t kViewScreentip[] = u"视图菜单";
  static constexpr char16_t kViewSupertip[] = u"获取和%页面布局，外观等的有关操作。";
  static constexpr char16_t kInsertLabel[] = u"插入";
  static constexpr char16_t kInsertScreentip[] = u"插入菜单";
  static constexpr char16_t kInsertSupertip[] = u"获取和%各种对象插入的有关操作。";
  static constexpr char16_t kFormatLabel[] = u"格式";
  static constexpr char16_t kFormatScreentip[] = u"格式菜单";
  static constexpr char16_t kFormatSupertip[] = u"获取和%各种对象格式有关的操作。";
  static constexpr char16_t kToolsLabel[] = u"工具";
  static constexpr char16_t kToolsScreentip[] = u"工具菜单";
  static constexpr char16_t kToolsSupertip[] = u"获取和%检查，控件，宏及方案管理等有关的操作。";
  static constexpr char16_t kSlideLabel[] = u"幻灯片放映";
  static constexpr char16_t kSlideScreentip[] = u"幻灯片放映菜单";
  static constexpr char16_t kSlideSupertip[] = u"获取和%幻灯片放映有关的操作。";
  static constexpr char16_t kTableLabel[] = u"表格";
  static constexpr char16_t kTableScreentip[] = u"表格菜单";
  static constexpr char16_t kTableSupertip[] = u"获取和%表格有关的操作。";
  static constexpr char16_t kDataLabel[] = u"数据";
  static constexpr char16_t kDataScreentip[] = u"数据菜单";
  static constexpr char16_t kDataSupertip[] = u"获取和%数据有关的操作。";
  static constexpr char16_t kWindowLabel[] = u"窗口";
  static constexpr char16_t kWindowScreentip[] = u"窗口菜单";
  static constexpr char16_t kWindowSupertip[] = u"获取和%窗口布局有关的操作。";
  static constexpr char16_t kGoLabel[] = u"转到";
  static constexpr char16_t kGoScreentip[] = u"转到菜单";
  static constexpr char16_t kGoSupertip[] = u"获取在%各文件夹和模块之间转到的操作。";
  static constexpr char16_t kActionsLabel[] = u"动作";
  static constexpr char16_t kActionsScreentip[] = u"动作菜单";
  static constexpr char16_t kActionsSupertip[] = u"获取对%邮件和项目进行答复、转发和标记等的操作。";
  static constexpr char16_t kHelpLabel[] = u"帮助";
  static constexpr char16_t kHelpScreentip[] = u"帮助菜单";
  static constexpr char16_t kHelpSupertip[] = u"获取和%有关的信息。";
  // Sub-menus and toolbar drop-downs (the last three serve as both).
  static constexpr char16_t kSaveAs97[] = u"另存为Power Point97_2003工作薄";
  static constexpr char16_t kSend[] = u"发送";
  static constexpr char16_t kMaster[] = u"母版";
  static constexpr char16_t kAlignment[] = u"对齐方式";
  static constexpr char16_t kIllustrations[] = u"插图";
  static constexpr char16_t kMacros[] = u"宏";
  static constexpr char16_t kControls[] = u"控件";
  static constexpr char16_t kTransition[] = u"切换到此幻灯片";
  static constexpr char16_t kColorAndGrayscale[] = u"颜色和灰度";
  static constexpr char16_t kThemes[] = u"主题";
  static constexpr char16_t kComments[] = u"批注";
  static constexpr char16_t kReference[] = u"引用";
  static constexpr char16_t kPicture[] = u"图片";
  static constexpr char16_t kTextBox[] = u"文本框";
  static constexpr char16_t kAsianLayout[] = u"中文版式";
  // Outlook's message windows.
  static constexpr char16_t kMsgNew[] = u"新建";
  static constexpr char16_t kMsgFollowUp[] = u"后续标志";
  static constexpr char16_t kMsgJunkEmail[] = u"垃圾邮件";
  static constexpr char16_t kMsgFindAll[] = u"查找全部";
  static constexpr char16_t kMsgForms[] = u"窗体";
  static constexpr char16_t kLanguage[] = u"语言";
  static constexpr char16_t kLettersAndMailings[] = u"信函与邮件";
  static constexpr char16_t kDelete[] = u"删除";
  static constexpr char16_t kConvert[] = u"转换";
  static constexpr char16_t kName[] = u"名称";
  static constexpr char16_t kRow[] = u"行";
  static constexpr char16_t kColumn[] = u"列";
  static constexpr char16_t kSheet[] = u"工作表";
  static constexpr char16_t kProtection[] = u"保护";
  static constexpr char16_t kFormulaAuditing[] = u"公式审核";
  static constexpr char16_t kFilter[] = u"筛选";
  static constexpr char16_t kGroupAndOutline[] = u"组及分级显示";
  static constexpr char16_t kExternalData[] = u"导入外部数据";
  static constexpr char16_t kList[] = u"列表";
  // Outlook's main window.
  static constexpr char16_t kOlNew[] = u"新建";
  static constexpr char16_t kOlOpen[] = u"打开";
  static constexpr char16_t kOlFolder[] = u"文件夹";
  static constexpr char16_t kOlPageSetup[] = u"页面设置";
  static constexpr char16_t kOlArrangeBy[] = u"排列方式";
  static constexpr char16_t kOlSendReceive[] = u"发送/接收";
  static constexpr char16_t kOlFind[] = u"查找";
  static constexpr char16_t kOlForms[] = u"窗体";
  static constexpr char16_t kOlNewMailUsing[] = u"新邮件使用";
  // The add-in's two commands in the Help menu.
  static constexpr char16_t kCustomize[] = u"自定义...";  // three full stops
  static constexpr char16_t kAbout[] = u"关于Quelby";
};

}  // namespace zorvane::ribbon::text
