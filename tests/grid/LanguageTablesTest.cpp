#include "grid/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tevano {
namespace {

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
