#include "options/OptionalFeaturesForm.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

#include <set>

namespace tevano {
namespace {

using testing::NewImage;

RadioImage AllFF() {
    RadioImage image{};
    image.fill(0xFF);
    return image;
}

// A pattern in every byte, so that a stray write anywhere shows.
RadioImage Patterned() {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return image;
}

// Offsets that accepting the dialog may change; 0x810 and 0x816 only in some bits.
const std::set<std::size_t>& AcceptedBytes() {
    static const std::set<std::size_t> offsets = [] {
        std::set<std::size_t> set = {0x810, 0x812, 0x813, 0x814, 0x815,
                                     0x816, 0x817, 0x818, 0x819, 0x81A};
        for (std::size_t offset = 0x820; offset < 0x850; ++offset) {
            set.insert(offset);
        }
        return set;
    }();
    return offsets;
}

void ExpectOnlyAcceptedBytesChanged(const RadioImage& before, const RadioImage& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (AcceptedBytes().count(i) == 0) {
            ASSERT_EQ(after[i], before[i]) << "byte 0x" << std::hex << i;
        }
    }
    EXPECT_EQ(after[0x810] & ~0x30, before[0x810] & ~0x30) << "0x810 beyond bits 4-5";
    EXPECT_EQ(after[0x816] & ~0x07, before[0x816] & ~0x07) << "0x816 beyond bits 0-2";
}

TEST(OptionalFeaturesForm, NewDocumentOpensWithItsDefaults) {
    const OptionalFeaturesState state = OpenOptionalFeatures(NewImage());
    EXPECT_EQ(state.timeOutSteps, 0);
    EXPECT_EQ(state.timeText, "OFF");
    EXPECT_EQ(state.squelchLevel, 5);
    EXPECT_EQ(state.language, kLanguageOff);
    EXPECT_EQ(state.voxSwitch, kVoxOff);
    EXPECT_EQ(state.voxGain, 0);         // "OFF"
    EXPECT_EQ(state.priorityChannel, 0); // "1"
    EXPECT_EQ(state.roger, 0);           // "Off"
    EXPECT_EQ(state.optSignal, 3);       // "OFF"
    EXPECT_TRUE(state.beep);
    EXPECT_TRUE(state.batterySave);
    EXPECT_FALSE(state.scrambler);
    EXPECT_FALSE(state.beginOfTx);
    EXPECT_FALSE(state.endOfTx);
    for (const std::string* id : {&state.groupId, &state.id, &state.callId, &state.checkId,
                                  &state.killId, &state.listenId}) {
        EXPECT_EQ(*id, "");
    }
}

TEST(OptionalFeaturesForm, NewDocumentAcceptedUnchangedOnlyLosesTheManualBit) {
    const RadioImage before = NewImage();
    RadioImage image = before;
    AcceptOptionalFeatures(OpenOptionalFeatures(image), image);
    RadioImage expected = before;
    expected[0x812] = 0x44; // bit 7 comes back with the next channel encode
    EXPECT_EQ(image, expected);
}

// The document counts as changed by what a save would store; the manual bit is the form's.
TEST(OptionalFeaturesForm, AcceptChangedDocumentIgnoresOnlyTheManualBit) {
    const RadioImage before = NewImage();
    RadioImage image = before;
    AcceptOptionalFeatures(OpenOptionalFeatures(image), image);
    EXPECT_FALSE(AcceptChangedDocument(before, image));

    OptionalFeaturesState state = OpenOptionalFeatures(before);
    state.scrambler = true; // bit 4 of the same byte
    image = before;
    AcceptOptionalFeatures(state, image);
    EXPECT_TRUE(AcceptChangedDocument(before, image));

    for (std::size_t offset : {std::size_t{0x000}, std::size_t{0x84F}, std::size_t{0xC5F}}) {
        image = before;
        image[offset] ^= 0x01;
        EXPECT_TRUE(AcceptChangedDocument(before, image)) << offset;
    }
}

TEST(OptionalFeaturesForm, AllFFSettingsThroughOpenAndAccept) {
    RadioImage image = AllFF();
    const OptionalFeaturesState state = OpenOptionalFeatures(image);
    EXPECT_EQ(state.timeText, "OFF");
    EXPECT_EQ(state.timeOutSteps, 0);
    EXPECT_EQ(state.squelchLevel, 0);
    EXPECT_EQ(state.language, kLanguageChinese);
    EXPECT_EQ(state.voxSwitch, kVoxOn);
    EXPECT_EQ(state.voxGain, 0);
    EXPECT_EQ(state.priorityChannel, -1);
    EXPECT_EQ(state.roger, -1);
    EXPECT_EQ(state.optSignal, 3);
    EXPECT_TRUE(state.beep && state.batterySave && state.scrambler && state.beginOfTx &&
                state.endOfTx);
    EXPECT_EQ(state.groupId + state.id + state.callId + state.checkId + state.killId +
                  state.listenId,
              "");

    AcceptOptionalFeatures(state, image);
    EXPECT_EQ(image[0x814], 0);
    EXPECT_EQ(image[0x813], 0);
    EXPECT_EQ(image[0x815], 1);
    EXPECT_EQ(image[0x81A], 0);
    EXPECT_EQ(image[0x819], 0xFF);
    EXPECT_EQ(image[0x817], 4);
    EXPECT_EQ(image[0x818], 0);
    EXPECT_EQ(image[0x812], 0x57);
    EXPECT_EQ(image[0x810], 0xFF);
    EXPECT_EQ(image[0x816], 0xFF);
    for (std::size_t offset = 0x820; offset < 0x850; ++offset) {
        ASSERT_EQ(image[offset], 0xFF) << std::hex << offset;
    }
    ExpectOnlyAcceptedBytesChanged(AllFF(), image);
}

TEST(OptionalFeaturesForm, OutOfRangeBytesOpenAsTheDialogShowsThem) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        int OptionalFeaturesState::*pick;
        int shown;
    };
    const Case cases[] = {
        {0x813, 9, &OptionalFeaturesState::squelchLevel, 9},
        {0x813, 10, &OptionalFeaturesState::squelchLevel, 0},
        {0x814, 40, &OptionalFeaturesState::timeOutSteps, 40},
        {0x814, 45, &OptionalFeaturesState::timeOutSteps, 0},
        {0x815, 0, &OptionalFeaturesState::voxGain, -1},
        {0x815, 11, &OptionalFeaturesState::voxGain, 10},
        {0x815, 12, &OptionalFeaturesState::voxGain, 0},
        {0x81A, 0, &OptionalFeaturesState::priorityChannel, -1},
        {0x81A, 128, &OptionalFeaturesState::priorityChannel, 127},
        {0x81A, 129, &OptionalFeaturesState::priorityChannel, -1},
        {0x819, 10, &OptionalFeaturesState::roger, 10},
        {0x819, 11, &OptionalFeaturesState::roger, -1},
        {0x812, 0x00, &OptionalFeaturesState::language, kLanguageOff},
        {0x812, 0x01, &OptionalFeaturesState::language, kLanguageChinese},
        {0x812, 0x02, &OptionalFeaturesState::language, kLanguageEnglish},
        {0x812, 0x03, &OptionalFeaturesState::language, kLanguageChinese},
        {0x816, 0x01, &OptionalFeaturesState::optSignal, 1},
        {0x816, 0x04, &OptionalFeaturesState::voxSwitch, kVoxOn},
        {0x816, 0xFB, &OptionalFeaturesState::voxSwitch, kVoxOff},
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        image[c.offset] = c.value;
        EXPECT_EQ(OpenOptionalFeatures(image).*c.pick, c.shown)
            << "byte 0x" << std::hex << c.offset << " = 0x" << int{c.value};
    }
    RadioImage image = NewImage();
    image[0x814] = 40;
    EXPECT_EQ(OpenOptionalFeatures(image).timeText, "600");
}

