// The grid's keyboard: a character typed on a cell opens its overlay (without the clipboard),
// Enter walks through a channel and on to the next, and the name edit's key filter.

#include "EditorBench.h"

#include <gtest/gtest.h>

namespace tevano::testing {
namespace {

TEST(TypedCharacter, OpensTheFrequencyEditWithTheCharacter) {
    const struct {
        const char* cell;
        std::uint16_t key;
        const char* edit;
        bool inputNumber;
    } cases[] = {
        {"145.00000", '4', "4", false},
        {"", '4', "4", false},
        {"145.00000", '.', ".", true}, // shown after the message
        {"", '.', "", true},
        {"", 'a', "", true},
        {"145.00000", ' ', " ", true},
        {"", vk::kBackspace, "", false},
        {"145.00000", vk::kBackspace, "", false},
    };
    for (const auto& c : cases) {
        EditorBench bench;
        bench.grid.SetTextMatrix(2, 1, c.cell);
        bench.grid.SetRow(2);
        bench.TypeOnGrid(c.key);
        EXPECT_EQ(bench.frequency.text, c.edit) << c.cell << " " << c.key;
        EXPECT_EQ(bench.frequency.selection, Selection::CaretAtEnd) << c.key;
        EXPECT_TRUE(bench.frequency.visible);
        EXPECT_EQ(bench.focused, &bench.frequency);
        EXPECT_EQ(bench.messages, c.inputNumber ? std::vector<MessageId>{MessageId::InputNumber}
                                                : std::vector<MessageId>{})
            << c.key;
    }
}

TEST(TypedCharacter, AControlCharacterOpensTheCellTextSelected) {
    for (std::uint16_t key : {std::uint16_t{vk::kEscape}, std::uint16_t{127}}) { // 127 is DEL
        EditorBench bench;
        bench.grid.SetTextMatrix(1, 2, "145.00000");
        bench.grid.SetCol(2);
        bench.TypeOnGrid(key);
        EXPECT_EQ(bench.frequency.text, "145.00000") << key;
        EXPECT_EQ(bench.frequency.selection, Selection::All) << key;
        EXPECT_TRUE(bench.messages.empty()) << key;
    }
}

TEST(TypedCharacter, TheToneListsEditFieldReceivesTheCharacter) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000");
    bench.grid.SetCol(kColTxTone);
    bench.TypeOnGrid('8');
    EXPECT_EQ(bench.tones.editText, "8");
    EXPECT_EQ(bench.tones.editSelection, Selection::CaretAtEnd);
    EXPECT_TRUE(bench.tones.visible);
    EXPECT_EQ(bench.tones.choices.CurrentText(), "D023N"); // the pick is the loaded one
    EXPECT_TRUE(bench.messages.empty());
    bench.Type("8.5");
    EXPECT_EQ(bench.Enter(), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(1, kColTxTone), "88.5");

    bench.grid.SetCol(kColRxTone);
    bench.TypeOnGrid('D'); // the message, then the letter all the same
    EXPECT_EQ(bench.messages, std::vector<MessageId>{MessageId::InputNumber});
    EXPECT_EQ(bench.tones.editText, "D");
}

TEST(TypedCharacter, OptionListsOnlyCheckForADigit) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000");
    bench.grid.SetCol(kColBusyLock);
    bench.TypeOnGrid('x');
    FakeList& busyLock = bench.Option(kColBusyLock);
    EXPECT_EQ(bench.messages, std::vector<MessageId>{MessageId::InputNumber});
    EXPECT_TRUE(busyLock.visible);
    EXPECT_EQ(busyLock.choices.CurrentText(), "Carrier");
    EXPECT_EQ(busyLock.rect.height, 19 + kListDropDownPixels);
}

// Enter from the receive frequency through every column of a channel and on to the next one.
TEST(EnterKey, WalksThroughAChannelAndOnToTheNext) {
    EditorBench bench;
    bench.grid.SetRow(4);
    bench.TypeOnGrid('1');
    bench.Type("45.5");
    std::vector<const CellOverlay*> opened;
    std::vector<std::string> editTexts;
    for (int col = 1; col <= kColName; ++col) {
        ASSERT_EQ(bench.Enter(), KeyOutcome::Swallow) << col;
        ASSERT_EQ(bench.Visible().size(), 1u) << col;
        opened.push_back(bench.focused);
        if (bench.focused == &bench.frequency) {
            editTexts.push_back(bench.frequency.text);
            EXPECT_EQ(bench.frequency.selection, Selection::All);
        }
        if (bench.focused == &bench.tones) {
            // Typing replaces the tone shown, as in a combo box that takes the focus.
            EXPECT_EQ(bench.tones.editText, "OFF");
            EXPECT_EQ(bench.tones.editSelection, Selection::All);
        }
    }
    std::vector<const CellOverlay*> expected = {&bench.frequency, &bench.tones, &bench.tones};
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        expected.push_back(&bench.Option(col));
    }
    expected.push_back(&bench.name);
    expected.push_back(&bench.frequency); // channel 5
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(editTexts, (std::vector<std::string>{"145.50000", ""}));
    EXPECT_EQ(bench.grid.Row(), 5);
    EXPECT_EQ(bench.grid.Col(), 1);
    EXPECT_EQ(bench.Row(4),
              (std::vector<std::string>{"145.50000", "145.50000", "OFF", "OFF", "Wide", "Yes",
                                        "High", "DTMF", "ON", "Close", "Forward", ""}));
    EXPECT_TRUE(bench.messages.empty());
}

