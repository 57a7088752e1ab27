#include "testmode/TestModeModel.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using Item = TestModeTreeItem;
constexpr TestSide kRx = TestSide::Receive;
constexpr TestSide kTx = TestSide::Transmit;

class TestModeModelTest : public ::testing::Test {
protected:
    ToneTable tones_;
    TestModeModel model_{TestModeModel::BaseFromBandText("134 - 176MHz"), tones_};
};

TEST_F(TestModeModelTest, OpensOnTheTreeAlone) {
    EXPECT_EQ(model_.Base(), 134);
    EXPECT_EQ(model_.View(), TestModeView::Start);
    EXPECT_FALSE(model_.DefaultButtonShown());
    EXPECT_EQ(model_.GroupCaption(Language::English), "Please Choose Frequency first");
    // High is the test frequency the item view's buttons start with.
    EXPECT_EQ(model_.CurrentFrequency(), TestFrequency::High);
    EXPECT_EQ(model_.FieldText(kRx), "154.00000");
    EXPECT_EQ(model_.Method(kRx), ToneMethod::Qt);
    EXPECT_EQ(model_.Step(kTx), FrequencyStep::Khz5_00);
    EXPECT_EQ(model_.SelectedTone(kRx), "OFF");
    EXPECT_EQ(model_.SliderPosition(), 0);
    EXPECT_EQ(model_.CurrentItem(), CalibrationItem::TxFrequency);
}

TEST(TestModeBands, TestFrequenciesFollowTheBand) {
    const ToneTable tones;
    TestModeModel model(TestModeModel::BaseFromBandText("400 - 480MHz"), tones);
    model.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model.FieldText(kRx), "400.00000");
    model.SelectTreeItem(Item::MiddleFrequency);
    EXPECT_EQ(model.FieldText(kTx), "410.00000");
    model.SelectTreeItem(Item::HighFrequency);
    EXPECT_EQ(model.FieldText(kRx), "420.00000");
    EXPECT_EQ(TestModeModel::BaseFromBandText("350 - 390MHz"), 350);
    EXPECT_EQ(TestModeModel::BaseFromBandText(""), 0);
}

TEST_F(TestModeModelTest, TreeSelectionSwitchesViewsAndCaptions) {
    model_.SelectTreeItem(Item::DebugFrequency); // a branch changes nothing
    EXPECT_EQ(model_.View(), TestModeView::Start);
    EXPECT_FALSE(model_.DefaultButtonShown());

    model_.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model_.View(), TestModeView::Frequency);
    EXPECT_TRUE(model_.DefaultButtonShown());
    EXPECT_EQ(model_.GroupCaption(Language::English), "Low frequency");
    EXPECT_EQ(model_.CurrentFrequency(), TestFrequency::Low);

    model_.SelectTreeItem(Item::SquelchLevel);
    EXPECT_EQ(model_.View(), TestModeView::Item);
    EXPECT_EQ(model_.CurrentItem(), CalibrationItem::SquelchLevel);
    EXPECT_EQ(model_.GroupCaption(Language::English), "Low frequency"); // items leave the caption

    model_.SelectTreeItem(Item::DebugItem);
    EXPECT_EQ(model_.View(), TestModeView::Item);
    EXPECT_FALSE(model_.SelectTreeItem(Item::MiddleFrequency));
    EXPECT_EQ(model_.GroupCaption(Language::English), "Middle Frequency");
    EXPECT_TRUE(model_.SelectTreeItem(Item::ExitDebug));
}

