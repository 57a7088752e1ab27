#include "report/ReportTexts.h"

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
    {"Vox Delay Time: ", "Vox 延迟时间(秒): "},
    {"Battery Save:", "电池省电:"},
    {"Total Tx Time(s):", "发射时间(s):"},
    {"Begin of Tx:", "发射开始:"},
    {"End of Tx:  ", "发射结束:"},
    {"Vox inhibit on recieve:", "接收时禁止VOX:"},
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
    {"Enable", "使能"},
    {"Disable", "不使能"},
    {"None", "无"},
    {"Autodial", "自动拨号"},
    {"Key Lock", "按键锁定"},
    {"Monitor", "监听"},
    {"Monitor Momentary", "监听瞬时"},
    {"Scrambler", "扰频器"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string ReportText(ReportTextId id, Language language) {
    return In(language, kTexts[static_cast<std::size_t>(id)]);
}

} // namespace tevano