TEST(EnterKey, CommitsThePickOfAList) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000");
    bench.grid.SetCol(kColScan);
    bench.editor.StartEditing(0);
    bench.Option(kColScan).choices.SetCurSel(0);
    EXPECT_EQ(bench.Enter(), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(1, kColScan), "Yes");
    EXPECT_EQ(bench.focused, &bench.Option(kColTxPower));

    // An empty channel's cell stays as it is and the walk goes on.
    bench.grid.SetRow(2);
    bench.grid.SetCol(kColPttId);
    bench.editor.StartEditing(0);
    bench.Option(kColPttId).choices.SetCurSel(1);
    EXPECT_EQ(bench.Enter(), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(2, kColPttId), "");
    EXPECT_EQ(bench.grid.Col(), kColBusyLock);
}

// A tone is taken as people type it and stored as the list spells it, since the encoder reads
// "D023N" and "100.0" but not "d23n" or "88,5".
TEST(EnterKey, ATypedToneMustNameAnEntry) {
    const struct {
        const char* typed;
        const char* cell;
        std::vector<MessageId> messages;
    } cases[] = {
        {"d023n", "D023N", {}}, // matched apart from case
        {"100.0", "100.0", {}},
        {"", "OFF", {}},      // no tone
        {"88.5", "88.5", {}}, // the cell's own text, which the list offers too
        {"67", "67.0", {}},   // a CTCSS tone by its value
        {"100.00", "100.0", {}},
        {"88,5", "88.5", {}}, // "," as the decimal mark
        {" 254.1 ", "254.1", {}},
        {"d23n", "D023N", {}}, // a DCS code with fewer digits
        {"D25I", "D025I", {}},
        {"88.6", "88.5", {MessageId::ToneNotInTable}}, // no entry: the cell keeps its tone
        {"88.55", "88.5", {MessageId::ToneNotInTable}},
        {"D24N", "88.5", {MessageId::ToneNotInTable}},
        {"D0023N", "88.5", {MessageId::ToneNotInTable}},
        {"1e2", "88.5", {MessageId::ToneNotInTable}},
    };
    for (const auto& c : cases) {
        EditorBench bench;
        bench.FillChannel(1, "145.00000", "145.00000");
        bench.grid.SetCol(kColRxTone);
        bench.TypeOnGrid(vk::kBackspace);
        bench.tones.editText = c.typed;
        bench.Enter();
        EXPECT_EQ(bench.Cell(1, kColRxTone), c.cell) << c.typed;
        EXPECT_EQ(bench.messages, c.messages) << c.typed;
        EXPECT_EQ(bench.grid.Col(), kColTxTone);
    }

    EditorBench unknown; // a tone the list does not offer survives an Enter that changed nothing
    unknown.FillChannel(1, "145.00000", "145.00000");
    unknown.grid.SetTextMatrix(1, kColRxTone, "69.4");
    unknown.grid.SetCol(kColRxTone);
    unknown.editor.StartEditing(0);
    unknown.Enter();
    EXPECT_EQ(unknown.Cell(1, kColRxTone), "69.4");

    EditorBench empty; // an empty channel takes no tone
    empty.grid.SetCol(kColTxTone);
    empty.TypeOnGrid('6');
    empty.tones.editText = "67.0";
    empty.Enter();
    EXPECT_EQ(empty.Cell(1, kColTxTone), "");
}

TEST(EnterKey, OnTheToneListItselfMovesOnWithoutCommitting) {
    EditorBench bench;
    bench.FillChannel(1, "145.00000", "145.00000");
    bench.grid.SetCol(kColRxTone);
    bench.editor.StartEditing(0);
    bench.tones.choices.SetCurSel(0);
    EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::ToneList, vk::kEnter),
              KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(1, kColRxTone), "88.5");
    EXPECT_EQ(bench.grid.Col(), kColTxTone);
    EXPECT_TRUE(bench.tones.visible); // opened again for the transmit tone
}