TEST_F(TestModeModelTest, EnterRoundsTheFieldToItsSidesStep) {
    struct Case {
        const char* typed;
        FrequencyStep step;
        const char* shown;
    };
    const Case cases[] = {
        {"145.13", FrequencyStep::Khz5_00, "145.13000"},
        {"145.13", FrequencyStep::Khz6_25, "145.13125"},   // remainder 500 of 625 rounds up
        {"145.1325", FrequencyStep::Khz5_00, "145.13000"}, // exactly half a step rounds down
        {"145.13251", FrequencyStep::Khz5_00, "145.13500"},
        {"145.12812", FrequencyStep::Khz6_25, "145.12500"}, // remainder 312
        {"145.12813", FrequencyStep::Khz6_25, "145.13125"}, // remainder 313
        {"200", FrequencyStep::Khz5_00, "154.00000"},
        {"100", FrequencyStep::Khz6_25, "134.00000"},
        {"153.99999", FrequencyStep::Khz6_25, "154.00000"}, // rounds up onto the limit
        {"", FrequencyStep::Khz5_00, "134.00000"},
        {"1e400", FrequencyStep::Khz5_00, "154.00000"},
        {"150,0037", FrequencyStep::Khz5_00, "150.00500"}, // "," as the grid reads it
        {" 145,13 ", FrequencyStep::Khz6_25, "145.13125"},
        {"140MHz", FrequencyStep::Khz5_00, "140.00000"}, // no plain number: its leading one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TestModeModel::RoundedFrequencyText(c.typed, 134, c.step), c.shown) << c.typed;
    }

    model_.SelectTreeItem(Item::HighFrequency);
    model_.ClickStep(kRx, FrequencyStep::Khz6_25);
    model_.EditField(kRx, "145.13");
    model_.EditField(kTx, "145.13");
    model_.RoundField(kRx);
    model_.RoundField(kTx);
    EXPECT_EQ(model_.FieldText(kRx), "145.13125");
    EXPECT_EQ(model_.FieldText(kTx), "145.13000");
    // Each test frequency keeps what its fields show while the dialog is open; its stored
    // frequency, which Default goes back to, stays as it was.
    model_.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model_.FieldText(kRx), "134.00000");
    model_.EditField(kTx, "140,5");
    model_.SelectTreeItem(Item::HighFrequency);
    EXPECT_EQ(model_.FieldText(kRx), "145.13125");
    EXPECT_EQ(model_.Step(kRx), FrequencyStep::Khz6_25);
    model_.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model_.FieldText(kTx), "140,5");
    EXPECT_EQ(model_.StoredFrequency(TestFrequency::High, kRx), 154);
}

TEST_F(TestModeModelTest, DqtListStartsAt210Point7AndIndexesAreStoredOnClose) {
    model_.SelectTreeItem(Item::HighFrequency);
    model_.PickTone(kRx, 5);
    model_.CloseToneList(kRx);
    EXPECT_EQ(model_.SelectedTone(kRx), "77.0");

    model_.ClickToneMethod(kRx, ToneMethod::Dqt);
    EXPECT_EQ(model_.ListRange(kRx).first, 43);
    EXPECT_EQ(model_.ListRange(kRx).count, 168);
    EXPECT_EQ(model_.SelectedTone(kRx), "210.7");
    EXPECT_EQ(model_.StoredToneIndex(TestFrequency::High, kRx), 5); // the refill stores nothing

    model_.ClickToneMethod(kRx, ToneMethod::Dqt); // already DQT: no refill
    model_.PickTone(kRx, 167);
    EXPECT_EQ(model_.SelectedTone(kRx), "D325I");                   // the last entry
    EXPECT_EQ(model_.StoredToneIndex(TestFrequency::High, kRx), 5); // not closed yet
    model_.CloseToneList(kRx);
    EXPECT_EQ(model_.StoredToneIndex(TestFrequency::High, kRx), 167);
    EXPECT_EQ(model_.ListRange(kTx).count, 43); // the other side is its own

    // Back to QT: the stored DQT index does not fit the shorter list, which then shows nothing.
    model_.ClickToneMethod(kRx, ToneMethod::Qt);
    EXPECT_EQ(model_.SelectedTone(kRx), "OFF");
    model_.SelectTreeItem(Item::MiddleFrequency);
    EXPECT_EQ(model_.SelectedTone(kRx), "OFF");
    model_.SelectTreeItem(Item::HighFrequency);
    EXPECT_EQ(model_.ListSelection(kRx), -1);
    EXPECT_EQ(model_.SelectedTone(kRx), "");
}

