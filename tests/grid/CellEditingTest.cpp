// Cell editing through the overlays: the frequency checks at their boundaries, the defaults of a
// new channel, clearing a channel, the list and name commits, and where an overlay is laid.

#include "EditorBench.h"

#include "grid/FrequencyEntry.h"

#include <gtest/gtest.h>

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

// The same rules reached through a click, typing and leaving the cell.
TEST(CellEditing, RefusedFrequenciesShowTheirMessageAndLeaveTheCellEmpty) {
    const struct {
        const char* typed;
        std::vector<MessageId> messages;
        const char* cell;
    } cases[] = {
        {"521.00001", {MessageId::FrequencyOutOfRange}, ""},
        {"145.012549", {MessageId::FrequencyOffStep}, ""},
        {"145.0125001", {}, "145.01250"},
        {"145,5", {}, "145.50000"},
        {"1e2", {MessageId::InputNumber}, "146.52000"}, // the cell keeps what it had
    };
    for (const auto& c : cases) {
        EditorBench bench;
        bench.FillChannel(3, "146.52000", "146.52000");
        bench.Click(3, 1);
        bench.Type(c.typed);
        bench.Leave();
        EXPECT_EQ(bench.messages, c.messages) << c.typed;
        EXPECT_EQ(bench.Cell(3, 1), c.cell) << c.typed;
        EXPECT_FALSE(bench.frequency.visible);
    }
}

TEST(CellEditing, FirstFrequencyOfAnEmptyChannelBringsTheDefaults) {
    EditorBench english;
    english.grid.SetTextMatrix(5, kColName, "OLD"); // a name left in an empty channel goes too
    english.Click(5, 1);
    english.Type("145");
    english.Leave();
    EXPECT_EQ(english.Row(5),
              (std::vector<std::string>{"145.00000", "145.00000", "OFF", "OFF", "Wide", "Yes",
                                        "High", "DTMF", "ON", "Close", "Forward", ""}));

    EditorBench chinese(Language::Chinese);
    chinese.Click(5, 2); // the transmit frequency alone: the receive frequency stays empty
    chinese.Type("439.99375");
    chinese.Leave();
    EXPECT_EQ(chinese.Row(5), (std::vector<std::string>{"", "439.99375", "OFF", "OFF", "宽", "是",
                                                        "高", "DTMF", "开", "关闭", "正向", ""}));
    EXPECT_TRUE(chinese.messages.empty());
}

TEST(CellEditing, AFrequencyTypedIntoAChannelWithTonesKeepsThem) {
    EditorBench bench;
    bench.grid.SetTextMatrix(7, kColRxTone,
                             "88.5"); // an empty channel whose tone bytes hold a tone
    bench.Click(7, 1);
    bench.Type("146.52");
    bench.Leave();
    EXPECT_EQ(bench.Row(7), (std::vector<std::string>{"146.52000", "", "88.5", "", "", "", "", "",
                                                      "", "", "", ""}));
}

TEST(CellEditing, ClearingBothFrequenciesClearsTheChannel) {
    EditorBench bench;
    bench.FillChannel(9, "145.00000", "145.60000", "RPT");
    bench.Click(9, 1);
    bench.Type(""); // over the selected text
    bench.Leave();
    EXPECT_EQ(bench.Row(9),
              (std::vector<std::string>{"", "145.60000", "", "D023N", "Narrow", "No", "Low", "MSK",
                                        "OFF", "Carrier", "Reverse", "RPT"}));
    bench.Click(9, 2);
    bench.Type("");
    bench.Leave();
    EXPECT_EQ(bench.Row(9), std::vector<std::string>(12, ""));
    EXPECT_TRUE(bench.messages.empty());
}

TEST(CellEditing, ARefusedFrequencyOnAUsedChannelTakesItsToneWithIt) {
    EditorBench bench;
    bench.FillChannel(9, "145.00000", "145.60000");
    bench.Click(9, 2);
    bench.Type("600");
    bench.Leave();
    EXPECT_EQ(bench.messages, std::vector<MessageId>{MessageId::FrequencyOutOfRange});
    EXPECT_EQ(bench.Cell(9, 2), "");
    EXPECT_EQ(bench.Cell(9, 4), "");
    EXPECT_EQ(bench.Cell(9, 3), "88.5");
    EXPECT_EQ(bench.Cell(9, 5), "Narrow");
}

