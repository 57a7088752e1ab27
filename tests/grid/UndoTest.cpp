// Undo and redo of the channel form: the bounded history with its saved mark, and the steps the
// form makes: a list pick, the dialogs' settings in the image (which an encode must not be taken
// for), a read that brings a whole new image, and a save with a change not yet recorded. Typed
// channels, clearing and the language switch are driven through the window in tests/gui.

#include "EditorBench.h"
#include "ImageBuilder.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/FormUndo.h"
#include "grid/UndoHistory.h"
#include "options/SettingsArea.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

// A step that writes `text` into channel 1's name, told apart by the text.
UndoStep NameStep(const std::string& text) {
    UndoStep step;
    step.cells.push_back({1, kColName, "", text});
    return step;
}

std::string NameOf(const UndoStep* step) {
    return step == nullptr ? "none" : step->cells.front().after;
}

TEST(UndoHistory, UndoAndRedoWalkTheStepsAndANewStepDropsWhatWasUndone) {
    UndoHistory history;
    EXPECT_FALSE(history.Push(UndoStep{})); // nothing changed, nothing to undo
    for (const char* name : {"A", "B", "C"}) {
        ASSERT_TRUE(history.Push(NameStep(name)));
    }
    EXPECT_EQ(NameOf(history.Undo()), "C");
    EXPECT_EQ(NameOf(history.Undo()), "B");
    EXPECT_EQ(NameOf(history.Redo()), "B");
    EXPECT_EQ(history.RedoCount(), 1u);
    // An empty step leaves the redo tail alone; a real one drops it.
    EXPECT_FALSE(history.Push(UndoStep{}));
    EXPECT_TRUE(history.CanRedo());
    ASSERT_TRUE(history.Push(NameStep("D")));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(NameOf(history.Undo()), "D");
    EXPECT_EQ(NameOf(history.Undo()), "B");
    EXPECT_EQ(NameOf(history.Undo()), "A");
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.UndoCount(), 0u);
    EXPECT_EQ(history.RedoCount(), 3u);
}

TEST(UndoHistory, PastTheLimitTheOldestStepsGo) {
    UndoHistory history(3);
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        history.Push(NameStep(name));
    }
    EXPECT_EQ(history.UndoCount(), 3u);
    EXPECT_EQ(NameOf(history.Undo()), "E");
    EXPECT_EQ(NameOf(history.Undo()), "D");
    EXPECT_EQ(NameOf(history.Undo()), "C");
    EXPECT_EQ(history.Undo(), nullptr);
}

TEST(UndoHistory, TheSavedMarkFollowsTheStepsAndIsLostWithTheStateItMarks) {
    UndoHistory history;
    EXPECT_TRUE(history.AtSavedState()); // a new or opened document
    history.Push(NameStep("A"));
    EXPECT_FALSE(history.AtSavedState());
    history.MarkSaved();
    history.Push(NameStep("B"));
    EXPECT_FALSE(history.AtSavedState());
    history.Undo();
    EXPECT_TRUE(history.AtSavedState());
    history.Undo();
    EXPECT_FALSE(history.AtSavedState());
    history.Redo();
    EXPECT_TRUE(history.AtSavedState());

    // Undo below the saved state and change something else: the saved state cannot come back.
    history.Undo();
    history.Push(NameStep("C"));
    history.Undo();
    EXPECT_FALSE(history.AtSavedState());
    history.Redo();
    EXPECT_FALSE(history.AtSavedState());

    history.Clear();
    EXPECT_TRUE(history.AtSavedState());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());

    // A saved state that falls off the start of a full history is gone too.
    UndoHistory short_(2);
    for (const char* name : {"A", "B", "C"}) {
        short_.Push(NameStep(name));
    }
    short_.Undo();
    short_.Undo();
    EXPECT_FALSE(short_.CanUndo());
    EXPECT_FALSE(short_.AtSavedState());
}

// The editor bench with the form's three lists and an image, as the window has them.
class FormUndoTest : public ::testing::Test {
protected:
    FormUndoTest() {
        FillFormLists(form, Language::English);
        ShowImage(image, form, Language::English);
        undo.Reset(); // as the view does after showing a document
    }

    // Types into the cell and leaves it, then records the commit as the window does once the
    // event is over.
    void TypeFrequency(int row, int col, const std::string& text) {
        bench.Click(row, col);
        bench.frequency.SelectAll();
        bench.Type(text);
        bench.Leave();
        undo.Flush();
    }

    std::vector<std::string> Empty() const { return std::vector<std::string>(12); }

    testing::EditorBench bench;
    ChoiceListModel type;
    ChoiceListModel field;
    ChoiceListModel manual;
    ChannelForm form{bench.grid, type, field, manual};
    RadioImage image = testing::NewImage();
    FormUndo undo{form, image};
};

TEST_F(FormUndoTest, AListPickIsAStepThatTouchesOnlyThatList) {
    const int band = field.CurSel();
    field.SetCurSel(band + 1);
    undo.Flush();
    manual.SetCurSel(-1); // the language switch may leave a list without a pick
    undo.Rebase();
    undo.Undo(Language::English);
    EXPECT_EQ(field.CurSel(), band);
    EXPECT_EQ(manual.CurSel(), -1);
    EXPECT_EQ(type.CurSel(), 0);
}

