#include "grid/csv/CsvChannelExport.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvTable.h"
#include "grid/csv/CsvToneFields.h"
#include "image/NameCode.h"
#include "image/RadioImage.h"

#include <array>
#include <utility>

namespace tevano {

namespace {

// 70 MHz in units of 10 Hz: a transmit frequency this far from the receive frequency is given
// as itself ("split"), not as a shift.
constexpr std::uint32_t kSplitDistance10Hz = 7000000;

// The frequency of a cell as saving stores it; 0 when the record would read as having none
// (nothing below 10 MHz keeps a non-zero top byte).
std::uint32_t StoredFrequency(const std::string& text) {
    const std::uint32_t units10Hz = FrequencyTextTo10Hz(text);
    return units10Hz < 1000000 ? 0 : units10Hz;
}

// The tuning step a channel list gives: the first of 5, 6.25 and 2.5 kHz that divides the
// channel's frequencies, as other tools and their users expect it (146.520 MHz is on 5 kHz,
// though 2.5 kHz divides it too). Frequencies without a common step get the receive frequency's.
std::string TuningStep(std::uint32_t rx, std::uint32_t tx) {
    constexpr std::pair<std::uint32_t, const char*> kSteps[] = {
        {500, "5.00"}, {625, "6.25"}, {250, "2.50"}};
    const auto firstDividing = [&kSteps, rx](std::uint32_t other) -> const char* {
        for (const auto& [units10Hz, text] : kSteps) {
            if (rx % units10Hz == 0 && other % units10Hz == 0) {
                return text;
            }
        }
        return nullptr;
    };
    if (const char* both = firstDividing(tx)) { // an absent transmit frequency, 0, takes any
        return both;
    }
    if (const char* receive = firstDividing(rx)) {
        return receive;
    }
    return "5.00"; // off every step: only an image from elsewhere holds such a frequency
}

// The name as the radio keeps it: at most 8 characters, ending at the first it cannot show.
std::string StoredName(const std::string& text) {
    std::array<std::uint8_t, kNameSize> bytes{};
    NameCode::Encode(text, bytes.data());
    return NameCode::Decode(bytes.data());
}

} // namespace

std::string CsvMegahertz(std::uint32_t units10Hz) {
    std::string fraction = std::to_string(units10Hz % 100000 * 10);
    fraction.insert(0, 6 - fraction.size(), '0');
    return std::to_string(units10Hz / 100000) + "." + fraction;
}

std::string CsvHeaderLine() {
    return CsvLine(std::vector<std::string>(kCsvColumnNames.begin(), kCsvColumnNames.end()));
}

std::optional<std::vector<std::string>> ChannelCsvFields(const ChannelRowTexts& cells,
                                                         int channel) {
    const std::uint32_t rx = StoredFrequency(cells[kColRxFrequency]);
    const std::uint32_t tx = StoredFrequency(cells[kColTxFrequency]);
    if (rx == 0) {
        return std::nullopt;
    }
    std::vector<std::string> fields(kCsvColumnCount);
    const auto set = [&fields](CsvColumn column, std::string value) {
        fields[static_cast<std::size_t>(column)] = std::move(value);
    };
    set(CsvColumn::Location, std::to_string(channel));
    set(CsvColumn::Name, StoredName(cells[kColName]));
    set(CsvColumn::Frequency, CsvMegahertz(rx));
    if (tx == 0) {
        set(CsvColumn::Duplex, "off");
        set(CsvColumn::Offset, CsvMegahertz(0));
    } else if (tx == rx) {
        set(CsvColumn::Duplex, "");
        set(CsvColumn::Offset, CsvMegahertz(0));
    } else {
        const std::uint32_t distance = tx > rx ? tx - rx : rx - tx;
        if (distance >= kSplitDistance10Hz) {
            set(CsvColumn::Duplex, "split");
            set(CsvColumn::Offset, CsvMegahertz(tx));
        } else {
            set(CsvColumn::Duplex, tx > rx ? "+" : "-");
            set(CsvColumn::Offset, CsvMegahertz(distance));
        }
    }
    const CsvToneFields tones = ToneFieldsOf(RadioTone::FromCellText(cells[kColRxTone]),
                                             RadioTone::FromCellText(cells[kColTxTone]));
    set(CsvColumn::Tone, tones.tone);
    set(CsvColumn::rToneFreq, tones.rToneFreq);
    set(CsvColumn::cToneFreq, tones.cToneFreq);
    set(CsvColumn::DtcsCode, tones.dtcsCode);
    set(CsvColumn::DtcsPolarity, tones.dtcsPolarity);
    set(CsvColumn::RxDtcsCode, tones.rxDtcsCode);
    set(CsvColumn::CrossMode, tones.crossMode);
    // Encoding reads any word but the wide, scan and high ones as narrow, no scan and low.
    set(CsvColumn::Mode, words::kWide.Matches(cells[kColBandwidth]) ? "FM" : "NFM");
    set(CsvColumn::TStep, TuningStep(rx, tx));
    set(CsvColumn::Skip, words::kYes.Matches(cells[kColScan]) ? "" : "S");
    set(CsvColumn::Power, words::kHigh.Matches(cells[kColTxPower]) ? "5.0W" : "1.0W");
    return fields;
}

CsvExport ExportChannelList(const RadioImage& image) {
    CsvExport result;
    result.text = CsvHeaderLine();
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts cells = DecodeChannel(image, channel, Language::English);
        if (const auto fields = ChannelCsvFields(cells, channel)) {
            result.text += CsvLine(*fields);
            ++result.rows;
        } else if (StoredFrequency(cells[kColTxFrequency]) != 0) {
            result.leftOut.push_back(channel);
        }
    }
    return result;
}

} // namespace tevano
