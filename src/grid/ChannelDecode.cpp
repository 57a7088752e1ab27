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

std::string OptSignalCell(std::uint8_t value, bool english) {
    switch (value) {
    case ChannelRecord::kSignalMsk:
        return words::kMsk.In(english);
    case ChannelRecord::kSignalNone:
        return words::kNone.In(english);
    case ChannelRecord::kSignalDtmf:
        return words::kDtmf.In(english);
    case ChannelRecord::kSignalCcir:
        return words::kCcir.In(english);
    default:
        return std::string();
    }
}

std::string BusyLockCell(std::uint8_t flags, bool english) {
    switch (flags & ChannelRecord::kBusyLockMask) {
    case 0:
        return words::kClose.In(english);
    case ChannelRecord::kBusyLockCarrier:
        return words::kCarrier.In(english);
    default: // 4, and 6 which the radio reads as tone too
        return words::kQtDqt.In(english);
    }
}

} // namespace

ChannelRowTexts DecodeChannel(const RadioImage& image, int channel, bool english) {
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
        const auto pick = [english](bool on, const Word& yes, const Word& no) {
            return (on ? yes : no).In(english);
        };
        cells[kColBandwidth] = pick(flags & R::kWide, words::kWide, words::kNarrow);
        cells[kColScan] = pick(flags & R::kScanAdd, words::kYes, words::kNo);
        cells[kColTxPower] = pick(flags & R::kHighPower, words::kHigh, words::kLow);
        cells[kColOptSignal] = OptSignalCell(record[R::kOptSignal], english);
        cells[kColPttId] = pick(record[R::kPttId] & R::kPttIdOn, words::kOn, words::kOff);
        cells[kColBusyLock] = BusyLockCell(flags, english);
        cells[kColRepeatInvert] = pick(flags & R::kRepeatForward, words::kForward, words::kReverse);
    }
    cells[kColName] = NameCode::Decode(&image[NameOffset(channel)]);
    return cells;
}

void DecodeChannels(const RadioImage& image, ChannelForm& form, bool english) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts cells = DecodeChannel(image, channel, english);
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
