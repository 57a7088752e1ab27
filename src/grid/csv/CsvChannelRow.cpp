#include "grid/csv/CsvChannelRow.h"

#include "base/NumberText.h"
#include "base/TextCase.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyEntry.h"
#include "grid/FrequencyText.h"
#include "grid/csv/CsvChannelExport.h"
#include "grid/csv/CsvFieldText.h"
#include "grid/csv/CsvToneFields.h"
#include "image/NameCode.h"
#include "image/RadioImage.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace tevano {

namespace {

constexpr double kHighPowerFromWatts = 3.0; // between the radio's 1 W and 5 W

class RowChecker {
public:
    RowChecker(const std::function<std::string(CsvColumn)>& field, Language language,
               const CsvRowRules& rules)
        : field_(field), language_(language), rules_(rules) {}

    CsvRowOutcome Check() {
        outcome_.channel = rules_.placedAt == 0 ? Location() : Placed();
        Frequencies();
        Tones();
        Mode();
        Skip();
        Power();
        Name();
        // The options a channel list does not carry. A list of repeaters must not come in with
        // signalling switched on: no optional signal and no PTT ID, where a channel typed into
        // the grid gets DTMF and ON.
        Set(kColOptSignal, words::kNone.In(language_));
        Set(kColPttId, words::kOff.In(language_));
        Set(kColBusyLock, words::kClose.In(language_));
        Set(kColRepeatInvert, words::kForward.In(language_));
        return std::move(outcome_);
    }

private:
    std::string Field(CsvColumn column) const { return field_(column); }
    void Set(int column, std::string text) {
        outcome_.cells[static_cast<std::size_t>(column)] = std::move(text);
    }
    void Refuse(CsvProblem problem, CsvColumn column, std::string value) {
        outcome_.reasons.push_back(
            {problem, std::string(CsvColumnName(column)), std::move(value), 0});
    }

    int Location() {
        const std::string location = Field(CsvColumn::Location);
        const std::string_view digits = TrimmedField(location);
        int channel = 0;
        if (!digits.empty() && digits.size() <= 3 &&
            std::all_of(digits.begin(), digits.end(),
                        [](char c) { return c >= '0' && c <= '9'; })) {
            channel = std::stoi(std::string(digits));
        }
        if (channel < 1 || channel > kChannelCount) {
            Refuse(CsvProblem::LocationNotChannel, CsvColumn::Location, location);
            return 0;
        }
        return channel;
    }

    int Placed() {
        if (rules_.placedAt > kChannelCount) {
            outcome_.reasons.push_back({CsvProblem::PastLastChannel, "",
                                        std::to_string(rules_.placedAt), rules_.firstChannel});
            return 0;
        }
        return rules_.placedAt;
    }

    // The grid's check of a frequency text; the cell gets the value that was checked, so that a
    // sixth decimal never rounds an accepted frequency off its step.
    std::optional<std::uint32_t> Checked(const std::string& text, CsvProblem outOfRange,
                                         CsvProblem offStep, CsvColumn column,
                                         const std::string& shown) {
        const FrequencyEntry entry = CheckFrequencyEntry(text);
        if (entry.verdict == FrequencyVerdict::Accepted) {
            return FrequencyTextTo10Hz(text);
        }
        Refuse(entry.verdict == FrequencyVerdict::OffStep ? offStep : outOfRange, column, shown);
        return std::nullopt;
    }

    std::optional<std::uint32_t> FrequencyField(CsvColumn column, CsvProblem outOfRange,
                                                CsvProblem offStep) {
        const std::string field = Field(column);
        const std::optional<std::string> number = PlainDecimalText(field);
        if (!number) {
            Refuse(CsvProblem::NotANumber, column, field);
            return std::nullopt;
        }
        return Checked(*number, outOfRange, offStep, column, std::string(TrimmedField(field)));
    }

    void Frequencies() {
        std::optional<std::uint32_t> rx;
        if (TrimmedField(Field(CsvColumn::Frequency)).empty()) {
            Refuse(CsvProblem::FrequencyMissing, CsvColumn::Frequency, "");
        } else {
            rx = FrequencyField(CsvColumn::Frequency, CsvProblem::RxOutOfRange,
                                CsvProblem::RxOffStep);
        }
        const std::string duplex = Field(CsvColumn::Duplex);
        const std::string_view kind = TrimmedField(duplex);
        std::optional<std::uint32_t> tx; // stays empty for "off": the channel only receives
        if (kind.empty()) {
            tx = rx;
        } else if (kind == "+" || kind == "-") {
            tx = Shifted(rx, kind == "+");
        } else if (EqualsNoCase(kind, "split")) {
            tx = FrequencyField(CsvColumn::Offset, CsvProblem::TxOutOfRange, CsvProblem::TxOffStep);
        } else if (!EqualsNoCase(kind, "off")) {
            Refuse(CsvProblem::DuplexUnknown, CsvColumn::Duplex, duplex);
        }
        if (rx) {
            Set(kColRxFrequency, FrequencyText(*rx));
        }
        if (tx) {
            Set(kColTxFrequency, FrequencyText(*tx));
        }
    }

