#include "CliTexts.h"

#include <array>
#include <cstddef>

namespace tevano::cli {

namespace {

// In the order of CliTextId. The labels are the channel form's own words.
constexpr std::array<TextPair, static_cast<std::size_t>(CliTextId::Count)> kTexts = {{
    {"Type:", "机型:"},
    {"Field:", "频段:"},
    {"Manul Setting:", "手动设置:"},
    {"(no entry picked)", "（未选择）"},
    {"(entry <entry>)", "（第 <entry> 项）"},
    {"written", "写入完成"},
    {"written and verified", "写入并校验完成"},
    {"failed: <reason>", "失败：<reason>"},
    {"written, but reading it back failed: <reason>", "写入完成，但读回失败：<reason>"},
    {"written, but <difference>", "写入完成，但<difference>"},
    {"the radio differs from the file in <places> (listed above)",
     "对讲机中的数据与文件有 <places>不同（见上）"},
    {"Cannot draw the report.", "无法生成报表。"},
    {"the radio's type differs from the file's; nothing was written",
     "对讲机的类型与文件不同；未写入任何数据"},
    {"warning: <text>", "警告：<text>"},
    {"retry <retry> of <retries>", "重试第 <retry> 次，共 <retries> 次"},
    {"going on (--force)", "继续写入（--force）"},
    {"not written; --force writes anyway", "未写入；加 --force 可强制写入"},
    {"Cannot write to \"<file>\"<reason>.", "无法写入 \"<file>\"<reason>。"},
    {"Cannot write to standard output<reason>.", "无法写到标准输出<reason>。"},
    {"ended by <signal>.", "被 <signal> 信号中止。"},
    {"the read was ended by <signal>; nothing was written to <file>",
     "读取被 <signal> 信号中止；未写入 <file>"},
    {"warning: the program's settings file \"<file>\" cannot be read (<reason>): <port> is taken "
     "as <device>, which may not be the port set up in Port Setup",
     "警告：无法读取程序的设置文件 \"<file>\"（<reason>）：<port> 按 <device> 使用，"
     "它可能不是端口设置中设定的端口"},
    {"<a> and <b> hold the same", "<a> 与 <b> 的数据一致"},
    {"cannot compare: <reason>", "无法比较：<reason>"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string CliText(CliTextId id, Language language, TextParts parts) {
    return FillText(In(language, kTexts[static_cast<std::size_t>(id)]), parts);
}

} // namespace tevano::cli