TEST(EnterKey, OnAFrequencyUsesTheEnterStepMessageAndClearsAsSoonAsNoFrequencyIsLeft) {
    EditorBench bench;
    bench.FillChannel(3, "145.00000", "", "NAME");
    bench.grid.SetRow(3);
    bench.TypeOnGrid('1');
    bench.Type("45.001");
    bench.Enter();
    EXPECT_EQ(bench.messages, std::vector<MessageId>{MessageId::FrequencyOffStepEnter});
    // Column 4 still holds its tone; leaving the cell would have kept the channel.
    EXPECT_EQ(bench.Row(3),
              (std::vector<std::string>{"", "", "", "D023N", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(bench.grid.Col(), 2);
    EXPECT_EQ(bench.focused, &bench.frequency);
}

TEST(EnterKey, TheNameMovesToTheNextChannelAndChannel128sLeavesTheGrid) {
    EditorBench bench;
    bench.FillChannel(127, "145.00000", "145.00000");
    bench.FillChannel(128, "146.00000", "146.00000");
    bench.Click(127, kColName);
    bench.Type("AB-1");
    EXPECT_EQ(bench.Enter(), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(127, kColName), "AB-1");
    EXPECT_EQ(bench.grid.Row(), 128);
    EXPECT_EQ(bench.grid.Col(), 1);
    EXPECT_EQ(bench.focused, &bench.frequency);

    bench.Click(128, kColName);
    bench.Type("LAST");
    EXPECT_EQ(bench.Enter(), KeyOutcome::Tab);
    EXPECT_EQ(bench.Cell(128, kColName), "LAST");
    EXPECT_TRUE(bench.Visible().empty());
    EXPECT_EQ(bench.grid.Row(), 128);

    // On an empty channel the typed name is dropped.
    bench.Click(10, kColName);
    bench.Type("GONE");
    bench.Enter();
    EXPECT_EQ(bench.Cell(10, kColName), "");
}

TEST(EnterKey, OnTheGridAndElsewhereBecomesAnotherKey) {
    EditorBench bench;
    bench.grid.SetCol(kColScan);
    EXPECT_EQ(bench.Enter(), KeyOutcome::Tab);
    bench.grid.SetCol(kColTxPower);
    EXPECT_EQ(bench.Enter(), KeyOutcome::RightArrow);
    EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::Other, vk::kEnter), KeyOutcome::Tab);
    // The tone edit field of a hidden list counts as anything else.
    EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::ToneEditField, vk::kEnter),
              KeyOutcome::Tab);
    for (FocusedControl focus : {FocusedControl::Grid, FocusedControl::FrequencyEdit,
                                 FocusedControl::ToneEditField, FocusedControl::Other}) {
        EXPECT_EQ(bench.editor.PreTranslateKeyDown(focus, vk::kLeft), KeyOutcome::PassOn);
        EXPECT_EQ(bench.editor.PreTranslateKeyDown(focus, vk::kOther), KeyOutcome::PassOn);
    }
    EXPECT_TRUE(bench.Visible().empty());
}

// Tab in an open overlay does what Enter does; Shift+Tab commits and walks back, over the start
// of a channel to the name of the one before, and out of the grid from channel 1.
TEST(TabKey, WalksOnLikeEnterAndShiftTabWalksBack) {
    EditorBench bench;
    bench.Click(5, 1);
    bench.Type("145");
    EXPECT_EQ(bench.KeyDown(vk::kTab), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(5, 1), "145.00000");
    EXPECT_EQ(bench.grid.Col(), 2);
    bench.Type("146");
    EXPECT_EQ(bench.KeyDown(vk::kShiftTab), KeyOutcome::Swallow);
    EXPECT_EQ(bench.Cell(5, 2), "146.00000");
    EXPECT_EQ(bench.grid.Col(), 1);
    EXPECT_EQ(bench.KeyDown(vk::kShiftTab), KeyOutcome::Swallow);
    EXPECT_EQ(bench.grid.Row(), 4);
    EXPECT_EQ(bench.grid.Col(), kColName);
    EXPECT_EQ(bench.Visible(), std::vector<const CellOverlay*>{&bench.name});

    bench.Click(1, 1);
    EXPECT_EQ(bench.KeyDown(vk::kShiftTab), KeyOutcome::ShiftTab);
    EXPECT_TRUE(bench.Visible().empty());
    // Without an open overlay the keys move the focus as usual.
    EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::FrequencyEdit, vk::kTab),
              KeyOutcome::PassOn);
    EXPECT_TRUE(bench.messages.empty());
}

TEST(NameFilter, LetsThroughOnlyTheKeysOfAName) {
    EditorBench bench;
    const int passing[] = {
        vk::kBackspace, vk::kTab, vk::kEscape, vk::kShift, vk::kSpace, vk::kDigit0, '9', 'A', 'Z',
        vk::kNumpad0,   105,      vk::kMinus};
    const int swallowed[] = {vk::kLeft, vk::kRight, vk::kUp, vk::kDown, vk::kDelete,
                             vk::kHome, vk::kEnd,   '0' - 1, '9' + 1,   'A' - 1,
                             'Z' + 1,   106,        109,     190,       vk::kOther};
    for (int key : passing) {
        EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::NameEdit, key),
                  KeyOutcome::PassOn)
            << key;
    }
    for (int key : swallowed) {
        EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::NameEdit, key),
                  KeyOutcome::Swallow)
            << key;
        // The filter is the name edit's alone.
        EXPECT_EQ(bench.editor.PreTranslateKeyDown(FocusedControl::FrequencyEdit, key),
                  KeyOutcome::PassOn)
            << key;
    }
}

} // namespace
} // namespace tevano::testing
