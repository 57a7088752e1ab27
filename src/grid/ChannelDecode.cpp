#include "grid/ChannelDecode.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "image/Bcd.h"
#include "image/ChannelRecord.h"
#include "image/NameCode.h"
#include "image/ToneWord.h"

namespace tevano {

namespace {

std::string FrequencyCell(const std::uint8_t* frequency) {
    if (!ChannelRecord::FrequencyPresent(frequency)) {
        return std::string();
    }
    return FrequencyText(ReadBcd32(frequency));
}

// A tone word is shown from its bytes alone, even in an empty channel.
std::string ToneCell(const std::uint8_t* tone, bool used) {
    const std::uint8_t low = tone[0];
    const std::uint8_t high = tone[1];
    if (!ToneWord::HasTone(high)) {
        return used ? std::string(words::kToneOff) : std::string();
    }
    return ToneWord::Text(low, high);
}

std::string OptSignalCell(std::uint8_t value, Language language) {
    switch (value) {
    case ChannelRecord::kSignalMsk:
        return words::kMsk.In(language);
    case ChannelRecord::kSignalNone:
        return words::kNone.In(language);
    case ChannelRecord::kSignalDtmf:
        return words::kDtmf.In(language);
    case ChannelRecord::kSignalCcir:
        return words::kCcir.In(language);
    default:
        return std::string();
    }
}

std::string BusyLockCell(std::uint8_t flags, Language language) {
    switch (flags & ChannelRecord::kBusyLockMask) {
    case 0:
        return words::kClose.In(language);
    case ChannelRecord::kBusyLockCarrier:
        return words::kCarrier.In(language);
    default: // 4, and 6 which the radio reads as tone too
        return words::kQtDqt.In(language);
    }
}

} // namespace

ChannelRowTexts DecodeChannel(const RadioImage& image, int channel, Language language) {
    using R = ChannelRecord;
    const std::uint8_t* record = &image[ChannelOffset(channel)];
    const bool used = R::IsUsed(image, channel);
    ChannelRowTexts cells;
    cells[kColRxFrequency] = FrequencyCell(record + R::kRxFrequency);
    cells[kColTxFrequency] = FrequencyCell(record + R::kTxFrequency);
    cells[kColRxTone] = ToneCell(record + R::kRxTone, used);
    cells[kColTxTone] = ToneCell(record + R::kTxTone, used);
    if (used) {
        const std::uint8_t flags = record[R::kFlags];
        const auto pick = [language](bool on, const Word& yes, const Word& no) {
            return (on ? yes : no).In(language);
        };
        cells[kColBandwidth] = pick(flags & R::kWide, words::kWide, words::kNarrow);
        cells[kColScan] = pick(flags & R::kScanAdd, words::kYes, words::kNo);
        cells[kColTxPower] = pick(flags & R::kHighPower, words::kHigh, words::kLow);
        cells[kColOptSignal] = OptSignalCell(record[R::kOptSignal], language);
        cells[kColPttId] = pick(record[R::kPttId] & R::kPttIdOn, words::kOn, words::kOff);
        cells[kColBusyLock] = BusyLockCell(flags, language);
        cells[kColRepeatInvert] = pick(flags & R::kRepeatForward, words::kForward, words::kReverse);
    }
    cells[kColName] = NameCode::Decode(&image[NameOffset(channel)]);
    return cells;
}

void DecodeChannels(const RadioImage& image, ChannelForm& form, Language language) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts cells = DecodeChannel(image, channel, language);
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            form.grid.SetTextMatrix(channel, col, cells[static_cast<std::size_t>(col)]);
        }
    }
    const int field = image[kFieldByte] - kFieldBase;
    form.field.SetCurSel(field >= 0 && field <= 9 ? field : 0);
    const int type = image[kTypeByte] - kTypeBase;
    form.type.SetCurSel(type > 2 ? 0 : type);
    form.manual.SetCurSel((image[kManualByte] & kManualOpenBit) != 0 ? 0 : 1);
}

} // namespace tevano
