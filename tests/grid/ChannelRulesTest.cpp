// The rules of committing a cell, as values: the frequency checks at their boundaries, the
// defaults of a new channel, clearing a channel, the tone, list and name commits.

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelRules.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tevano::testing {
namespace {

using V = FrequencyVerdict;

TEST(FrequencyEntry, BoundariesOfRangeAndStep) {
    const struct {
        const char* typed;
        V verdict;
        const char* text;
    } cases[] = {
        {"66.99999", V::OutOfRange, ""},
        {"67", V::Accepted, "67.00000"},
        {"521", V::Accepted, "521.00000"},
        {"521.00001", V::OutOfRange, ""},
        {"145.00625", V::Accepted, "145.00625"}, // 6.25 kHz step
        {"145.0025", V::Accepted, "145.00250"},  // 2.5 kHz step
        {"145.005", V::Accepted, "145.00500"},   // 5 kHz step
        {"145.001", V::OffStep, ""},
        // checked on the value cut after the fifth decimal, shown rounded
        {"145.0125001", V::Accepted, "145.01250"},
        {"145.012549", V::OffStep, ""},
        {"145.0125", V::Accepted, "145.01250"},
        // numbers as people type them: a comma for the decimal mark, blanks around
        {"145,5", V::Accepted, "145.50000"},
        {" 145.5\t", V::Accepted, "145.50000"},
        {"145,", V::Accepted, "145.00000"},
        // anything but a plain decimal number, never read as its leading number
        {" 145abc", V::NotANumber, ""},
        {"1e2", V::NotANumber, ""},
        {"145.5.1", V::NotANumber, ""},
        {"145,5.1", V::NotANumber, ""},
        {"1 45", V::NotANumber, ""},
        {"abc", V::NotANumber, ""},
        {".", V::NotANumber, ""},
        {"-145", V::NotANumber, ""},
        {"+145", V::NotANumber, ""},
        {"nan", V::NotANumber, ""},
        {"", V::Empty, ""},
        {"  ", V::Empty, ""},
    };
    for (const auto& c : cases) {
        const FrequencyEntry entry = CheckFrequencyEntry(c.typed);
        EXPECT_EQ(entry.verdict, c.verdict) << c.typed;
        EXPECT_EQ(entry.text, c.text) << c.typed;
    }
}

Tone Ctcss(int tenthsHz) {
    Tone tone;
    tone.kind = Tone::Kind::Ctcss;
    tone.tenthsHz = tenthsHz;
    return tone;
}

Tone Dcs23() {
    Tone tone;
    tone.kind = Tone::Kind::Dcs;
    tone.dcsCode = 23;
    return tone;
}

Channel Used(std::uint32_t rx, std::uint32_t tx) {
    Channel channel = EnterFrequency(Channel{}, kColRxFrequency, "145", CommitWay::Leave).channel;
    channel.rx = rx;
    channel.tx = tx;
    return channel;
}

std::string Shown(const Channel& channel, int column) {
    return FormatChannel(channel, Language::English)[static_cast<std::size_t>(column)];
}

TEST(ChannelRules, RefusedFrequenciesBringTheirMessageAndEmptyTheCell) {
    const struct {
        const char* typed;
        MessageId leaving;
        MessageId enter;
    } cases[] = {
        {"66.99999", MessageId::FrequencyOutOfRange, MessageId::FrequencyOutOfRange},
        {"145.001", MessageId::FrequencyOffStep, MessageId::FrequencyOffStepEnter},
    };
    for (const auto& c : cases) {
        const RuleVerdict left =
            EnterFrequency(Used(14500000, 14500000), kColRxFrequency, c.typed, CommitWay::Leave);
        EXPECT_EQ(left.message, c.leaving) << c.typed;
        EXPECT_FALSE(left.channel.rx) << c.typed;
        EXPECT_EQ(left.channel.tx, 14500000U);
        const RuleVerdict entered =
            EnterFrequency(Used(14500000, 14500000), kColRxFrequency, c.typed, CommitWay::Enter);
        EXPECT_EQ(entered.message, c.enter) << c.typed;
    }
    // Not a number: the message, and the cell keeps what it had.
    const RuleVerdict kept =
        EnterFrequency(Used(14500000, 14500000), kColRxFrequency, "abc", CommitWay::Leave);
    EXPECT_EQ(kept.message, MessageId::InputNumber);
    EXPECT_EQ(kept.channel, Used(14500000, 14500000));
}

TEST(ChannelRules, FirstFrequencyOfAnEmptyChannelBringsTheDefaults) {
    const Channel rx = EnterFrequency(Channel{}, kColRxFrequency, "145", CommitWay::Leave).channel;
    const std::vector<std::string> expected = {"",   "145.00000", "145.00000", "OFF", "OFF",
                                               "Wide", "Yes", "High", "DTMF", "ON", "Close",
                                               "Forward", ""};
    for (int col = kColRxFrequency; col <= kColName; ++col) {
        EXPECT_EQ(Shown(rx, col), expected[static_cast<std::size_t>(col)]) << col;
    }
    // Typed into the transmit frequency it fills that one only.
    const Channel tx = EnterFrequency(Channel{}, kColTxFrequency, "145", CommitWay::Leave).channel;
    EXPECT_FALSE(tx.rx);
    EXPECT_EQ(tx.tx, 14500000U);
    EXPECT_TRUE(tx.wide);
    // A channel that already has a tone keeps it, and gets no defaults.
    Channel toned;
    toned.rxTone = Ctcss(885);
    const Channel typed = EnterFrequency(toned, kColRxFrequency, "145", CommitWay::Leave).channel;
    EXPECT_EQ(typed.rxTone, toned.rxTone);
    EXPECT_FALSE(typed.wide);
    EXPECT_FALSE(typed.tx);
}

TEST(ChannelRules, ClearingFrequenciesTakesTheirTonesAndThenTheChannel) {
    Channel channel = Used(14500000, 14550000);
    channel.rxTone = Ctcss(885);
    channel.txTone = Dcs23();
    channel.name = "CALL";
    channel = EnterFrequency(channel, kColRxFrequency, "", CommitWay::Leave).channel;
    EXPECT_EQ(channel.rxTone.kind, Tone::Kind::None);
    EXPECT_EQ(channel.txTone.kind, Tone::Kind::Dcs);
    EXPECT_EQ(channel.name, "CALL");
    channel = EnterFrequency(channel, kColTxFrequency, "", CommitWay::Leave).channel;
    EXPECT_EQ(channel, Channel{});

    // Leaving the cell clears the options only once no tone is left either; Enter as soon as no
    // frequency is.
    Channel toned = Used(14500000, 0);
    toned.tx.reset();
    toned.txTone = Ctcss(1000);
    const Channel left = EnterFrequency(toned, kColRxFrequency, "", CommitWay::Leave).channel;
    EXPECT_TRUE(left.wide);
    const Channel entered = EnterFrequency(toned, kColRxFrequency, "", CommitWay::Enter).channel;
    EXPECT_FALSE(entered.wide);
    EXPECT_EQ(entered.txTone, toned.txTone);
}

TEST(ChannelRules, TransmitOffsetsFromTheReceiveFrequency) {
    const Channel channel = Used(43850000, 43850000);
    const auto offset = [&channel](const char* typed) {
        return Shown(EnterFrequency(channel, kColTxFrequency, typed, CommitWay::Leave).channel,
                     kColTxFrequency);
    };
    EXPECT_EQ(offset("-7.6"), "430.90000");
    EXPECT_EQ(offset("+0,6"), "439.10000");
    EXPECT_EQ(offset("+5"), "443.50000");
    EXPECT_EQ(EnterFrequency(channel, kColTxFrequency, "+0.0031", CommitWay::Leave).message,
              MessageId::FrequencyOffStep);
    // Without a receive frequency a sign is no number.
    EXPECT_EQ(EnterFrequency(Channel{}, kColTxFrequency, "+0.6", CommitWay::Leave).message,
              MessageId::InputNumber);
}

TEST(ChannelRules, TonesNameATableEntryAndAnEmptyChannelTakesNone) {
    const std::vector<std::string> names = {"OFF", "67.0", "88.5", "D023N", "D754I"};
    const Channel used = Used(14500000, 14500000);
    EXPECT_EQ(Shown(EnterTone(used, kColRxTone, "d23n", names).channel, kColRxTone), "D023N");
    EXPECT_EQ(Shown(EnterTone(used, kColTxTone, "88,5", names).channel, kColTxTone), "88.5");
    EXPECT_EQ(Shown(EnterTone(used, kColRxTone, "", names).channel, kColRxTone), "OFF");
    const RuleVerdict refused = EnterTone(used, kColRxTone, "123.4", names);
    EXPECT_EQ(refused.message, MessageId::ToneNotInTable);
    EXPECT_EQ(refused.channel, used);
    // A tone the list does not offer stays while the cell's own text is committed.
    Channel odd = used;
    odd.rxTone = Ctcss(694);
    EXPECT_EQ(EnterTone(odd, kColRxTone, "69.4", names).channel, odd);
    // An empty channel's tone goes, whatever was picked.
    Channel empty;
    empty.txTone = Ctcss(670);
    EXPECT_EQ(EnterTone(empty, kColTxTone, "88.5", names).channel, Channel{});
}

TEST(ChannelRules, OptionsAndNames) {
    const Channel used = Used(14500000, 14500000);
    EXPECT_FALSE(PickOption(used, kColTxPower, 0).channel.highPower);
    EXPECT_EQ(PickOption(Channel{}, kColTxPower, 1).channel, Channel{});
    EXPECT_EQ(EnterName(Channel{}, "HE-1", CommitWay::Leave).channel.name, "HE-1");
    EXPECT_EQ(EnterName(Channel{}, "HE-1", CommitWay::Enter).channel.name, "");
    // Every entry of every list, before and after a switch, stands for the value it names.
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        for (const bool switched : {false, true}) {
            for (const Language language : {Language::English, Language::Chinese}) {
                for (const OptionEntry& entry : OptionEntries(col, language, switched)) {
                    const Channel picked = PickOption(used, col, entry.value).channel;
                    const std::string shown =
                        FormatChannel(picked, language)[static_cast<std::size_t>(col)];
                    EXPECT_TRUE(shown == entry.text || entry.text == "MDC1200")
                        << col << " " << entry.text << " " << shown;
                }
            }
        }
    }
}

} // namespace
} // namespace tevano::testing
