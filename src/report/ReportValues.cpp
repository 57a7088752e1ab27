#include "report/ReportValues.h"

namespace tevano {

namespace {

// The report's own reading of the settings bytes.
constexpr std::size_t kPf1Byte = 0x810;
constexpr std::size_t kPf2Byte = 0x811;
constexpr std::size_t kFlagsByte = 0x812;
constexpr std::uint8_t kScramblerFlag = 0x04;
constexpr std::uint8_t kBatterySaveFlag = 0x08;
constexpr std::uint8_t kBeepWarningFlag = 0x10;
constexpr std::uint8_t kVoxFunctionFlag = 0x20;
constexpr std::uint8_t kVoxInhibitFlag = 0x40;
constexpr std::size_t kSquelchValueByte = 0x813;
constexpr std::size_t kTotalTxTimeByte = 0x814;
constexpr std::size_t kVoxGainValueByte = 0x815;
constexpr std::size_t kVoxDelayByte = 0x816;
// The DTMF code strings lie in the channel area, in the records of channels 124 and 125.
constexpr std::size_t kBeginOfTxCode = 0x7B0;
constexpr std::size_t kEndOfTxCode = 0x7C0;
constexpr std::size_t kDtmfCodeSize = 16;

// "%2d": at least two places, padded with a blank on the left.
std::string TwoWide(int value) {
    const std::string digits = std::to_string(value);
    return digits.size() < 2 ? " " + digits : digits;
}

} // namespace

std::string PfFunctionText(std::uint8_t value, Language language) {
    static constexpr TextPair kFunctions[] = {
        {"None", "无"},      {"Autodial", "自动拨号"},          {"Key Lock", "按键锁定"},
        {"Monitor", "监听"}, {"Monitor Momentary", "监听瞬时"}, {"Scrambler", "扰频器"},
    };
    return In(language, kFunctions[value <= 5 ? value : 0]);
}

std::string OnOffText(bool set, OnOffWords words, Language language) {
    if (language == Language::English) {
        return set ? "Enable" : "Disable";
    }
    switch (words) {
    case OnOffWords::Open:
        return set ? "打开" : "关闭";
    case OnOffWords::Start:
        return set ? "启动" : "关闭";
    case OnOffWords::Enable:
        return set ? "使能" : "不使能";
    }
    return std::string();
}

std::string VoxDelayText(std::uint8_t value) {
    static constexpr const char* kDelays[] = {"0.3s", "0.5s", "1.0s", "1.5s", "2.0s", "3.0s"};
    return kDelays[value <= 5 ? value : 0];
}

std::string DtmfCodeText(const RadioImage& image, std::size_t offset) {
    std::string text;
    for (std::size_t i = 0; i < kDtmfCodeSize; ++i) {
        const std::uint8_t byte = image[offset + i];
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'D')) {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::string SquelchText(std::uint8_t value) {
    return value <= 9 ? TwoWide(value) : "0";
}

std::string VoxGainText(std::uint8_t value) {
    if (value == 0) {
        return "OFF";
    }
    return value <= 10 ? TwoWide(value) : "0";
}

std::string PttIdText(std::uint8_t value) {
    switch (value % 4) {
    case 0:
        return "BOT";
    case 1:
        return "EOT";
    default:
        return "BOTH";
    }
}

std::string TotalTxTimeText(std::uint8_t value) {
    return (value >= 1 && value <= 40) ? std::to_string(value * 15) : "OFF";
}

std::vector<SettingsField> SettingsFields(const RadioImage& image, const ChannelForm& form,
                                          Language language) {
    const std::uint8_t flags = image[kFlagsByte];
    const auto flag = [flags](std::uint8_t bit) { return (flags & bit) != 0; };
    const auto label = [language](const char* en, const char* zh) {
        return std::string(language == Language::English ? en : zh);
    };
    return {
        {1, 5, label("Function Setting:", "功能设置:")},
        {2, 2, label("Type:   ", "机型:   ") + form.type.CurrentText()},
        {2, 25, label("Frequency Field:", "频段:") + form.field.CurrentText()},
        {3, 2, "Pf1:   " + PfFunctionText(image[kPf1Byte], language)},
        {3, 25, "Pf2: " + PfFunctionText(image[kPf2Byte], language)},
        {3, 50,
         label("Beep Warning: ", "报警音提示: ") +
             OnOffText(flag(kBeepWarningFlag), OnOffWords::Open, language)},
        {4, 2, label("Squelch Level: ", "静噪等级: ") + SquelchText(image[kSquelchValueByte])},
        {4, 50,
         label("Scrambler Activation:", "扰频器激活:") +
             OnOffText(flag(kScramblerFlag), OnOffWords::Open, language)},
        {5, 2,
         label("Vox Function:", "Vox 功能:") +
             OnOffText(flag(kVoxFunctionFlag), OnOffWords::Open, language)},
        {5, 25, label("Vox Gain Level:", "Vox 增益电平:") + VoxGainText(image[kVoxGainValueByte])},
        {5, 50,
         label("Vox Delay Time: ", "Vox 延迟时间(秒): ") + VoxDelayText(image[kVoxDelayByte])},
        {6, 2, "PTT ID: " + PttIdText(flags)},
        {6, 25,
         label("Battery Save:", "电池省电:") +
             OnOffText(flag(kBatterySaveFlag), OnOffWords::Start, language)},
        {6, 50,
         label("Total Tx Time(s):", "发射时间(s):") + TotalTxTimeText(image[kTotalTxTimeByte])},
        {7, 2, label("Begin of Tx:", "发射开始:") + DtmfCodeText(image, kBeginOfTxCode)},
        {7, 35, label("End of Tx:  ", "发射结束:") + DtmfCodeText(image, kEndOfTxCode)},
        {8, 2,
         label("Vox inhibit on recieve:", "接收时禁止VOX:") +
             OnOffText(flag(kVoxInhibitFlag), OnOffWords::Enable, language)},
    };
}

} // namespace tevano
