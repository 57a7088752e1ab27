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
    {"(entry %1)", "（第 %1 项）"},
    {"written", "写入完成"},
    {"written and verified", "写入并校验完成"},
    {"failed: %1", "失败：%1"},
    {"reading back: %1", "读回时：%1"},
    {"the radio's memory differs from the file at offset 0x%1: written 0x%2, read back 0x%3",
     "对讲机中的数据与文件在偏移 0x%1 处不同：写入 0x%2，读回 0x%3"},
    {"Cannot draw the report.", "无法生成报表。"},
}};

} // namespace

std::string CliText(CliTextId id, Language language, const std::string& first,
                    const std::string& second, const std::string& third) {
    const std::string pattern = In(language, kTexts[static_cast<std::size_t>(id)]);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '3') {
            text += next == '1' ? first : next == '2' ? second : third;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace tevano::cli
