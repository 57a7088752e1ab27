#include "report/ComparisonTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of ComparisonTextId.
constexpr std::array<TextPair, static_cast<std::size_t>(ComparisonTextId::Count)> kTexts = {{
    {"Channel <channel>, <field>", "频道 <channel>，<field>"},
    {"<caption>, <field>", "<caption>，<field>"},
    {"<key> <press>", "<key> <press>"},
    {"<label>", "<label>"},
    {"<where>: <ours> / <theirs>", "<where>：<ours> / <theirs>"},
    {"Bytes no field shows differ at <offsets>", "没有显示项的字节不同：<offsets>"},
    {"Byte <offset>", "字节 <offset>"},
    {"where\tthis\tother", "位置\t本文件\t另一方"},
    {"(empty)", "（空）"},
    {"The radio holds the document.", "对讲机中的数据与文件一致。"},
    {"The radio differs from the document in <places>.", "对讲机中的数据与文件有 <places>不同。"},
    {"The document and <other> hold the same.", "文件与 <other> 的数据一致。"},
    {"The document and <other> differ in <places>.", "文件与 <other> 有 <places>不同。"},
    {"1 place", "1 处"},
    {"<count> places", "<count> 处"},
    {"Where", "位置"},
    {"This document", "本文件"},
    {"The other", "另一方"},
    {"&Copy", "复制(&C)"},
    {"Close", "关闭"},
    {"Compare With File", "与文件比较"},
    {"Compare With Radio", "与对讲机比较"},
    {"Verify After Write", "写入后校验"},
    {"Differences", "不同之处"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string PlacesText(std::size_t count, Language language) {
    return count == 1 ? ComparisonText(ComparisonTextId::OnePlace, language)
                      : ComparisonText(ComparisonTextId::ManyPlaces, language,
                                       {{"<count>", std::to_string(count)}});
}

std::string ComparisonText(ComparisonTextId id, Language language, TextParts parts) {
    return FillText(In(language, kTexts[static_cast<std::size_t>(id)]), parts);
}

} // namespace tevano
