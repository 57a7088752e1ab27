#include "report/ReportTexts.h"

#include "base/FillText.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of ReportTextId. The labels keep their trailing blanks, which set the values'
// places; the page titles keep the radio tool's "Pages".
constexpr std::array<TextPair, static_cast<std::size_t>(ReportTextId::Count)> kTexts = {{
    {"Function Setting:", "功能设置:"},
    {"Type:   ", "机型:   "},
    {"Frequency Field:", "频段:"},
    {"Beep Warning: ", "报警音提示: "},
    {"Squelch Level: ", "静噪等级: "},
    {"Scrambler Activation:", "扰频器激活:"},
    {"Vox Function:", "Vox 功能:"},
    {"Vox Gain Level:", "Vox 增益电平:"},
    {"PTT ID: ", "PTT ID: "},
    {"Battery Save:", "电池省电:"},
    {"Total Tx Time(s):", "发射时间(s):"},
    {"Begin of Tx:", "发射开始:"},
    {"End of Tx:  ", "发射结束:"},
    {"Channel Setting:", "频道设置:"},
    {"Rx(MHz)", "接收频率"},
    {"Tx(MHz)", "发射频率"},
    {"W/N", "宽/窄"},
    {"Scan Add", "扫描添加"},
    {"Tx Power", "发射功率"},
    {"Opt Signal", "可选信令"},
    {"PTTID", "PTTID"},
    {"Busy", "繁忙锁定"},
    {"The Radio Settings", "整机设置"},
    {"The Second Page", "第二页"},
    {"The Third Page", "第三页"},
    {"The Fourth Pages", "第四页"},
    {"The Fifth Pages", "第五页"},
    {"Enable", "打开"},
    {"Disable", "关闭"},
    {"Enable", "启动"},
    {"Disable", "关闭"},
    {"No installed font has the characters of this report, so it would come out as empty boxes. "
     "Install the package <package> (for example with \"sudo apt install <package>\"), then "
     "print again.",
     "没有已安装的字体包含此报表的字符，打印出来只会是空白方框。请安装软件包 <package>"
     "（例如执行“sudo apt install <package>”），然后重新打印。"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string ReportText(ReportTextId id, Language language) {
    return In(language, kTexts[static_cast<std::size_t>(id)]);
}

std::string MissingFontText(const std::string& package, Language language) {
    return FillText(ReportText(ReportTextId::MissingFont, language), {{"<package>", package}});
}

} // namespace tevano
