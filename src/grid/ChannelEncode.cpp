#include "grid/ChannelEncode.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "image/Bcd.h"
#include "image/ChannelRecord.h"
#include "image/NameCode.h"
#include "image/ScanBitmap.h"
#include "image/ToneWord.h"

#include <algorithm>

namespace tevano {

namespace {

void EncodeFrequency(const std::string& text, std::uint8_t* frequency) {
    const std::uint32_t units = FrequencyTextTo10Hz(text);
    if (units == 0) {
        frequency[0] = frequency[1] = frequency[2] = frequency[3] = 0xFF;
        return;
    }
    std::uint8_t encoded[4];
    WriteBcd32(encoded, units);
    // A top byte of 0xFA to 0xFE reads as 160 to 164 (nibble by nibble), which eight BCD digits
    // cannot hold: written again it would come out as another frequency or as none. Such bytes,
    // from a file or a radio, stay as they are while the cell still shows what they hold.
    const bool writesBack = ChannelRecord::FrequencyPresent(encoded) && ReadBcd32(encoded) == units;
    if (!writesBack && ChannelRecord::FrequencyPresent(frequency) &&
        ReadBcd32(frequency) == units) {
        return;
    }
    std::copy_n(encoded, 4, frequency);
}

// The text a tone word shows in a used channel.
std::string ToneText(std::uint8_t low, std::uint8_t high) {
    return ToneWord::HasTone(high) ? ToneWord::Text(low, high) : std::string(words::kToneOff);
}

void EncodeTone(const std::string& text, std::uint8_t* word) {
    std::uint8_t low = word[0];
    std::uint8_t high = word[1];
    ToneWord::Encode(text, low, high);
    // Words that no tone text gives (a CTCSS value of 800 Hz or more, a DCS code whose low byte
    // is not decimal) would be written as another tone or as none; they stay as they are while
    // the cell still shows what they hold.
    if (ToneText(low, high) != text && ToneWord::HasTone(word[1]) &&
        ToneWord::Text(word[0], word[1]) == text) {
        return;
    }
    word[0] = low;
    word[1] = high;
}

void SetBits(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

std::uint8_t OptSignalValue(const std::string& text) {
    if (words::kNone.Matches(text)) {
        return ChannelRecord::kSignalNone;
    }
    if (words::kDtmf.Matches(text)) {
        return ChannelRecord::kSignalDtmf;
    }
    if (words::kCcir.Matches(text)) {
        return ChannelRecord::kSignalCcir;
    }
    return ChannelRecord::kSignalMsk; // "MSK", "MDC1200" and any other text
}

} // namespace

void EncodeChannel(const ChannelRowTexts& cells, int channel, RadioImage& image) {
    using R = ChannelRecord;
    std::uint8_t* record = &image[ChannelOffset(channel)];
    EncodeFrequency(cells[kColRxFrequency], record + R::kRxFrequency);
    EncodeFrequency(cells[kColTxFrequency], record + R::kTxFrequency);
    EncodeTone(cells[kColRxTone], record + R::kRxTone);
    EncodeTone(cells[kColTxTone], record + R::kTxTone);

    std::uint8_t& flags = record[R::kFlags];
    SetBits(flags, R::kWide, words::kWide.Matches(cells[kColBandwidth]));
    const bool scan = words::kYes.Matches(cells[kColScan]);
    SetBits(flags, R::kScanAdd, scan);
    ScanBitmap::Set(image, channel, scan);
    SetBits(flags, R::kHighPower, words::kHigh.Matches(cells[kColTxPower]));
    record[R::kOptSignal] = OptSignalValue(cells[kColOptSignal]);
    SetBits(record[R::kPttId], R::kPttIdOn, words::kOn.Matches(cells[kColPttId]));

    const std::string& busyLock = cells[kColBusyLock];
    std::uint8_t lock = R::kBusyLockTone; // "QT/DQT", an empty cell and any other text
    if (words::kClose.Matches(busyLock)) {
        lock = 0;
    } else if (words::kCarrier.Matches(busyLock)) {
        lock = R::kBusyLockCarrier;
    }
    flags = static_cast<std::uint8_t>((flags & ~R::kBusyLockMask) | lock);
    SetBits(flags, R::kRepeatForward, words::kForward.Matches(cells[kColRepeatInvert]));

    NameCode::Encode(cells[kColName], &image[NameOffset(channel)]);
}

void EncodeChannels(const ChannelForm& form, RadioImage& image) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        ChannelRowTexts cells;
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            cells[static_cast<std::size_t>(col)] = form.grid.TextMatrix(channel, col);
        }
        EncodeChannel(cells, channel, image);
    }
    // A list without a pick (-1) still goes through the arithmetic: 0xED and 0x37.
    image[kFieldByte] = static_cast<std::uint8_t>(form.field.CurSel() + kFieldBase);
    image[kTypeByte] = static_cast<std::uint8_t>(form.type.CurSel() + kTypeBase);
    SetBits(image[kManualByte], kManualOpenBit, form.manual.CurSel() == 0);
    image[kFormMarkByte] = kFormMark;
}

} // namespace tevano
