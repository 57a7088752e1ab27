// The Chinese menu bar of the main frame (menu 128): the same commands in the same places as the
// English one. The port items keep their COM names; the View menu's switch item goes to English.
#include "resources/CommandIds.h"
#include "resources/layout/MenuBuilders.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

namespace {

using build::Command;
using build::kSeparator;
using build::Popup;

constexpr MenuItem kFileItems[] = {
    Command("新建(&N)\tCtrl+N", cmd::kFileNew),
    Command("打开(&O)...\tCtrl+O", cmd::kFileOpen),
    Command("保存(&S)\tCtrl+S", cmd::kFileSave),
    Command("另存为(&A)...", cmd::kFileSaveAs),
    kSeparator,
    Command("导入频道 CSV(&I)...", cmd::kFileImportCsv),
    Command("导出频道 CSV(&E)...", cmd::kFileExportCsv),
    Command("打开备份文件夹(&B)", cmd::kOpenBackupFolder),
    Command("与文件比较(&F)...", cmd::kCompareWithFile),
    kSeparator,
    Command("打印(&P)...\tCtrl+P", cmd::kFilePrint),
    Command("打印预览(&V)", cmd::kFilePrintPreview),
    Command("打印设置(&R)...", cmd::kFilePrintSetup),
    kSeparator,
    Command("退出(&X)", cmd::kAppExit),
};

constexpr MenuItem kEditItems[] = {
    Command("撤销(&U)\tCtrl+Z", cmd::kEditUndo),
    Command("重做(&R)\tCtrl+Y", cmd::kEditRedo),
    kSeparator,
    Command("剪切频道(&T)\tCtrl+X", cmd::kEditCut),
    Command("复制频道(&C)\tCtrl+C", cmd::kEditCopy),
    Command("粘贴频道(&P)\tCtrl+V", cmd::kEditPaste),
    Command("清除频道(&L)\tDel", cmd::kEditClear),
    Command("全选(&A)\tCtrl+A", cmd::kEditSelectAll),
    kSeparator,
    Command("插入频道(&I)\tCtrl++", cmd::kInsertChannels),
    Command("删除频道(&D)\tCtrl+-", cmd::kDeleteChannels),
    Command("频道上移(&M)\tAlt+Up", cmd::kMoveChannelsUp),
    Command("频道下移(&W)\tAlt+Down", cmd::kMoveChannelsDown),
    Command("按频率排序(&F)", cmd::kSortByFrequency),
    Command("按名称排序(&N)", cmd::kSortByName),
};

constexpr MenuItem kProgramItems[] = {
    Command("从对讲机读取(&R)\tCtrl+R", cmd::kReadFromRadio),
    Command("写入对讲机(&W)\tCtrl+W", cmd::kWriteToRadio),
    Command("写入后校验(&V)", cmd::kVerifyAfterWrite),
    Command("与对讲机比较(&C)", cmd::kCompareWithRadio),
    kSeparator,
    Command("测试模式(&T)\tCtrl+T", cmd::kTestMode),
    Command("可选功能(&O)", cmd::kOptionalFeatures),
    Command("侧键设置", cmd::kSideKey),
};

constexpr MenuItem kPortItems[] = {
    Command("COM1(&P)", cmd::kPortCom1),
    Command("COM2(&Q)", cmd::kPortCom2),
    Command("COM3(&S)", cmd::kPortCom3),
    Command("COM4(&T)", cmd::kPortCom4),
    kSeparator,
    Command("端口设置(&U)...", cmd::kPortSetup),
};

constexpr MenuItem kViewItems[] = {
    Command("工具栏(&T)", cmd::kViewToolbar),
    Command("状态栏(&S)", cmd::kViewStatusBar),
    Command("切换到英文", cmd::kSwitchLanguage),
};

constexpr MenuItem kHelpItems[] = {
    Command("帮助主题(&H)", cmd::kHelpTopics),
    kSeparator,
    Command("关于(&A)...", cmd::kAppAbout),
};

constexpr MenuItem kMenuBar[] = {
    Popup("文件(&F)", kFileItems), Popup("编辑(&E)", kEditItems), Popup("编程(&P)", kProgramItems),
    Popup("端口(&O)", kPortItems), Popup("查看(&V)", kViewItems), Popup("帮助(&H)", kHelpItems),
};

} // namespace

const Menu kMenus[] = {
    {ids::kMainFrame, kMenuBar, int(std::size(kMenuBar))},
};
const int kMenuCount = int(std::size(kMenus));

} // namespace tevano::res