TEST_F(TestModeModelTest, EachTestFrequencyKeepsItsOwnSettings) {
    model_.SelectTreeItem(Item::LowFrequency);
    model_.ClickToneMethod(kTx, ToneMethod::Dqt);
    model_.PickTone(kTx, 8);
    model_.CloseToneList(kTx);
    model_.ClickStep(kTx, FrequencyStep::Khz6_25);

    model_.SelectTreeItem(Item::HighFrequency);
    EXPECT_EQ(model_.Method(kTx), ToneMethod::Qt);
    EXPECT_EQ(model_.Step(kTx), FrequencyStep::Khz5_00);
    EXPECT_EQ(model_.SelectedTone(kTx), "OFF");

    model_.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model_.Method(kTx), ToneMethod::Dqt);
    EXPECT_EQ(model_.Step(kTx), FrequencyStep::Khz6_25);
    EXPECT_EQ(model_.SelectedTone(kTx), "D023N");
}

TEST_F(TestModeModelTest, DefaultResetsTheCurrentTestFrequencyOnly) {
    model_.SelectTreeItem(Item::MiddleFrequency);
    model_.ClickToneMethod(kRx, ToneMethod::Dqt);
    model_.PickTone(kRx, 3);
    model_.CloseToneList(kRx);
    model_.ClickStep(kRx, FrequencyStep::Khz6_25);
    model_.EditField(kRx, "150");
    model_.SelectTreeItem(Item::LowFrequency);
    model_.ClickStep(kTx, FrequencyStep::Khz6_25);
    model_.SelectTreeItem(Item::MiddleFrequency);

    EXPECT_EQ(model_.Default(), std::nullopt);
    EXPECT_EQ(model_.FieldText(kRx), "144.00000");
    EXPECT_EQ(model_.FieldText(kTx), "144.00000");
    EXPECT_EQ(model_.Method(kRx), ToneMethod::Qt);
    EXPECT_EQ(model_.Step(kRx), FrequencyStep::Khz5_00);
    EXPECT_EQ(model_.SelectedTone(kRx), "OFF");
    EXPECT_EQ(model_.StoredToneIndex(TestFrequency::Middle, kRx), 0);

    model_.SelectTreeItem(Item::LowFrequency);
    EXPECT_EQ(model_.Step(kTx), FrequencyStep::Khz6_25);
}

TEST_F(TestModeModelTest, DefaultBeforeAnyViewHasOnlyItsMessage) {
    EXPECT_EQ(model_.Default(), MessageId::NoVisibleInformation);
}

TEST_F(TestModeModelTest, SliderValuesBelongToTheirItems) {
    model_.SelectTreeItem(Item::TxPower);
    model_.MoveSlider(200);
    EXPECT_EQ(model_.PositionText(Language::English), "Current Position:200");
    model_.SelectTreeItem(Item::SquelchLevel);
    EXPECT_EQ(model_.SliderPosition(), 0);
    EXPECT_EQ(model_.Default(), std::nullopt);
    EXPECT_EQ(model_.PositionText(Language::English), "Current Position:160");
    model_.MoveSlider(300);
    EXPECT_EQ(model_.SliderPosition(), 255);
    model_.SelectTreeItem(Item::TxPower);
    EXPECT_EQ(model_.SliderPosition(), 200);
    EXPECT_EQ(model_.ItemValue(CalibrationItem::SquelchLevel), 255);

    for (auto [item, value] :
         {std::pair{Item::TxFrequency, 91}, {Item::LowPowerVoltage, 38}, {Item::TxPower, 47}}) {
        model_.SelectTreeItem(item);
        model_.Default();
        EXPECT_EQ(model_.SliderPosition(), value);
    }
}

