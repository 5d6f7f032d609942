// The check's texts in Simplified Chinese.
#include <array>

#include "check/check_text.h"

namespace zorvane::check {
namespace {

using enum TextId;

struct SimplifiedChinese {
  static constexpr std::array kTable{
    TextEntry{kNone, u""},
    TextEntry{kHostFound, u"找到 {h} {0}（{1} 位），位于 {2}。"},
    TextEntry{kHostExeMissing, u"注册表登记的 {h} {0} 位于 {1}，但读不到那里的 {x}；按 {2} 位判断。"},
    TextEntry{kAdviceHostExeMissing, u"如果 {h} 能正常启动，可以忽略；否则请修复 Office。"},
    TextEntry{kNoHost, u"没有找到 PowerPoint、Word、Excel 或 Outlook（2007 到 2016 及以后的版本）。"},
    TextEntry{kAdviceNoHost, u"Zorvane 需要 PowerPoint、Word、Excel 或 Outlook 2007 或更新的版本。"},
    TextEntry{kHostNotInstalled, u"没有找到 {h}（2007 或更新的版本），不检查 {h}。"},
    TextEntry{kRegistrationOk, u"{0} 位 {h} 能找到 Zorvane：{1}。"},
    TextEntry{kRegistrationMissing, u"{0} 位 {h} 读取的注册表中没有完整的 Zorvane 登记（{1}）。"},
    TextEntry{kFileMissing, u"{0} 位 {h} 的 Zorvane 登记指向的文件不存在：{1}。"},
    TextEntry{kBitnessMismatch, u"{h} 是 {0} 位，但登记的 Zorvane 是 {2} 位（{1}），无法加载。"},
    TextEntry{kThreadingModel, u"{0} 位 {h} 的 Zorvane 登记不完整（ThreadingModel 不是 Apartment）：{1}。"},
    TextEntry{kPathTooLong, u"{0} 位 {h} 无法加载 Zorvane：登记的路径长 {2} 个字符，超过 Windows 能加载的长度（259）：{1}。"},
    TextEntry{kUserClassesHideMachine, u"{0} 位 {h} 的 Zorvane 登记不完整：当前用户自己的 Zorvane 类登记遮住了为所有用户的登记（{1}）。"},
    TextEntry{kAdviceRegister, u"点击“修复”重新登记 {0}。"},
    TextEntry{kAdviceReinstall, u"点击“修复”，由 Windows Installer 修复已安装的 Zorvane。"},
    TextEntry{kAdviceRemoveUserClasses, u"点击“修复”删除当前用户的 Zorvane 类和 ProgID 登记。"},
    TextEntry{kFeatureLeftOut, u"安装的 Zorvane 没有包括 {h} 功能，所以 {0} 位 {h} 不加载 Zorvane。"},
    TextEntry{kAdviceAddFeature, u"如需在 {h} 中使用，请在“程序和功能”中选择 Zorvane，点击“更改”并勾选 {h}；或再次运行安装包：msiexec /i Zorvane-<版本>.msi ADDLOCAL={0}（为所有用户安装的另加 ALLUSERS=1）。"},
    TextEntry{kAdviceShorterPath, u"请把 Zorvane 安装到路径较短的文件夹。"},
    TextEntry{kAdviceInstallX64, u"请安装 x64 安装包（Zorvane-版本号-x64.msi）：在 64 位 Windows 上它同时支持 32 位和 64 位 {h}。"},
    TextEntry{kAdviceInstallX86, u"请安装 x86 安装包（Zorvane-版本号-x86.msi）。"},
    TextEntry{kEntryMissing, u"{h} 的加载项列表中没有 {0}。"},
    TextEntry{kLoadBehaviorOk, u"Zorvane 在 {h} 每次启动时加载（LoadBehavior = 3）。"},
    TextEntry{kLoadBehaviorAfterFailure, u"{h} 在一次启动失败或过慢后关闭了 Zorvane（LoadBehavior = 2）。"},
    TextEntry{kLoadBehaviorTurnedOff, u"Zorvane 在 {h} 的 COM 加载项列表中被取消了勾选（LoadBehavior = 0）。"},
    TextEntry{kLoadBehaviorMissing, u"Zorvane 的加载项项缺少 LoadBehavior 值，{h} 不会加载它。"},
    TextEntry{kLoadBehaviorWrongType, u"Zorvane 的 LoadBehavior 值类型错误（{0}，应为 4 字节的 REG_DWORD），{h} 不会读取它。"},
    TextEntry{kLoadBehaviorOther, u"Zorvane 不在 {h} 启动时加载（LoadBehavior = {0}，应为 3）。"},
    TextEntry{kAdviceLoadBehavior, u"点击“修复”把 LoadBehavior 改回 3；也可以在 文件 > 选项 > 加载项 > 管理：COM 加载项 中勾选 Zorvane（{h} 2007：Office 按钮 > {h} 选项 > 加载项）。"},
    TextEntry{kUserEntryHidesMachine, u"当前用户的 {0} 项只有 LoadBehavior，遮住了为所有用户登记的项。"},
    TextEntry{kAdviceUserEntryHidesMachine, u"如果 COM 加载项列表中 Zorvane 的名称或说明不对，请重新安装 Zorvane。"},
    TextEntry{kUserEntryCopy, u"当前用户有一个完整的 {0} 项（登记 DLL 时写入的），它遮住了为所有用户安装的项，并且在卸载 Zorvane 后仍会留下。"},
    TextEntry{kAdviceRemoveUserEntry, u"点击“修复”删除当前用户的这个项，之后以为所有用户安装的项为准。"},
    TextEntry{kDisabledItems, u"{h} {0} 把 Zorvane 列入了“禁用项目”（硬禁用）。"},
    TextEntry{kAdviceDisabledItems, u"点击“修复”删除这条记录；也可以在 文件 > 选项 > 加载项 > 管理：禁用项目 中启用 Zorvane。"},
    TextEntry{kAdviceDisabledItems2007, u"点击“修复”删除这条记录；也可以在 Office 按钮 > {h} 选项 > 加载项 > 管理：禁用项目 中启用 Zorvane。"},
    TextEntry{kDisabledUnreadable, u"{h} {0} 的禁用项目中有 {1} 个值无法读取，没有改动它们。"},
    TextEntry{kAdviceDisabledUnreadable, u"如果 Zorvane 仍不出现，请在 {h} 的“禁用项目”列表中查看。"},
    TextEntry{kCrashing, u"{h} {0} 记下了 Zorvane 的一次崩溃，下次启动时可能询问是否禁用它。"},
    TextEntry{kAdviceCrashing, u"点击“修复”删除这条记录。"},
    TextEntry{kAlwaysEnable, u"{h} {0} 没有把 Zorvane 列为“始终启用此加载项”，启动较慢时可能再次关闭它。"},
    TextEntry{kAdviceAlwaysEnable, u"点击“修复”写入与 {h} 的“始终启用此加载项”相同的设置。"},
    TextEntry{kAdviceAlwaysEnableInHost, u"如果 {h} 因 Zorvane 过慢而禁用了它，请在 文件 > 信息 > 管理 COM 加载项 中选择“始终启用此加载项”；本程序不改写 {h} 自己的列表。"},
    TextEntry{kAlwaysEnabled, u"{h} {0} 已把 Zorvane 列为“始终启用此加载项”。"},
    TextEntry{kAlwaysEnabledByPolicy, u"组策略（{h} {0}）使 Zorvane 始终启用。"},
    TextEntry{kSlowDisabledLoad, u"{h} {0} 因 Zorvane 加载过慢（超过 1000 毫秒）而禁用了它。"},
    TextEntry{kSlowDisabledCrash, u"{h} {0} 认为一次崩溃是 Zorvane 造成的，因而禁用了它。"},
    TextEntry{kSlowDisabledFolderSwitch, u"{h} {0} 因 Zorvane 使切换文件夹变慢（超过 500 毫秒）而禁用了它。"},
    TextEntry{kSlowDisabledItemOpen, u"{h} {0} 因 Zorvane 使打开项目变慢（超过 500 毫秒）而禁用了它。"},
    TextEntry{kSlowDisabledCalls, u"{h} {0} 因 Zorvane 在短时间内调用过多而禁用了它。"},
    TextEntry{kSlowDisabledShutdown, u"{h} {0} 因 Zorvane 使 {h} 关闭变慢而禁用了它。"},
    TextEntry{kSlowDisabledOther, u"{h} {0} 禁用了 Zorvane，记录中的原因编号为 {1}。"},
    TextEntry{kAdviceSlowDisabled, u"在 {h} 中打开 文件 > 信息 > 管理 COM 加载项（慢速和已禁用的 COM 加载项），启用 Zorvane 并选择“始终启用此加载项”；本程序不改动 {h} 的记录。"},
    TextEntry{kAdviceLoadBehaviorOutlook, u"点击“修复”把 LoadBehavior 改回 3；也可以在 文件 > 选项 > 加载项 > 管理：COM 加载项 中勾选 Zorvane（{h} 2007：工具 > 信任中心 > 加载项）。"},
    TextEntry{kAdviceDisabledItemsOutlook2007, u"点击“修复”删除这条记录；也可以在 帮助 > 禁用项目 中启用 Zorvane。"},
    TextEntry{kAdviceUiErrorsOutlook, u"在 文件 > 选项 > 高级 > 开发人员 中勾选“显示加载项用户界面错误”（{h} 2007：工具 > 选项 > 其他 > 高级选项），再启动 {h}。"},
    TextEntry{kPolicyDisableAll, u"组策略（{h} {0}）禁用了所有应用程序加载项。"},
    TextEntry{kPolicyRequireSignature, u"组策略（{h} {0}）要求加载项带有数字签名，而 {1} 没有签名。"},
    TextEntry{kPolicyRestrictToList, u"组策略（{h} {0}）只允许列表中的加载项，列表中没有允许 {1}。"},
    TextEntry{kPolicyBlocked, u"组策略（{h} {0}）的加载项列表禁止了 {1}。"},
    TextEntry{kAdviceAdministrator, u"这是管理员的设置，本程序不会更改；请联系管理员。"},
    TextEntry{kOwnLocks, u"管理员用组策略锁定了 {h} 中 Zorvane 的 {0} 项显示设置。"},
    TextEntry{kAdviceOwnLocks, u"这些项在“自定义...”中不能更改，这是管理员的安排。"},
    TextEntry{kAllHidden, u"{h} 中 Zorvane 的所有选项卡和合并菜单都设为不显示。"},
    TextEntry{kAdviceAllHidden, u"在 {h} 中打开“自定义...”，勾选要显示的项目。"},
    TextEntry{kClickToRunCopy, u"即点即用 Office 保存的 {h} 的 Zorvane 加载项副本（{0} 位）与实际登记不同。"},
    TextEntry{kAdviceClickToRunCopy, u"请重新安装 Zorvane；如仍不一致，请在“程序和功能”中修复 Office。"},
    TextEntry{kRunAsAdministrator, u"Zorvane 只为当前用户安装：以管理员身份运行的 {h} 看不到它。"},
    TextEntry{kAdviceRunAsAdministrator, u"请正常启动 {h}（不要以管理员身份），或请管理员为所有用户安装。"},
    TextEntry{kUiErrors, u"如果 Zorvane 已加载而 Quelby 选项卡仍不出现，{h} 可以显示原因。"},
    TextEntry{kAdviceUiErrors, u"在 文件 > 选项 > 高级 > 常规 中勾选“显示加载项用户界面错误”（{h} 2007：Office 按钮 > {h} 选项 > 高级），再启动 {h}。"},
    TextEntry{kSeverityOk, u"正常"},
    TextEntry{kSeverityProblem, u"问题"},
    TextEntry{kSeverityHint, u"提示"},
    TextEntry{kAdviceLabel, u"处理："},
    TextEntry{kChangeSetDword, u"{0} 的 {1} 设为 {2}"},
    TextEntry{kChangeDeleteValue, u"删除 {0} 的 {1}"},
    TextEntry{kChangeDeleteKey, u"删除 {0} 及其下所有内容"},
    TextEntry{kChangeRegister, u"重新登记 {0}"},
    TextEntry{kChangeReinstall, u"由 Windows Installer 修复已安装的 Zorvane（{0}）"},
    TextEntry{kRepairDone, u"已修改：{0}"},
    TextEntry{kRepairNeedsAdministrator, u"需要管理员权限，未改动：{0}"},
    TextEntry{kRepairFailed, u"修复失败，所有修改已撤销：{0}"},
    TextEntry{kRepairNotUndone, u"修复失败，未能撤销全部修改：{0}。未能恢复原状：{1}"},
    TextEntry{kPlaceValue, u"{0} 的 {1}"},
    TextEntry{kDefaultValue, u"(默认)"},
    TextEntry{kListSeparator, u"；"},
    TextEntry{kRepairNotResolved, u"已修改，但问题仍在：{0}"},
    TextEntry{kRepairRefused, u"{h} 正在运行，没有修复：{h} 退出时会改写这些设置。请先关闭 {h}。"},
    TextEntry{kNothingToRepair, u"没有可以自动修复的项目。"},
    TextEntry{kCheckFailed, u"检查无法进行：{0}"},
    TextEntry{kHelp,
              u"ZorvaneCheck：检查 Quelby 选项卡为什么不出现，并修复只涉及 Zorvane 自身设置的问题。\n"
              u"\n"
              u"ZorvaneCheck.exe            打开诊断窗口\n"
              u"ZorvaneCheck.exe --report   把报告（UTF-8，每项一行，以英文键开头）写到标准输出\n"
              u"ZorvaneCheck.exe --repair   不开窗口，执行安全的修复并报告改动\n"
              u"ZorvaneCheck.exe --help     显示本说明\n"
              u"\n"
              u"退出码：0 = 没有问题（--repair 之后：没有剩下问题）；1 = 发现或剩下问题（例如组策略）；\n"
              u"2 = 检查本身无法进行。\n"
              u"修复只改 Zorvane 自己的项，从不改组策略和其他加载项；PowerPoint、Word、Excel 或 Outlook 运行时不修复它的项。\n"},
    TextEntry{kWindowCaption, u"Zorvane 诊断"},
    TextEntry{kColumnResult, u"结果"},
    TextEntry{kColumnText, u"说明"},
    TextEntry{kButtonRepair, u"修复"},
    TextEntry{kButtonCopy, u"复制报告"},
    TextEntry{kButtonClose, u"关闭"},
    TextEntry{kReportCopied, u"报告已复制到剪贴板。"},
    TextEntry{kSummaryProblems, u"发现 {0} 个问题。选中一行可查看说明和处理办法。"},
    TextEntry{kSummaryNoProblems, u"没有发现问题。选中一行可查看详情。"},
  };
};
static_assert(CompleteCheckText<SimplifiedChinese>, "the Simplified Chinese table misses a text");

}  // namespace

std::span<const TextEntry> SimplifiedChineseText() noexcept { return SimplifiedChinese::kTable; }

}  // namespace zorvane::check
