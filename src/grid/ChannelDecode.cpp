#include "grid/ChannelDecode.h"

#include "grid/Channel.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "image/ToneWord.h"

namespace tevano {

namespace {

std::string FrequencyCell(const std::optional<std::uint32_t>& units) {
    return units ? FrequencyText(*units) : std::string();
}

std::string OptSignalCell(const std::optional<OptSignal>& signal, Language language) {
    if (!signal) {
        return std::string();
    }
    switch (*signal) {
    case OptSignal::Msk:
        return words::kMsk.In(language);
    case OptSignal::None:
        return words::kNone.In(language);
    case OptSignal::Dtmf:
        return words::kDtmf.In(language);
    case OptSignal::Ccir:
        return words::kCcir.In(language);
    }
    return std::string();
}

std::string BusyLockCell(BusyLock lock, Language language) {
    switch (lock) {
    case BusyLock::Off:
        return words::kClose.In(language);
    case BusyLock::Carrier:
        return words::kCarrier.In(language);
    case BusyLock::Tone:
        return words::kQtDqt.In(language);
    }
    return std::string();
}

} // namespace

// A tone is shown even in an empty channel; "OFF" only in a used one.
std::string ToneCellText(const Tone& tone, bool used) {
    if (tone.kind == Tone::Kind::None) {
        return used ? std::string(words::kToneOff) : std::string();
    }
    const std::array<std::uint8_t, 2> word = ToneWordOf(tone);
    return ToneWord::Text(word[0], word[1]);
}

ChannelRowTexts FormatChannel(const Channel& channel, Language language) {
    const bool used = channel.Used();
    ChannelRowTexts cells;
    cells[kColRxFrequency] = FrequencyCell(channel.rx);
    cells[kColTxFrequency] = FrequencyCell(channel.tx);
    cells[kColRxTone] = ToneCellText(channel.rxTone, used);
    cells[kColTxTone] = ToneCellText(channel.txTone, used);
    if (used) {
        const auto pick = [language](bool on, const Word& yes, const Word& no) {
            return (on ? yes : no).In(language);
        };
        cells[kColBandwidth] = pick(channel.wide, words::kWide, words::kNarrow);
        cells[kColScan] = pick(channel.scan, words::kYes, words::kNo);
        cells[kColTxPower] = pick(channel.highPower, words::kHigh, words::kLow);
        cells[kColOptSignal] = OptSignalCell(channel.optSignal, language);
        cells[kColPttId] = pick(channel.pttId, words::kOn, words::kOff);
        cells[kColBusyLock] = BusyLockCell(channel.busyLock, language);
        cells[kColRepeatInvert] = pick(channel.forward, words::kForward, words::kReverse);
    }
    cells[kColName] = channel.name;
    return cells;
}

ChannelRowTexts DecodeChannel(const RadioImage& image, int channel, Language language) {
    return FormatChannel(ReadChannel(image, channel), language);
}

} // namespace tevano
