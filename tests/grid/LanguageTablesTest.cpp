#include "grid/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tevano {
namespace {

TEST(LanguageTables, CellWordsBecomeTheirTwin) {
    EXPECT_EQ(TranslateCell(kColBandwidth, "Wide", Language::Chinese), "宽");
    EXPECT_EQ(TranslateCell(kColBandwidth, "窄", Language::English), "Narrow");
    EXPECT_EQ(TranslateCell(kColPttId, "OFF", Language::Chinese), "关");
    EXPECT_EQ(TranslateCell(kColBusyLock, "载波", Language::English), "Carrier");
    EXPECT_EQ(TranslateCell(kColRepeatInvert, "Reverse", Language::Chinese), "反向");

    // Left as they are: frequencies, tones, names, codes the same in both languages, empty
    // cells, a word of another column, a word that is already in the new language, and a word
    // that differs in letter case.
    const struct {
        int column;
        const char* text;
        Language to;
    } unchanged[] = {
        {kColRxFrequency, "145.12500", Language::Chinese},
        {kColRxTone, "OFF", Language::Chinese},
        {kColTxTone, "D023N", Language::Chinese},
        {kColName, "Yes", Language::Chinese},
        {kColOptSignal, "MSK", Language::Chinese},
        {kColOptSignal, "DTMF", Language::English},
        {kColBusyLock, "QT/DQT", Language::Chinese},
        {kColScan, "", Language::Chinese},
        {kColBandwidth, "Yes", Language::Chinese},
        {kColTxPower, "高", Language::Chinese},
        {kColTxPower, "High", Language::English},
        {kColScan, "yes", Language::Chinese},
        {kColPttId, "Off", Language::Chinese},
        {kColChannel, "12", Language::English},
    };
    for (const auto& c : unchanged) {
        EXPECT_EQ(TranslateCell(c.column, c.text, c.to), c.text) << c.column << " " << c.text;
    }
}

TEST(LanguageTables, EveryOverlayWordSurvivesASwitchThereAndBack) {
    for (int column = kColBandwidth; column <= kColRepeatInvert; ++column) {
        for (const Language language : {Language::English, Language::Chinese}) {
            for (const std::string& word : OverlayListEntries(column, language)) {
                const std::string switched = TranslateCell(column, word, Other(language));
                EXPECT_EQ(TranslateCell(column, switched, language), word) << column << " " << word;
                // Every word of a list lands on a word of the same list in the other language.
                const auto other = OverlayListEntries(column, Other(language));
                EXPECT_NE(std::find(other.begin(), other.end(), switched), other.end())
                    << column << " " << word;
            }
        }
    }
}

TEST(LanguageTables, HeadersAfterASwitch) {
    EXPECT_EQ(SwitchedHeader(kColRxFrequency, Language::English), "Receive(MHz)");
    EXPECT_EQ(SwitchedHeader(kColTxFrequency, Language::English), "Transmit(MHz)");
    // Only the English frequency headers differ from the first set-up.
    for (int column = 0; column < kGridColumns; ++column) {
        const bool frequency = column == kColRxFrequency || column == kColTxFrequency;
        EXPECT_EQ(SwitchedHeader(column, Language::Chinese),
                  FirstSetupHeader(column, Language::Chinese))
            << column;
        EXPECT_EQ(SwitchedHeader(column, Language::English) ==
                      FirstSetupHeader(column, Language::English),
                  !frequency)
            << column;
    }
    EXPECT_EQ(SwitchedHeader(kGridColumns, Language::English), "");
}

TEST(LanguageTables, RebuiltListsKeepTheOverlayPositions) {
    const auto lists = ListsAfterSwitch();
    ASSERT_EQ(lists.size(), 8u);
    EXPECT_EQ(lists[0].controlId, kListManualSetting);
    EXPECT_EQ(lists[0].Entries(Language::English), (std::vector<std::string>{"YES", "NO"}));
    EXPECT_EQ(lists[0].Entries(Language::Chinese), (std::vector<std::string>{"是", "否"}));
    EXPECT_EQ(lists[7].controlId, kListRepeatInvert);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(lists[i].keepsSelection, i < 7) << i;
    }

    // A picked position must mean the same value after the switch: each cell list holds the
    // overlay's words in the overlay's order, except "MDC1200" standing in for "MSK".
    const struct {
        int controlId;
        int column;
    } cellLists[] = {
        {kListOptSignal, kColOptSignal},
        {kListTxPower, kColTxPower},
        {kListScan, kColScan},
        {kListPttId, kColPttId},
        {kListBandwidth, kColBandwidth},
        {kListBusyLock, kColBusyLock},
        {kListRepeatInvert, kColRepeatInvert},
    };
    for (const auto& c : cellLists) {
        const auto list = std::find_if(lists.begin(), lists.end(), [&](const SwitchedList& l) {
            return l.controlId == c.controlId;
        });
        ASSERT_NE(list, lists.end()) << c.controlId;
        for (const Language language : {Language::English, Language::Chinese}) {
            std::vector<std::string> expected = OverlayListEntries(c.column, language);
            if (c.column == kColOptSignal) {
                ASSERT_EQ(expected[1], "MSK");
                expected[1] = "MDC1200";
            }
            EXPECT_EQ(list->Entries(language), expected) << c.controlId;
        }
    }
}

} // namespace
} // namespace tevano