TEST(OptionalFeaturesForm, PicksAreStoredWithTheirOffsets) {
    RadioImage image = NewImage();
    OptionalFeaturesState state = OpenOptionalFeatures(image);
    state.squelchLevel = 9;
    SetTimeOutSteps(state, 4);
    state.language = kLanguageEnglish;
    state.voxSwitch = kVoxOn;
    state.voxGain = 9;
    state.priorityChannel = 127;
    state.roger = 10;
    state.optSignal = 2;
    state.beep = false;
    state.batterySave = false;
    state.scrambler = true;
    state.beginOfTx = true;
    state.endOfTx = false;
    state.groupId = "2999";
    state.checkId = "ab12";
    AcceptOptionalFeatures(state, image);
    EXPECT_EQ(image[0x813], 9);
    EXPECT_EQ(image[0x814], 4);
    EXPECT_EQ(image[0x812], 0x12); // English with the scrambler
    EXPECT_EQ(image[0x816], 0x06); // CCIR, VOX on
    EXPECT_EQ(image[0x815], 10);
    EXPECT_EQ(image[0x81A], 128);
    EXPECT_EQ(image[0x819], 10);
    EXPECT_EQ(image[0x810], 0xA0);
    EXPECT_EQ(image[0x820], '1');

    // Reopening shows what was picked, the IDs as the radio holds them.
    const OptionalFeaturesState reopened = OpenOptionalFeatures(image);
    EXPECT_EQ(reopened.voxGain, 9);
    EXPECT_EQ(reopened.timeText, "60");
    EXPECT_EQ(reopened.priorityChannel, 127);
    EXPECT_EQ(reopened.groupId, "1999");
    EXPECT_EQ(reopened.checkId, "AB12");
    EXPECT_TRUE(reopened.scrambler);
    EXPECT_FALSE(reopened.beep);
}

