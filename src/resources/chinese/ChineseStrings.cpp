// The Chinese string table: the same ids as the English one. The file extension, the file type
// id and name, and the indicator and tooltip words that are codes stay as they are.
#include "resources/CommandIds.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

const char* const kLanguageTag = "CH";

const StringEntry kStrings[] = {
    {ids::kMainFrame, "Tevano 编程软件\n\n写入数据\n频道数据 (*.sin)\n.sin\n"
                      "Krono.Document\nKrono Document"},
    {ids::kAppTitleString, "Tevano 编程软件"},
    {ids::kIdlePromptString, "如需帮助，请按F1键"},
    {cmd::kIndicatorCaps, "大写"},
    {cmd::kIndicatorNum, "数字"},
    {cmd::kIndicatorScroll, "滚动"},

    {cmd::kReadFromRadio, "从对讲机读取数据\n读取"},
    {cmd::kWriteToRadio, "将数据写入对讲机\n写入"},
    {cmd::kPortCom1, "选择通信端口一\nCom1"},
    {cmd::kPortCom2, "选择通信端口二\nCom2"},
    {cmd::kPortCom3, "选择通信端口三\nCom3"},
    {cmd::kPortCom4, "选择通信端口四\nCom4"},
    {cmd::kTestMode, "调试发射功率、静噪等级、低电报警\n在线调试"},
    {cmd::kOptionalFeatures, "设置对讲机的其他功能"},

    {cmd::kFileNew, "新建频道数据文档\n新建"},
    {cmd::kFileOpen, "打开频道数据文件\n打开"},
    {cmd::kFileSave, "将频道数据保存到文件\n保存"},
    {cmd::kFileSaveAs, "将频道数据另存为新文件\n另存为"},
    {cmd::kFilePrint, "打印设置报表\n打印"},
    {cmd::kFilePrintPreview, "按打印效果逐页显示设置报表\n打印预览"},
    {cmd::kFilePrintSetup, "选择打印机及打印选项\n打印设置"},
    {cmd::kAppExit, "关闭程序\n退出"},
    {cmd::kAppAbout, "显示程序的版本和版权信息\n关于"},
    {cmd::kViewToolbar, "显示或隐藏工具栏\n工具栏"},
    {cmd::kEditUndo, "撤销对频道的上一次修改\n撤销"},
    {cmd::kEditCut, "复制所选频道并清除它们\n剪切频道"},
    {cmd::kEditCopy, "复制所选频道，用于另一个文件或电子表格\n复制频道"},
    {cmd::kEditPaste, "从当前频道起放入复制的频道\n粘贴频道"},
    {cmd::kEditClear, "清空所选频道\n清除频道"},
    {cmd::kEditSelectAll, "选择全部128个频道\n全选"},
    {cmd::kInsertChannels, "在所选频道上方插入空频道，下方的频道随之下移\n插入频道"},
    {cmd::kDeleteChannels, "删除所选频道，下方的频道随之上移\n删除频道"},
    {cmd::kMoveChannelsUp, "将所选频道上移一位\n频道上移"},
    {cmd::kMoveChannelsDown, "将所选频道下移一位\n频道下移"},
    {cmd::kSortByFrequency, "按接收频率排序所选频道（或全部频道）\n按频率排序"},
    {cmd::kSortByName, "按名称排序所选频道（或全部频道）\n按名称排序"},
    {cmd::kEditRedo, "恢复刚撤销的修改\n重做"},
    {cmd::kFileImportCsv, "把 CSV 频道列表中的频道放入表格\n导入 CSV"},
    {cmd::kFileExportCsv, "把已用的频道存为 CSV 频道列表\n导出 CSV"},
    {cmd::kOpenBackupFolder, "打开保存每次读取备份的文件夹\n备份"},
    {cmd::kCompareWithFile, "列出文件与另一个频道数据文件的不同之处\n与文件比较"},
    {cmd::kCompareWithRadio, "读取对讲机并列出与文件的不同之处，文件保持不变\n与对讲机比较"},
    {cmd::kVerifyAfterWrite, "每次写入后读回对讲机，并说明其数据是否与文件一致\n写入后校验"},
    {cmd::kPortSetup, "为每个端口名选择串口设备\n端口设置"},
    {cmd::kViewStatusBar, "显示或隐藏状态栏\n状态栏"},
    {cmd::kHelpTopics, "列出帮助主题\n帮助主题"},
    {cmd::kHelp, "显示当前任务或命令的帮助\n帮助"},
    {cmd::kContextHelp, "显示下一个单击的按钮、菜单或窗口的帮助\n上下文帮助"},
    {cmd::kNextPane, "切换到下一个窗格\n下一窗格"},
    {cmd::kPreviousPane, "切换回上一个窗格\n上一窗格"},
};
const int kStringCount = int(std::size(kStrings));

} // namespace tevano::res
