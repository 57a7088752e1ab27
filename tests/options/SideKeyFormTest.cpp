#include "options/SideKeyForm.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::NewImage;

void ExpectOnlySideKeyBytesChanged(const RadioImage& before, const RadioImage& after) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i != 0x81D && i != 0x81E) {
            ASSERT_EQ(after[i], before[i]) << std::hex << i;
        }
    }
}

TEST(SideKeyForm, NewDocumentOpensAndAcceptsUnchanged) {
    RadioImage image = NewImage();
    const SideKeyState state = OpenSideKeys(image);
    EXPECT_EQ(state.key1Short, 1); // "Monitor"
    EXPECT_EQ(state.key1Long, 2);  // "Scan ON/OFF"
    EXPECT_EQ(state.key2Short, 7); // "Vox ON/OFF"
    EXPECT_EQ(state.key2Long, 8);  // "Scrambler ON/OFF"
    AcceptSideKeys(state, image);
    EXPECT_EQ(image, NewImage());
}

TEST(SideKeyForm, PicksAreStoredAsNibbles) {
    RadioImage image = NewImage();
    image.fill(0x5A); // every other byte must survive
    image[0x81D] = 0x12;
    image[0x81E] = 0x78;
    const RadioImage before = image;
    SideKeyState state = OpenSideKeys(image);
    state.key2Short = 8; // "Scrambler ON/OFF"
    state.key2Long = 0;  // "NO Function"
    state.key1Short = 0;
    state.key1Long = 6;
    AcceptSideKeys(state, image);
    EXPECT_EQ(image[0x81E], 0x80);
    EXPECT_EQ(image[0x81D], 0x06);
    ExpectOnlySideKeyBytesChanged(before, image);
}

TEST(SideKeyForm, UnknownCodesOpenWithoutAPickAndSurviveWhenLeftAlone) {
    RadioImage image = NewImage();
    image[0x81D] = 0x9F; // no names for 9 and 15
    image[0x81E] = 0x3C;
    SideKeyState state = OpenSideKeys(image);
    EXPECT_EQ(state.key1Short, -1);
    EXPECT_EQ(state.key1Long, -1);
    EXPECT_EQ(state.key2Short, 3);
    EXPECT_EQ(state.key2Long, -1);

    AcceptSideKeys(state, image);
    EXPECT_EQ(image[0x81D], 0x9F);
    EXPECT_EQ(image[0x81E], 0x3C);

    // Picking one list of a pair leaves the other's unknown nibble as it was.
    state.key1Long = 4;
    state.key2Short = 5;
    AcceptSideKeys(state, image);
    EXPECT_EQ(image[0x81D], 0x94);
    EXPECT_EQ(image[0x81E], 0x5C);
}

} // namespace
} // namespace tevano
