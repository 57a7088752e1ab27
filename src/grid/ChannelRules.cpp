#include "grid/ChannelRules.h"

#include "base/TextCase.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyEntry.h"
#include "grid/FrequencyText.h"
#include "grid/LanguageTables.h"
#include "image/ToneTable.h"

#include <algorithm>

namespace tevano {

namespace {

std::optional<MessageId> RefusalOf(FrequencyVerdict verdict, CommitWay way) {
    switch (verdict) {
    case FrequencyVerdict::NotANumber:
        return MessageId::InputNumber;
    case FrequencyVerdict::OutOfRange:
        return MessageId::FrequencyOutOfRange;
    case FrequencyVerdict::OffStep:
        return way == CommitWay::Enter ? MessageId::FrequencyOffStepEnter
                                       : MessageId::FrequencyOffStep;
    case FrequencyVerdict::Empty:
    case FrequencyVerdict::Accepted:
        break;
    }
    return std::nullopt;
}

std::optional<std::uint32_t>& FrequencyOf(Channel& channel, int column) {
    return column == kColTxFrequency ? channel.tx : channel.rx;
}

Tone& ToneOf(Channel& channel, int column) {
    return column == kColRxFrequency || column == kColRxTone ? channel.rxTone : channel.txTone;
}

// What a channel that held nothing gets with its first frequency.
void WriteDefaults(Channel& channel) {
    channel.rxTone = Tone{};
    channel.txTone = Tone{};
    channel.wide = true;
    channel.scan = true;
    channel.highPower = true;
    channel.optSignal = OptSignal::Dtmf;
    channel.pttId = true;
    channel.busyLock = BusyLock::Off;
    channel.forward = true;
    channel.name.clear();
}

// The options and the name as an empty row holds them.
void ClearOptions(Channel& channel) {
    const Channel empty;
    channel.wide = empty.wide;
    channel.scan = empty.scan;
    channel.highPower = empty.highPower;
    channel.optSignal = empty.optSignal;
    channel.pttId = empty.pttId;
    channel.busyLock = empty.busyLock;
    channel.forward = empty.forward;
    channel.name.clear();
}

void SetOptionValue(Channel& channel, int column, int value) {
    switch (column) {
    case kColBandwidth:
        channel.wide = value != 0;
        break;
    case kColScan:
        channel.scan = value != 0;
        break;
    case kColTxPower:
        channel.highPower = value != 0;
        break;
    case kColOptSignal:
        channel.optSignal = value < 0 ? std::nullopt
                                      : std::optional<OptSignal>(static_cast<OptSignal>(value));
        break;
    case kColPttId:
        channel.pttId = value != 0;
        break;
    case kColBusyLock:
        channel.busyLock = static_cast<BusyLock>(value);
        break;
    case kColRepeatInvert:
        channel.forward = value != 0;
        break;
    default:
        break;
    }
}

// The control id of an option column's list, as the language switch names it.
int ListIdOf(int column) {
    switch (column) {
    case kColBandwidth:
        return kListBandwidth;
    case kColScan:
        return kListScan;
    case kColTxPower:
        return kListTxPower;
    case kColOptSignal:
        return kListOptSignal;
    case kColPttId:
        return kListPttId;
    case kColBusyLock:
        return kListBusyLock;
    case kColRepeatInvert:
        return kListRepeatInvert;
    default:
        return 0;
    }
}

} // namespace

RuleVerdict EnterFrequency(const Channel& channel, int column, std::string_view typed,
                           CommitWay way) {
    RuleVerdict verdict{channel, std::nullopt};
    std::string text(typed);
    if (column == kColTxFrequency && channel.rx) {
        if (const std::optional<std::string> offset =
                RepeaterOffsetEntry(typed, FrequencyText(*channel.rx))) {
            text = *offset;
        }
    }
    const FrequencyEntry entry = CheckFrequencyEntry(text);
    verdict.message = RefusalOf(entry.verdict, way);
    if (entry.verdict == FrequencyVerdict::NotANumber) {
        return verdict; // the cell keeps what it had
    }
    Channel& after = verdict.channel;
    if (!entry.text.empty()) {
        const std::uint32_t units = FrequencyTextTo10Hz(entry.text);
        if (!channel.Used() && channel.rxTone.kind == Tone::Kind::None &&
            channel.txTone.kind == Tone::Kind::None) {
            WriteDefaults(after);
            if (column == kColRxFrequency) {
                after.tx = units;
            }
        }
        FrequencyOf(after, column) = units;
        return verdict;
    }
    // Emptied or refused: the frequency goes with its tone, and a channel left with nothing
    // loses its options and its name.
    FrequencyOf(after, column).reset();
    ToneOf(after, column) = Tone{};
    bool nothingLeft = !after.Used();
    if (way == CommitWay::Leave) {
        nothingLeft = nothingLeft && after.rxTone.kind == Tone::Kind::None &&
                      after.txTone.kind == Tone::Kind::None;
    }
    if (nothingLeft) {
        ClearOptions(after);
    }
    return verdict;
}

RuleVerdict EnterTone(const Channel& channel, int column, std::string_view typed,
                      std::span<const std::string> toneNames) {
    RuleVerdict verdict{channel, std::nullopt};
    Tone& tone = ToneOf(verdict.channel, column);
    if (!channel.Used()) {
        tone = Tone{};
        return verdict;
    }
    const std::string spelled = ToneSpelling(typed);
    const auto named = std::find_if(toneNames.begin(), toneNames.end(),
                                    [&](const std::string& n) { return EqualsNoCase(n, spelled); });
    if (named != toneNames.end()) {
        tone = ToneOfText(*named);
    } else if (typed == ToneCellText(tone, true)) {
        // the tone the cell shows, one the list does not offer included, stays as it is
    } else if (typed.empty()) {
        tone = Tone{};
    } else {
        verdict.message = MessageId::ToneNotInTable;
    }
    return verdict;
}

RuleVerdict PickOption(const Channel& channel, int column, int value) {
    RuleVerdict verdict{channel, std::nullopt};
    if (channel.Used()) {
        SetOptionValue(verdict.channel, column, value);
    }
    return verdict;
}

RuleVerdict EnterName(const Channel& channel, std::string_view name, CommitWay way) {
    RuleVerdict verdict{channel, std::nullopt};
    if (way == CommitWay::Leave || channel.Used()) {
        verdict.channel.name = std::string(name);
    }
    return verdict;
}

int OptionValue(const Channel& channel, int column) {
    switch (column) {
    case kColBandwidth:
        return channel.wide ? 1 : 0;
    case kColScan:
        return channel.scan ? 1 : 0;
    case kColTxPower:
        return channel.highPower ? 1 : 0;
    case kColOptSignal:
        return channel.optSignal ? static_cast<int>(*channel.optSignal) : -1;
    case kColPttId:
        return channel.pttId ? 1 : 0;
    case kColBusyLock:
        return static_cast<int>(channel.busyLock);
    case kColRepeatInvert:
        return channel.forward ? 1 : 0;
    default:
        return -1;
    }
}

std::vector<OptionEntry> OptionEntries(int column, Language language, bool afterSwitch) {
    std::vector<std::string> texts = OverlayListEntries(column, language);
    if (afterSwitch) {
        for (const SwitchedList& list : ListsAfterSwitch()) {
            if (list.controlId == ListIdOf(column)) {
                texts = list.Entries(language);
            }
        }
    }
    std::vector<OptionEntry> entries;
    for (const std::string& text : texts) {
        Channel read;
        SetOptionFromWord(read, column, text);
        entries.push_back({text, OptionValue(read, column)});
    }
    return entries;
}

} // namespace tevano