TEST(OptionalFeaturesForm, VoxGainRoundTrip) {
    for (int pick = 0; pick <= 10; ++pick) {
        RadioImage image = NewImage();
        OptionalFeaturesState state = OpenOptionalFeatures(image);
        state.voxGain = pick;
        AcceptOptionalFeatures(state, image);
        EXPECT_EQ(image[0x815], pick + 1);
        EXPECT_EQ(OpenOptionalFeatures(image).voxGain, pick);
    }
}

TEST(OptionalFeaturesForm, AcceptTouchesOnlyItsBytesAndBits) {
    const RadioImage before = Patterned();
    RadioImage image = before;
    OptionalFeaturesState state = OpenOptionalFeatures(image);
    state.optSignal = 0;
    state.voxSwitch = kVoxOff;
    state.beginOfTx = !state.beginOfTx;
    state.endOfTx = !state.endOfTx;
    state.callId = "CALL";
    AcceptOptionalFeatures(state, image);
    ExpectOnlyAcceptedBytesChanged(before, image);
    EXPECT_EQ(image[0x816] & 0x07, 0);
    EXPECT_NE(image[0x810] & 0x30, before[0x810] & 0x30);
    // Bits 3, 5 and 7 of 0x812 end up clear whatever they held.
    EXPECT_EQ(image[0x812] & 0xA8, 0);
}

TEST(OptionalFeaturesForm, TimeOutSpinStopsAtItsEnds) {
    OptionalFeaturesState state;
    SetTimeOutSteps(state, 41);
    EXPECT_EQ(state.timeOutSteps, 40);
    EXPECT_EQ(state.timeText, "600");
    SetTimeOutSteps(state, -1);
    EXPECT_EQ(state.timeOutSteps, 0);
    EXPECT_EQ(state.timeText, "OFF");
    SetTimeOutSteps(state, 1);
    EXPECT_EQ(state.timeText, "15");
}

TEST(OptionalFeaturesForm, IdFieldInputRules) {
    // Tab, Enter and Escape leave the field or the dialog as everywhere, the keypad's Enter too.
    for (int key :
         {int{'0'}, int{'9'}, int{'A'}, int{'Z'}, kBackspaceKey, kTabKey, kEnterKey, kEscapeKey}) {
        EXPECT_TRUE(IdFieldKeyPasses(key, false)) << key;
    }
    EXPECT_TRUE(IdFieldKeyPasses(kEnterKey, true));
    // Blank, Delete and the arrows, and the numeric keypad's other keys.
    for (int key : {0x20, 0x7F, 0x2E, 0x2D, 0x61, 0x01000012, 0x01000007}) {
        EXPECT_FALSE(IdFieldKeyPasses(key, false)) << key;
    }
    EXPECT_FALSE(IdFieldKeyPasses('5', true));
    EXPECT_FALSE(IdFieldKeyPasses(kBackspaceKey, true));

    EXPECT_TRUE(GroupIdAccepts('0'));
    EXPECT_TRUE(GroupIdAccepts('9'));
    EXPECT_FALSE(GroupIdAccepts('A'));
    EXPECT_FALSE(GroupIdAccepts('-'));

    EXPECT_TRUE(ShownInUpperCase(IdField::Id));
    EXPECT_TRUE(ShownInUpperCase(IdField::Call));
    EXPECT_FALSE(ShownInUpperCase(IdField::Check));
    EXPECT_FALSE(ShownInUpperCase(IdField::Group));
}

} // namespace
} // namespace tevano