    // The receive frequency moved up or down by Offset, checked as a typed transmit frequency.
    std::optional<std::uint32_t> Shifted(std::optional<std::uint32_t> rx, bool up) {
        const std::string offsetField = Field(CsvColumn::Offset);
        const std::optional<double> offset = DecimalField(offsetField);
        if (!offset) {
            Refuse(CsvProblem::NotANumber, CsvColumn::Offset, offsetField);
            return std::nullopt;
        }
        if (!rx) {
            return std::nullopt;
        }
        const std::int64_t shift = MegahertzTo10Hz(*offset);
        const std::int64_t tx = static_cast<std::int64_t>(*rx) + (up ? shift : -shift);
        if (tx <= 0 || tx > UINT32_MAX) {
            const std::uint32_t magnitude =
                static_cast<std::uint32_t>(std::min<std::int64_t>(tx < 0 ? -tx : tx, UINT32_MAX));
            Refuse(CsvProblem::TxOutOfRange, CsvColumn::Offset,
                   (tx < 0 ? "-" : "") + CsvMegahertz(magnitude));
            return std::nullopt;
        }
        const auto units10Hz = static_cast<std::uint32_t>(tx);
        return Checked(FrequencyText(units10Hz), CsvProblem::TxOutOfRange, CsvProblem::TxOffStep,
                       CsvColumn::Offset, CsvMegahertz(units10Hz));
    }

    void Tones() {
        CsvToneFields fields;
        fields.tone = Field(CsvColumn::Tone);
        fields.rToneFreq = Field(CsvColumn::rToneFreq);
        fields.cToneFreq = Field(CsvColumn::cToneFreq);
        fields.dtcsCode = Field(CsvColumn::DtcsCode);
        fields.dtcsPolarity = Field(CsvColumn::DtcsPolarity);
        fields.rxDtcsCode = Field(CsvColumn::RxDtcsCode);
        fields.crossMode = Field(CsvColumn::CrossMode);
        CsvTonesResult tones = TonesOfFields(fields);
        for (CsvReason& reason : tones.reasons) {
            outcome_.reasons.push_back(std::move(reason));
        }
        Set(kColRxTone, tones.rxCell);
        Set(kColTxTone, tones.txCell);
    }

    void Mode() {
        const std::string mode = Field(CsvColumn::Mode);
        const std::string_view word = TrimmedField(mode);
        if (word.empty() || EqualsNoCase(word, "FM")) {
            Set(kColBandwidth, words::kWide.In(language_));
        } else if (EqualsNoCase(word, "NFM")) {
            Set(kColBandwidth, words::kNarrow.In(language_));
        } else {
            Refuse(CsvProblem::ModeUnknown, CsvColumn::Mode, mode);
        }
    }

    // "S" skips the channel in scans; "P" (a priority channel elsewhere) is scanned.
    void Skip() {
        const std::string skip = Field(CsvColumn::Skip);
        const std::string_view word = TrimmedField(skip);
        if (word.empty() || EqualsNoCase(word, "P")) {
            Set(kColScan, words::kYes.In(language_));
        } else if (EqualsNoCase(word, "S")) {
            Set(kColScan, words::kNo.In(language_));
        } else {
            Refuse(CsvProblem::SkipUnknown, CsvColumn::Skip, skip);
        }
    }

    void Power() {
        const std::string power = Field(CsvColumn::Power);
        std::string_view watts = TrimmedField(power);
        std::optional<bool> high;
        if (watts.empty() || EqualsNoCase(watts, "High")) {
            high = true;
        } else if (EqualsNoCase(watts, "Low")) {
            high = false;
        } else {
            if (watts.back() == 'W' || watts.back() == 'w') {
                watts.remove_suffix(1);
            }
            if (const std::optional<double> value = DecimalField(watts)) {
                high = *value >= kHighPowerFromWatts;
            }
        }
        if (!high) {
            Refuse(CsvProblem::PowerUnknown, CsvColumn::Power, power);
            return;
        }
        Set(kColTxPower, (*high ? words::kHigh : words::kLow).In(language_));
    }

    // Letters are taken in upper case, as the grid's name edit turns them, and no more than
    // it takes. A name cut short is checked for what is left of it.
    void Name() {
        const std::string given = Field(CsvColumn::Name);
        std::string name = UpperAscii(given);
        const bool tooLong = name.size() > kChannelNameLength;
        if (tooLong && rules_.cutNames) {
            name.resize(kChannelNameLength);
            outcome_.fullName = given;
        }
        if (!std::all_of(name.begin(), name.end(),
                         [](char c) { return NameCode::Code(c) != NameCode::kEnd; })) {
            Refuse(CsvProblem::NameCharacters, CsvColumn::Name, given);
        } else if (tooLong && !rules_.cutNames) {
            Refuse(CsvProblem::NameTooLong, CsvColumn::Name, given);
        }
        Set(kColName, name);
    }

    const std::function<std::string(CsvColumn)>& field_;
    Language language_;
    const CsvRowRules& rules_;
    CsvRowOutcome outcome_;
};

} // namespace

CsvRowOutcome CheckChannelRow(const std::function<std::string(CsvColumn)>& field, Language language,
                              const CsvRowRules& rules) {
    return RowChecker(field, language, rules).Check();
}

} // namespace tevano
