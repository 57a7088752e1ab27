#include "report/ReportValues.h"

#include "report/ReportTexts.h"

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
    // By the side key's value; an unknown value reads as none.
    static constexpr ReportTextId kFunctions[] = {
        ReportTextId::PfNone,    ReportTextId::PfAutodial,         ReportTextId::PfKeyLock,
        ReportTextId::PfMonitor, ReportTextId::PfMonitorMomentary, ReportTextId::PfScrambler};
    return ReportText(kFunctions[value < std::size(kFunctions) ? value : 0], language);
}

std::string OnOffText(bool set, OnOffWords words, Language language) {
    switch (words) {
    case OnOffWords::Open:
        return ReportText(set ? ReportTextId::OpenOn : ReportTextId::OpenOff, language);
    case OnOffWords::Start:
        return ReportText(set ? ReportTextId::StartOn : ReportTextId::StartOff, language);
    case OnOffWords::Enable:
        return ReportText(set ? ReportTextId::EnableOn : ReportTextId::EnableOff, language);
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
    const auto label = [language](ReportTextId id) { return ReportText(id, language); };
    return {
        {1, 5, label(ReportTextId::FunctionSetting)},
        {2, 2, label(ReportTextId::TypeLabel) + form.type.CurrentText()},
        {2, 25, label(ReportTextId::FieldLabel) + form.field.CurrentText()},
        {3, 2, "Pf1:   " + PfFunctionText(image[kPf1Byte], language)},
        {3, 25, "Pf2: " + PfFunctionText(image[kPf2Byte], language)},
        {3, 50,
         label(ReportTextId::BeepWarningLabel) +
             OnOffText(flag(kBeepWarningFlag), OnOffWords::Open, language)},
        {4, 2, label(ReportTextId::SquelchLevelLabel) + SquelchText(image[kSquelchValueByte])},
        {4, 50,
         label(ReportTextId::ScramblerLabel) +
             OnOffText(flag(kScramblerFlag), OnOffWords::Open, language)},
        {5, 2,
         label(ReportTextId::VoxFunctionLabel) +
             OnOffText(flag(kVoxFunctionFlag), OnOffWords::Open, language)},
        {5, 25, label(ReportTextId::VoxGainLabel) + VoxGainText(image[kVoxGainValueByte])},
        {5, 50, label(ReportTextId::VoxDelayLabel) + VoxDelayText(image[kVoxDelayByte])},
        {6, 2, "PTT ID: " + PttIdText(flags)},
        {6, 25,
         label(ReportTextId::BatterySaveLabel) +
             OnOffText(flag(kBatterySaveFlag), OnOffWords::Start, language)},
        {6, 50, label(ReportTextId::TotalTxTimeLabel) + TotalTxTimeText(image[kTotalTxTimeByte])},
        {7, 2, label(ReportTextId::BeginOfTxLabel) + DtmfCodeText(image, kBeginOfTxCode)},
        {7, 35, label(ReportTextId::EndOfTxLabel) + DtmfCodeText(image, kEndOfTxCode)},
        {8, 2,
         label(ReportTextId::VoxInhibitLabel) +
             OnOffText(flag(kVoxInhibitFlag), OnOffWords::Enable, language)},
    };
}

} // namespace tevano