TEST(CellEditing, ListsCommitTheirPickOnAUsedChannelAndNothingOnAnEmptyOne) {
    EditorBench bench;
    bench.FillChannel(2, "145.00000", "145.00000");
    bench.Click(2, kColTxPower);
    FakeList& power = bench.Option(kColTxPower);
    EXPECT_EQ(power.choices.CurrentText(), "Low"); // loaded from the cell
    power.choices.SetCurSel(1);
    bench.Click(2, kColRxTone);
    EXPECT_EQ(bench.Cell(2, kColTxPower), "High");
    EXPECT_EQ(bench.tones.choices.CurrentText(), "88.5");
    EXPECT_EQ(bench.tones.editText, "88.5");
    bench.tones.Pick(bench.tones.choices.FindExact("D754I"));
    bench.Leave();
    EXPECT_EQ(bench.Cell(2, kColRxTone), "D754I");

    // An empty channel: the tone cell decoded from its bytes and the pick are both dropped.
    bench.grid.SetTextMatrix(4, kColTxTone, "67.0");
    bench.Click(4, kColTxTone);
    bench.Leave();
    bench.Click(4, kColBandwidth);
    EXPECT_EQ(bench.Option(kColBandwidth).choices.CurSel(), 0); // an empty cell loads entry 0
    bench.Leave();
    EXPECT_EQ(bench.Row(4), std::vector<std::string>(12, ""));
}

// A cell text that no entry begins with (a tone the list does not offer, "MSK" after the
// switch renamed the entry "MDC1200") must survive clicking into the cell and out again.
TEST(CellEditing, ACellTextTheListDoesNotOfferIsKept) {
    EditorBench bench;
    bench.FillChannel(6, "145.00000", "145.00000");
    bench.grid.SetTextMatrix(6, kColRxTone, "69.4");
    bench.Option(kColOptSignal).choices.Fill({"None", "MDC1200", "DTMF", "CCIR"});
    bench.Click(6, kColRxTone);
    EXPECT_EQ(bench.tones.choices.CurSel(), -1);
    EXPECT_EQ(bench.tones.editText, "69.4");
    bench.Click(6, kColOptSignal);
    EXPECT_EQ(bench.Option(kColOptSignal).choices.CurSel(), -1);
    bench.Leave();
    EXPECT_EQ(bench.Cell(6, kColRxTone), "69.4");
    EXPECT_EQ(bench.Cell(6, kColOptSignal), "MSK");
    EXPECT_TRUE(bench.changed.empty());
}

TEST(CellEditing, TheNameIsCommittedOnLeavingEvenOnAnEmptyChannel) {
    EditorBench bench;
    bench.Click(12, kColName);
    EXPECT_EQ(bench.focused, &bench.name);
    bench.Type("HE-1");
    bench.Click(12, 1);
    EXPECT_EQ(bench.Cell(12, kColName), "HE-1");
}

TEST(CellEditing, OnlyARealChangeIsReported) {
    EditorBench bench;
    bench.FillChannel(3, "145.00000", "145.00000");
    bench.Click(3, 1);
    bench.Click(3, 5);
    bench.Click(3, 3);
    bench.Click(3, 1); // the tone list left as loaded
    EXPECT_TRUE(bench.changed.empty());
    bench.Type("145.0");
    bench.Leave(); // the same value again
    EXPECT_TRUE(bench.changed.empty());
    bench.Click(3, 1);
    bench.Type("146");
    bench.Leave();
    EXPECT_EQ(bench.changed, (std::set<std::pair<int, int>>{{3, 1}}));
}

// A transmit frequency typed as a repeater offset is the receive frequency plus or minus it,
// checked as a typed frequency is.
TEST(CellEditing, TransmitOffsetsFromTheReceiveFrequency) {
    EditorBench bench;
    bench.Click(3, kColRxFrequency);
    bench.Type("438.5");
    bench.Leave();
    const auto offset = [&bench](const std::string& typed) {
        bench.Click(3, kColTxFrequency);
        bench.Type(typed);
        bench.Leave();
        return bench.Cell(3, kColTxFrequency);
    };
    EXPECT_EQ(offset("-7.6"), "430.90000");
    EXPECT_EQ(offset("+0,6"), "439.10000");
    EXPECT_EQ(offset("+5"), "443.50000");
    EXPECT_TRUE(bench.messages.empty());
    // Off the channel steps, as 443.5031 typed in: the message, and the cell emptied.
    EXPECT_EQ(offset("+0.0031"), "");
    EXPECT_EQ(bench.messages, std::vector<MessageId>{MessageId::FrequencyOffStep});
    // Without a receive frequency a sign is no number.
    bench.Click(4, kColTxFrequency);
    bench.Type("+0.6");
    bench.Leave();
    EXPECT_EQ(bench.Cell(4, kColTxFrequency), "");
}

