#include "grid/csv/CsvToneFields.h"

#include "base/NumberText.h"
#include "base/TextCase.h"
#include "grid/csv/CsvColumns.h"
#include "grid/csv/CsvFieldText.h"
#include "image/Bcd.h"
#include "image/ToneTable.h"
#include "image/ToneWord.h"

#include <algorithm>
#include <optional>

namespace tevano {

namespace {

using Kind = RadioTone::Kind;

std::string DcsDigits(int code) {
    std::string digits = std::to_string(code);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return digits;
}

std::string CtcssText(int tenthsHz) {
    return FixedText(tenthsHz * 0.1, 1);
}

char PolarityLetter(const RadioTone& tone) {
    return tone.kind == Kind::Dcs && tone.inverted ? 'R' : 'N';
}

const ToneTable& Tones() {
    static const ToneTable table;
    return table;
}

bool InToneTable(const std::string& name) {
    const std::vector<std::string>& names = Tones().Names();
    return std::find(names.begin() + 1, names.end(), name) != names.end();
}

// Reads the tone columns of one row, noting every column that does not hold what it must.
class ToneReader {
public:
    explicit ToneReader(const CsvToneFields& fields) : fields_(fields) {}

    // A tone of the table by its value, as the grid takes a typed one: 88.5, 88,5 and 88.50 are
    // the same tone, 88.55 is none.
    std::optional<RadioTone> Ctcss(CsvColumn column, const std::string& field) {
        const int index = Tones().Find(field);
        if (index < ToneTable::kFirstCtcss || index >= ToneTable::kFirstDcsNormal) {
            Refuse(CsvProblem::ToneNotInTable, column, field);
            return std::nullopt;
        }
        return RadioTone::FromCellText(Tones().Name(index));
    }

    // position 0 reads the transmit letter of DtcsPolarity, 1 the receive letter.
    std::optional<RadioTone> Dcs(CsvColumn column, const std::string& field, int position) {
        const std::string_view digits = TrimmedField(field);
        const bool plain =
            !digits.empty() && digits.size() <= 3 &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        RadioTone tone{Kind::Dcs, 0, plain ? std::stoi(std::string(digits)) : 0, false};
        const std::optional<bool> inverted = Inverted(position);
        if (!plain || !InToneTable(RadioTone{Kind::Dcs, 0, tone.dcsCode, false}.CellText())) {
            Refuse(CsvProblem::DcsNotInTable, column, field);
            return std::nullopt;
        }
        if (!inverted) {
            return std::nullopt;
        }
        tone.inverted = *inverted;
        return tone;
    }

    void Refuse(CsvProblem problem, CsvColumn column, const std::string& value) {
        reasons_.push_back({problem, std::string(CsvColumnName(column)), value, 0});
    }

    std::vector<CsvReason> TakeReasons() { return std::move(reasons_); }

private:
    // The polarity letter at the position: N normal, R (or the grid's I) inverted; no letters
    // at all count as "NN". A bad polarity is noted once per row.
    std::optional<bool> Inverted(int position) {
        const std::string letters = UpperAscii(TrimmedField(fields_.dtcsPolarity));
        if (letters.empty()) {
            return false;
        }
        const bool valid = letters.size() == 2 &&
                           std::all_of(letters.begin(), letters.end(),
                                       [](char c) { return c == 'N' || c == 'R' || c == 'I'; });
        if (!valid) {
            if (!polarityRefused_) {
                Refuse(CsvProblem::PolarityUnknown, CsvColumn::DtcsPolarity, fields_.dtcsPolarity);
                polarityRefused_ = true;
            }
            return std::nullopt;
        }
        return letters[static_cast<std::size_t>(position)] != 'N';
    }

