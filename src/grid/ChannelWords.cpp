#include "grid/ChannelWords.h"

#include <array>

namespace tevano {

namespace {

constexpr std::array<Word, kGridColumns> kFirstSetupHeaders = {{
    {"CH", "频道"},
    {"Rx Frequency", "接收频率"},
    {"Tx Frequency", "发射频率"},
    {"Rx Tone", "接收信令"},
    {"Tx Tone", "发射信令"},
    {" W/N ", " 宽/窄"},
    {"Scan", "扫描添加"},
    {"Tx Power", "发射功率"},
    {" Opt Signal", " 可选信令"},
    {"PTTID", "PTTID"},
    {"BusyLock", "繁忙锁定"},
    {"Repeat Invert", "中继信令反相"},
    {"Name", "名称"},
}};

std::vector<std::string> InLanguage(std::initializer_list<Word> list, Language language) {
    std::vector<std::string> entries;
    for (const Word& word : list) {
        entries.push_back(word.In(language));
    }
    return entries;
}

} // namespace

std::string FirstSetupHeader(int column, Language language) {
    if (column < 0 || column >= kGridColumns) {
        return std::string();
    }
    return kFirstSetupHeaders[static_cast<std::size_t>(column)].In(language);
}

std::vector<std::string> OverlayListEntries(int column, Language language) {
    using namespace words;
    switch (column) {
    case kColBandwidth:
        return InLanguage({kWide, kNarrow}, language);
    case kColScan:
        return InLanguage({kYes, kNo}, language);
    case kColTxPower:
        return InLanguage({kLow, kHigh}, language);
    case kColOptSignal:
        return InLanguage({kNone, kMsk, kDtmf, kCcir}, language);
    case kColPttId:
        return InLanguage({kOff, kOn}, language);
    case kColBusyLock:
        return InLanguage({kClose, kCarrier, kQtDqt}, language);
    case kColRepeatInvert:
        return InLanguage({kForward, kReverse}, language);
    default:
        return {};
    }
}

std::vector<std::string> TypeListEntries() {
    return {""};
}

std::vector<std::string> FieldListEntries() {
    return {"134 - 176MHz", "350 - 390MHz", "400 - 480MHz"};
}

std::vector<std::string> ManualListEntries(Language language) {
    return InLanguage({{"Open", "开启"}, {"Close", "关闭"}}, language);
}

} // namespace tevano