TEST_F(FormUndoTest, TheDialogsSettingsAreAStepOfTheirOwnAndEncodeIsNoChange) {
    const RadioImage before = image;
    // The Side Key dialog's OK, then a channel typed in, before anything was recorded.
    image[kSideKey1Byte] = SideKeyByte(3, 4);
    image[kFeatureByte] ^= kBeepBit;
    bench.Click(1, kColRxFrequency);
    bench.Type("446");
    bench.Leave();
    undo.Flush();
    EXPECT_EQ(undo.History().UndoCount(), 2u);

    // Saving encodes the grid and the lists into the image (records, names, scan bits, the
    // list bytes, the form mark and bit 7 of 0x812): none of that is a change of its own.
    manual.SetCurSel(manual.CurSel() == 0 ? 1 : 0);
    undo.Flush();
    const std::size_t steps = undo.History().UndoCount();
    EncodeChannels(form, image);
    ASSERT_NE(image[ChannelOffset(1)], before[ChannelOffset(1)]);
    ASSERT_NE(image[kFeatureByte] & kManualOpenBit, before[kFeatureByte] & kManualOpenBit);
    EXPECT_FALSE(undo.Flush());
    EXPECT_EQ(undo.History().UndoCount(), steps);

    undo.Undo(Language::English); // the manual pick
    undo.Undo(Language::English); // the channel
    EXPECT_EQ(bench.Cell(1, kColRxFrequency), "");
    EXPECT_EQ(image[kSideKey1Byte], SideKeyByte(3, 4));
    const std::uint8_t encodedManualBit = image[kFeatureByte] & kManualOpenBit;
    undo.Undo(Language::English); // the settings
    EXPECT_EQ(image[kSideKey1Byte], before[kSideKey1Byte]);
    EXPECT_EQ(image[kFeatureByte] & ~kManualOpenBit, before[kFeatureByte] & ~kManualOpenBit);
    // The bit the form owns stays as the last encode left it.
    EXPECT_EQ(image[kFeatureByte] & kManualOpenBit, encodedManualBit);
    undo.Redo(Language::English);
    EXPECT_EQ(image[kSideKey1Byte], SideKeyByte(3, 4));
    EXPECT_EQ(image[kFeatureByte] & kBeepBit, (before[kFeatureByte] ^ kBeepBit) & kBeepBit);
}

TEST_F(FormUndoTest, AReadIsOneStepThatPutsBackTheWholeImageAndTheGrid) {
    TypeFrequency(2, kColRxFrequency, "150");
    const RadioImage imageBefore = image;
    const std::vector<std::string> rowBefore = bench.Row(2);

    RadioImage radio = testing::NewImage();
    testing::SetRecord(radio, 1,
                       {0x50, 0x12, 0x50, 0x14, 0x50, 0x12, 0x50, 0x14, 0x70, 0x06, 0xFF, 0xFF,
                        0x01, 0x3F, 0xFE, 0xFF});
    const int band = field.CurSel();
    radio[kFieldByte] = static_cast<std::uint8_t>(kFieldBase + band + 1);
    radio[kSquelchByte] = 7;
    radio[0xC5F] = 0x12; // a byte no form or dialog shows

    undo.BeginBulkChange();
    image = radio;
    DecodeChannels(image, form, Language::English);
    // The exchange pumps events: what they would record waits for the end, and undo waits too.
    EXPECT_FALSE(undo.Flush());
    EXPECT_EQ(undo.Undo(Language::English), nullptr);
    EXPECT_TRUE(undo.EndBulkChange());
    EXPECT_EQ(bench.Cell(1, kColRxFrequency), "145.01250");
    EXPECT_EQ(bench.Row(2), Empty());
    EXPECT_EQ(undo.History().UndoCount(), 2u);

    undo.Undo(Language::English);
    EXPECT_EQ(image, imageBefore);
    EXPECT_EQ(bench.Row(2), rowBefore);
    EXPECT_EQ(bench.Cell(1, kColRxFrequency), "");
    EXPECT_EQ(field.CurSel(), band);
    undo.Redo(Language::English);
    EXPECT_EQ(image, radio);
    EXPECT_EQ(field.CurSel(), band + 1);
    EXPECT_EQ(bench.Row(2), Empty());

    // A read that did not complete leaves everything as it was: no step.
    undo.BeginBulkChange();
    EXPECT_FALSE(undo.EndBulkChange());
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(FormUndoTest, SavingWithAChangeNotYetRecordedMarksTheStateWithIt) {
    bench.Click(4, kColRxFrequency);
    bench.Type("145");
    bench.Leave(); // committed; the window records it when the event is over
    undo.MarkSaved();
    EXPECT_TRUE(undo.AtSavedState());
    undo.Undo(Language::English);
    EXPECT_EQ(bench.Cell(4, kColRxFrequency), "");
    EXPECT_FALSE(undo.AtSavedState());
    undo.Redo(Language::English);
    EXPECT_TRUE(undo.AtSavedState());
}

} // namespace
} // namespace tevano