TEST_F(TestModeModelTest, StartSendsTxPowerDefaultWithItsCode) {
    model_.SelectTreeItem(Item::LowFrequency);
    model_.SelectTreeItem(Item::TxPower);
    model_.Default();
    EXPECT_EQ(model_.PositionText(Language::English), "Current Position:47");
    const StartInputs start = model_.PrepareStart();
    ASSERT_FALSE(start.emptyField);
    const CalibrationRequest& request = start.request;
    EXPECT_EQ(request.item, CalibrationItem::TxPower);
    EXPECT_EQ(request.value, 47);
    EXPECT_EQ(FrequencyFrame(request.rxFrequency, request.txFrequency),
              (std::array<std::uint8_t, 8>{0x00, 0x00, 0x40, 0x13, 0x00, 0x00, 0x40, 0x13}));
    EXPECT_EQ(ValueFrame(request.rxTone, request.txTone, request.value),
              (std::array<std::uint8_t, 8>{0x00, 0x00, 0x00, 0x00, 0xFB, 0x01, 0x01, 0x2F}));
}

// Start never calibrates at a frequency nobody chose: what Enter would make of a field is what
// goes out (and what the field then shows), and an empty field or one without a number stops it.
TEST_F(TestModeModelTest, StartSendsTheFieldsAsEnterMakesThemAndNothingForAFieldWithoutANumber) {
    model_.SelectTreeItem(Item::LowFrequency);
    model_.ClickStep(kTx, FrequencyStep::Khz6_25);
    model_.EditField(kRx, "145.1337"); // Enter was never pressed
    model_.EditField(kTx, "abc");
    EXPECT_EQ(model_.PrepareStart().emptyField, kTx);
    EXPECT_EQ(model_.FieldText(kRx), "145.1337"); // a refused Start changes no field

    const struct {
        const char* typed;
        const char* sent;
    } cases[] = {
        {"145.13", "145.13125"},                       // rounded to the transmit side's 6.25 kHz
        {"300", "154.00000"},                          // held to the band's top
        {"1234.5", "154.00000"},                       // beyond what the frame could carry
        {"12345.6", "154.00000"}, {"-5", "134.00000"}, // held to the band's foot
        {" 140MHz", "140.00000"},                      // a leading number is read as Enter reads it
    };
    model_.PickTone(kTx, 1);
    for (const auto& c : cases) {
        model_.EditField(kTx, c.typed);
        const StartInputs start = model_.PrepareStart();
        ASSERT_FALSE(start.emptyField) << c.typed;
        EXPECT_EQ(start.request.txFrequency, c.sent) << c.typed;
        EXPECT_EQ(model_.FieldText(kTx), c.sent) << c.typed;
        EXPECT_EQ(start.request.rxFrequency, "145.13500");
        EXPECT_EQ(start.request.txTone, "67.0");
    }
    // As with Enter, the test frequency's stored value stays as it was.
    EXPECT_EQ(model_.StoredFrequency(TestFrequency::Low, kTx), 134);
}

// The item view's High, Middle and Low buttons choose the test frequency whose fields and tones
// Start sends, as choosing it in the tree does; the tree's choice checks the button.
TEST_F(TestModeModelTest, TheItemViewsButtonsChooseTheTestFrequencyStartSends) {
    model_.SelectTreeItem(Item::MiddleFrequency);
    model_.EditField(kRx, "144,0125");
    model_.PickTone(kTx, 2);
    model_.CloseToneList(kTx);
    model_.SelectTreeItem(Item::TxPower);
    EXPECT_EQ(model_.DebugFrequencyButton(), TestFrequency::Middle);

    model_.ClickDebugFrequency(TestFrequency::Low);
    EXPECT_EQ(model_.GroupCaption(Language::English), "Low frequency");
    CalibrationRequest request = model_.PrepareStart().request;
    EXPECT_EQ(request.rxFrequency, "134.00000");
    EXPECT_EQ(request.txTone, "OFF");

    model_.ClickDebugFrequency(TestFrequency::Middle);
    EXPECT_EQ(model_.DebugFrequencyButton(), TestFrequency::Middle);
    request = model_.PrepareStart().request;
    EXPECT_EQ(request.rxFrequency, "144.01000"); // typed with ",", rounded to 5 kHz
    EXPECT_EQ(request.txFrequency, "144.00000");
    EXPECT_EQ(request.txTone, "69.3");
}

} // namespace
} // namespace tevano