    const CsvToneFields& fields_;
    std::vector<CsvReason> reasons_;
    bool polarityRefused_ = false;
};

} // namespace

RadioTone RadioTone::FromCellText(std::string_view text) {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    ToneWord::Encode(text, low, high);
    if (!ToneWord::HasTone(high)) {
        return RadioTone{};
    }
    if (high < 0x80) {
        return RadioTone{Kind::Ctcss, BcdByteValue(high) * 100 + BcdByteValue(low), 0, false};
    }
    const bool inverted = high >= 0xC0;
    const int hundreds = high - (inverted ? 0xC0 : 0x80);
    return RadioTone{Kind::Dcs, 0, hundreds * 100 + BcdByteValue(low), inverted};
}

std::string RadioTone::CellText() const {
    switch (kind) {
    case Kind::Ctcss:
        return CtcssText(tenthsHz);
    case Kind::Dcs:
        return "D" + DcsDigits(dcsCode) + (inverted ? "I" : "N");
    case Kind::None:
        break;
    }
    return "OFF";
}

CsvToneFields ToneFieldsOf(const RadioTone& rx, const RadioTone& tx) {
    CsvToneFields fields;
    fields.dtcsPolarity = {PolarityLetter(tx), PolarityLetter(rx)};
    if (rx.kind == Kind::None && tx.kind == Kind::None) {
        return fields;
    }
    if (rx.kind == Kind::None && tx.kind == Kind::Ctcss) {
        fields.tone = "Tone";
        fields.rToneFreq = CtcssText(tx.tenthsHz);
        return fields;
    }
    if (rx.kind == Kind::Ctcss && tx.kind == Kind::Ctcss && rx.tenthsHz == tx.tenthsHz) {
        fields.tone = "TSQL";
        fields.cToneFreq = CtcssText(rx.tenthsHz);
        return fields;
    }
    if (rx.kind == Kind::Dcs && tx.kind == Kind::Dcs && rx.dcsCode == tx.dcsCode) {
        fields.tone = "DTCS";
        fields.dtcsCode = DcsDigits(tx.dcsCode);
        return fields;
    }
    fields.tone = "Cross";
    std::string txPart;
    std::string rxPart;
    if (tx.kind == Kind::Ctcss) {
        txPart = "Tone";
        fields.rToneFreq = CtcssText(tx.tenthsHz);
    } else if (tx.kind == Kind::Dcs) {
        txPart = "DTCS";
        fields.dtcsCode = DcsDigits(tx.dcsCode);
    }
    if (rx.kind == Kind::Ctcss) {
        rxPart = "Tone";
        fields.cToneFreq = CtcssText(rx.tenthsHz);
    } else if (rx.kind == Kind::Dcs) {
        rxPart = "DTCS";
        fields.rxDtcsCode = DcsDigits(rx.dcsCode);
    }
    fields.crossMode = txPart + "->" + rxPart;
    return fields;
}

CsvTonesResult TonesOfFields(const CsvToneFields& fields) {
    ToneReader reader(fields);
    std::optional<RadioTone> rx = RadioTone{};
    std::optional<RadioTone> tx = RadioTone{};
    const std::string_view mode = TrimmedField(fields.tone);
    if (mode.empty()) {
        // no tone either way
    } else if (EqualsNoCase(mode, "Tone")) {
        tx = reader.Ctcss(CsvColumn::rToneFreq, fields.rToneFreq);
    } else if (EqualsNoCase(mode, "TSQL")) {
        rx = reader.Ctcss(CsvColumn::cToneFreq, fields.cToneFreq);
        tx = rx;
    } else if (EqualsNoCase(mode, "DTCS")) {
        // One code both ways: a bad code is noted once, from the transmit side.
        tx = reader.Dcs(CsvColumn::DtcsCode, fields.dtcsCode, 0);
        rx = tx ? reader.Dcs(CsvColumn::DtcsCode, fields.dtcsCode, 1) : std::nullopt;
    } else if (EqualsNoCase(mode, "Cross")) {
        const std::string_view cross = TrimmedField(fields.crossMode);
        const std::size_t arrow = cross.find("->");
        const std::string_view txPart =
            arrow == std::string_view::npos ? cross : TrimmedField(cross.substr(0, arrow));
        const std::string_view rxPart =
            arrow == std::string_view::npos ? cross : TrimmedField(cross.substr(arrow + 2));
        const auto known = [](std::string_view part) {
            return part.empty() || EqualsNoCase(part, "Tone") || EqualsNoCase(part, "DTCS");
        };
        if (arrow == std::string_view::npos || !known(txPart) || !known(rxPart) ||
            (txPart.empty() && rxPart.empty())) {
            reader.Refuse(CsvProblem::CrossModeUnknown, CsvColumn::CrossMode, fields.crossMode);
        } else {
            if (EqualsNoCase(txPart, "Tone")) {
                tx = reader.Ctcss(CsvColumn::rToneFreq, fields.rToneFreq);
            } else if (EqualsNoCase(txPart, "DTCS")) {
                tx = reader.Dcs(CsvColumn::DtcsCode, fields.dtcsCode, 0);
            }
            if (EqualsNoCase(rxPart, "Tone")) {
                rx = reader.Ctcss(CsvColumn::cToneFreq, fields.cToneFreq);
            } else if (EqualsNoCase(rxPart, "DTCS")) {
                rx = reader.Dcs(CsvColumn::RxDtcsCode, fields.rxDtcsCode, 1);
            }
        }
    } else {
        reader.Refuse(CsvProblem::ToneModeUnknown, CsvColumn::Tone, fields.tone);
    }
    CsvTonesResult result;
    result.reasons = reader.TakeReasons();
    if (result.reasons.empty() && rx && tx) {
        result.rxCell = rx->CellText();
        result.txCell = tx->CellText();
    }
    return result;
}

} // namespace tevano
