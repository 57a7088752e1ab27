#include "grid/ChannelEncode.h"

#include "grid/Channel.h"
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

std::optional<std::uint32_t> ParseFrequency(const std::string& text) {
    const std::uint32_t units = FrequencyTextTo10Hz(text);
    return units == 0 ? std::nullopt : std::optional<std::uint32_t>(units);
}

// A tone text as its word. A text that its own word does not show again came from a word no
// value gives back: the image's word is kept when it still shows it, else that word is stored.
Tone ParseTone(const std::string& text, const std::uint8_t* imageWord) {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    ToneWord::Encode(text, low, high);
    if (ToneWord::HasTone(high) && ToneWord::Text(low, high) == text) {
        return ToneOfWord(low, high);
    }
    if (ToneWord::HasTone(imageWord[1]) && ToneWord::Text(imageWord[0], imageWord[1]) == text) {
        return ToneOfWord(imageWord[0], imageWord[1]);
    }
    if (!ToneWord::HasTone(high)) {
        return Tone{}; // "OFF", an empty cell, or a text that gives no tone
    }
    Tone tone = ToneOfWord(low, high);
    tone.stored = std::array<std::uint8_t, 2>{low, high};
    return tone;
}

OptSignal ParseOptSignal(std::string_view text) {
    if (words::kNone.Matches(text)) {
        return OptSignal::None;
    }
    if (words::kDtmf.Matches(text)) {
        return OptSignal::Dtmf;
    }
    if (words::kCcir.Matches(text)) {
        return OptSignal::Ccir;
    }
    return OptSignal::Msk; // "MSK", "MDC1200" and any other text
}

BusyLock ParseBusyLock(std::string_view text) {
    if (words::kClose.Matches(text)) {
        return BusyLock::Off;
    }
    if (words::kCarrier.Matches(text)) {
        return BusyLock::Carrier;
    }
    return BusyLock::Tone; // "QT/DQT", an empty cell and any other text
}

void SetBits(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

} // namespace

void SetOptionFromWord(Channel& channel, int column, std::string_view word) {
    switch (column) {
    case kColBandwidth:
        channel.wide = words::kWide.Matches(word);
        break;
    case kColScan:
        channel.scan = words::kYes.Matches(word);
        break;
    case kColTxPower:
        channel.highPower = words::kHigh.Matches(word);
        break;
    case kColOptSignal:
        channel.optSignal = ParseOptSignal(word);
        break;
    case kColPttId:
        channel.pttId = words::kOn.Matches(word);
        break;
    case kColBusyLock:
        channel.busyLock = ParseBusyLock(word);
        break;
    case kColRepeatInvert:
        channel.forward = words::kForward.Matches(word);
        break;
    default:
        break;
    }
}

Tone ToneOfText(std::string_view text) {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    ToneWord::Encode(text, low, high);
    return ToneOfWord(low, high);
}

Channel ParseChannel(const ChannelRowTexts& cells, const RadioImage& image, int channel) {
    using R = ChannelRecord;
    const std::uint8_t* record = &image[ChannelOffset(channel)];
    Channel parsed;
    parsed.rx = ParseFrequency(cells[kColRxFrequency]);
    parsed.tx = ParseFrequency(cells[kColTxFrequency]);
    parsed.rxTone = ParseTone(cells[kColRxTone], record + R::kRxTone);
    parsed.txTone = ParseTone(cells[kColTxTone], record + R::kTxTone);
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        SetOptionFromWord(parsed, col, cells[static_cast<std::size_t>(col)]);
    }
    parsed.name = cells[kColName];
    return parsed;
}

void EncodeChannel(const ChannelRowTexts& cells, int channel, RadioImage& image) {
    WriteChannel(ParseChannel(cells, image, channel), channel, image);
}

void EncodeChannels(const ChannelForm& form, RadioImage& image) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        WriteChannel(ReadChannel(image, channel), channel, image);
    }
    // A list without a pick (-1) still goes through the arithmetic: 0xED and 0x37.
    image[kFieldByte] = static_cast<std::uint8_t>(form.field.CurSel() + kFieldBase);
    image[kTypeByte] = static_cast<std::uint8_t>(form.type.CurSel() + kTypeBase);
    SetBits(image[kManualByte], kManualOpenBit, form.manual.CurSel() == 0);
    image[kFormMarkByte] = kFormMark;
}

} // namespace tevano