TEST(CellEditing, EditingStartsOnlyOnChannelCells) {
    EditorBench bench;
    bench.Click(0, 3);
    bench.Click(5, 0);
    bench.editor.DblClick();
    bench.TypeOnGrid('1');
    EXPECT_TRUE(bench.Visible().empty());
    bench.grid.SetRow(6);
    bench.grid.SetCol(2);
    bench.editor.MouseDown(2, 0, 0, 0); // the right button
    bench.TypeOnGrid(0);                // never sent by the grid; starts with an unchanged cell
    EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.frequency});
    bench.Leave();
    bench.editor.DblClick();
    EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.name});
    bench.grid.SetRow(7);  // leaves the name edit, no click
    bench.TypeOnGrid('+'); // no character of a name: the name column does not react
    EXPECT_TRUE(bench.Visible().empty());
    bench.TypeOnGrid('k'); // a letter opens the name with it, in capitals
    EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.name});
    EXPECT_EQ(bench.name.text, "K");
    EXPECT_TRUE(bench.messages.empty());
    bench.Leave();
    bench.grid.SetCol(kColBandwidth);
    bench.TypeOnGrid(' '); // a blank opens a list as a click does, without a message
    EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.Option(kColBandwidth)});
    EXPECT_TRUE(bench.messages.empty());
}

TEST(CellEditing, TheOverlayIsLaidOverTheCell) {
    EditorBench bench;
    bench.grid.SetColWidth(0, 480);
    bench.grid.SetColWidth(1, 1500);
    bench.grid.SetColWidth(3, 1200);
    bench.Click(3, 2); // at 96 pixels per inch a pixel is 15 twips; row 3 is 855 twips down
    const int width = bench.grid.ColWidth(2) / 15;
    EXPECT_EQ(bench.frequency.rect, (Rect{1980 / 15 - 3, 855 / 15 - 3, width, 285 / 15}));

    bench.ppiX = 120; // 12 twips a pixel; products are cut before the 3 is taken off
    bench.ppiY = 144; // 10 twips a pixel
    bench.Click(3, 1);
    EXPECT_EQ(bench.frequency.rect, (Rect{480 / 12 - 3, 855 / 10 - 3, 1500 / 12, 28}));
    bench.Click(3, 3);
    const int left = (480 + 1500 + bench.grid.ColWidth(2)) * 120 / 1440 - 3;
    EXPECT_EQ(bench.tones.rect, (Rect{left, 855 / 10 - 3, 100, 28 + 100}));
}

// A scroll commits as a click elsewhere would, then hides every overlay; a value the checks
// refuse keeps its editor and the rows where they were.
TEST(CellEditing, ScrollingCommitsAndARefusalKeepsTheEditorAndTheRows) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000", "A");
    bench.Click(1, kColName);
    bench.Type("CHANGED");
    for (CellOverlay* overlay : bench.All()) {
        overlay->Show();
    }
    const int refreshes = bench.grid.RefreshCount();
    bench.grid.SetTopRow(40);
    EXPECT_EQ(bench.grid.TopRow(), 40);
    EXPECT_TRUE(bench.Visible().empty());
    EXPECT_GT(bench.grid.RefreshCount(), refreshes);
    EXPECT_EQ(bench.Cell(1, kColName), "CHANGED");

    const struct {
        int col;
        const char* typed;
        MessageId message;
    } refused[] = {
        {kColRxFrequency, "600", MessageId::FrequencyOutOfRange},
        {kColTxFrequency, "145.001", MessageId::FrequencyOffStep},
        {kColRxFrequency, "145.5x", MessageId::InputNumber},
        {kColTxTone, "123.4", MessageId::ToneNotInTable},
    };
    for (const auto& c : refused) {
        bench.messages.clear();
        bench.Click(1, c.col);
        bench.Type(c.typed);
        bench.grid.SetTopRow(60);
        EXPECT_EQ(bench.messages, std::vector<MessageId>{c.message}) << c.typed;
        EXPECT_EQ(bench.grid.TopRow(), 40) << c.typed;
        EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.editor.OverlayOf(c.col)})
            << c.typed;
        EXPECT_EQ(bench.Cell(1, c.col), c.col == kColTxTone ? "D023N" : "145.00000") << c.typed;
        bench.editor.HideOverlays(); // put away unchanged, so that the next click commits nothing
    }
}

TEST(CellEditing, CommitWithoutAnOpenOverlayDoesNothing) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000");
    bench.grid.SetCol(kColPttId); // loaded, never shown
    bench.Option(kColPttId).choices.SetCurSel(1);
    bench.editor.Commit();
    EXPECT_EQ(bench.Cell(1, kColPttId), "OFF");
    bench.editor.StartEditing(0);
    bench.editor.Commit(); // as Read and Write do
    EXPECT_EQ(bench.Cell(1, kColPttId), "ON");
    EXPECT_FALSE(bench.Option(kColPttId).visible);
}

} // namespace
} // namespace tevano::testing
