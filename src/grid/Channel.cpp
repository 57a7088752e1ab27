#include "grid/Channel.h"

#include "image/Bcd.h"
#include "image/ChannelRecord.h"
#include "image/NameCode.h"
#include "image/ScanBitmap.h"
#include "image/ToneWord.h"

#include <algorithm>

namespace tevano {

namespace {

using R = ChannelRecord;

std::optional<std::uint32_t> ReadFrequency(const std::uint8_t* bytes) {
    if (!R::FrequencyPresent(bytes)) {
        return std::nullopt;
    }
    return ReadBcd32(bytes);
}

// A value eight BCD digits cannot hold (a top byte of 0xFA to 0xFE reads as 160 to 164) would
// come out as another frequency or as none: such bytes stay while they still read as the value.
void WriteFrequency(const std::optional<std::uint32_t>& units, std::uint8_t* bytes) {
    if (!units || *units == 0) {
        std::fill_n(bytes, 4, 0xFF);
        return;
    }
    std::uint8_t encoded[4];
    WriteBcd32(encoded, *units);
    const bool writesBack = R::FrequencyPresent(encoded) && ReadBcd32(encoded) == *units;
    if (!writesBack && R::FrequencyPresent(bytes) && ReadBcd32(bytes) == *units) {
        return;
    }
    std::copy_n(encoded, 4, bytes);
}

std::array<std::uint8_t, 2> WordOfValue(const Tone& tone) {
    switch (tone.kind) {
    case Tone::Kind::None:
        return {0xFF, 0xFF};
    case Tone::Kind::Ctcss:
        return {ToBcdByte(tone.tenthsHz % 100), ToBcdByte(tone.tenthsHz / 100)};
    case Tone::Kind::Dcs:
        return {ToBcdByte(tone.dcsCode % 100),
                static_cast<std::uint8_t>(tone.dcsCode / 100 + (tone.inverted ? 0xC0 : 0x80))};
    }
    return {0xFF, 0xFF};
}

} // namespace

Tone ToneOfWord(std::uint8_t low, std::uint8_t high) {
    Tone tone;
    if (!ToneWord::HasTone(high)) {
        return tone;
    }
    if (high < 0x80) {
        tone.kind = Tone::Kind::Ctcss;
        tone.tenthsHz = BcdByteValue(high) * 100 + BcdByteValue(low);
    } else {
        tone.kind = Tone::Kind::Dcs;
        tone.inverted = high >= 0xC0;
        tone.dcsCode = (high - (tone.inverted ? 0xC0 : 0x80)) * 100 + BcdByteValue(low);
    }
    // A word whose BCD has a digit above 9 reads as a value that shows as the word does
    // (normalised on writing), or as one that shows otherwise: that word is kept as stored.
    const std::array<std::uint8_t, 2> written = WordOfValue(tone);
    if (!ToneWord::HasTone(written[1]) ||
        ToneWord::Text(written[0], written[1]) != ToneWord::Text(low, high)) {
        tone.stored = std::array<std::uint8_t, 2>{low, high};
    }
    return tone;
}

namespace {

Tone ReadTone(const std::uint8_t* word) {
    return ToneOfWord(word[0], word[1]);
}

// A word no value gives back stays while the image's word still shows the same; elsewhere the
// stored word itself is written.
void WriteTone(const Tone& tone, std::uint8_t* word) {
    const std::array<std::uint8_t, 2> bytes = ToneWordOf(tone);
    if (tone.stored && ToneWord::HasTone(word[1]) &&
        ToneWord::Text(word[0], word[1]) == ToneWord::Text(bytes[0], bytes[1])) {
        return;
    }
    word[0] = bytes[0];
    word[1] = bytes[1];
}

void SetBits(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

std::optional<OptSignal> ReadOptSignal(std::uint8_t value) {
    switch (value) {
    case R::kSignalMsk:
        return OptSignal::Msk;
    case R::kSignalNone:
        return OptSignal::None;
    case R::kSignalDtmf:
        return OptSignal::Dtmf;
    case R::kSignalCcir:
        return OptSignal::Ccir;
    default:
        return std::nullopt;
    }
}

std::uint8_t OptSignalByte(const std::optional<OptSignal>& signal) {
    switch (signal.value_or(OptSignal::Msk)) {
    case OptSignal::Msk:
        return R::kSignalMsk;
    case OptSignal::None:
        return R::kSignalNone;
    case OptSignal::Dtmf:
        return R::kSignalDtmf;
    case OptSignal::Ccir:
        return R::kSignalCcir;
    }
    return R::kSignalMsk;
}

} // namespace

std::array<std::uint8_t, 2> ToneWordOf(const Tone& tone) {
    return tone.stored ? *tone.stored : WordOfValue(tone);
}

Channel ReadChannel(const RadioImage& image, int number) {
    const std::uint8_t* record = &image[ChannelOffset(number)];
    Channel channel;
    channel.rx = ReadFrequency(record + R::kRxFrequency);
    channel.tx = ReadFrequency(record + R::kTxFrequency);
    channel.rxTone = ReadTone(record + R::kRxTone);
    channel.txTone = ReadTone(record + R::kTxTone);
    if (channel.Used()) {
        const std::uint8_t flags = record[R::kFlags];
        channel.wide = (flags & R::kWide) != 0;
        channel.scan = (flags & R::kScanAdd) != 0;
        channel.highPower = (flags & R::kHighPower) != 0;
        channel.optSignal = ReadOptSignal(record[R::kOptSignal]);
        channel.pttId = (record[R::kPttId] & R::kPttIdOn) != 0;
        switch (flags & R::kBusyLockMask) {
        case 0:
            channel.busyLock = BusyLock::Off;
            break;
        case R::kBusyLockCarrier:
            channel.busyLock = BusyLock::Carrier;
            break;
        default: // 4, and 6, which the radio reads as tone too
            channel.busyLock = BusyLock::Tone;
            break;
        }
        channel.forward = (flags & R::kRepeatForward) != 0;
    }
    channel.name = NameCode::Decode(&image[NameOffset(number)]);
    return channel;
}

void WriteChannel(const Channel& channel, int number, RadioImage& image) {
    std::uint8_t* record = &image[ChannelOffset(number)];
    WriteFrequency(channel.rx, record + R::kRxFrequency);
    WriteFrequency(channel.tx, record + R::kTxFrequency);
    WriteTone(channel.rxTone, record + R::kRxTone);
    WriteTone(channel.txTone, record + R::kTxTone);
    std::uint8_t& flags = record[R::kFlags];
    SetBits(flags, R::kWide, channel.wide);
    SetBits(flags, R::kScanAdd, channel.scan);
    ScanBitmap::Set(image, number, channel.scan);
    SetBits(flags, R::kHighPower, channel.highPower);
    record[R::kOptSignal] = OptSignalByte(channel.optSignal);
    SetBits(record[R::kPttId], R::kPttIdOn, channel.pttId);
    std::uint8_t lock = R::kBusyLockTone;
    if (channel.busyLock == BusyLock::Off) {
        lock = 0;
    } else if (channel.busyLock == BusyLock::Carrier) {
        lock = R::kBusyLockCarrier;
    }
    flags = static_cast<std::uint8_t>((flags & ~R::kBusyLockMask) | lock);
    SetBits(flags, R::kRepeatForward, channel.forward);
    NameCode::Encode(channel.name, &image[NameOffset(number)]);
}

} // namespace tevano
