// Whole channels moved about the image: every byte of a channel goes with it (its record, the
// bits and bytes the grid does not show, its name and its scan bit), and a refused operation
// changes nothing.
#include "grid/ChannelBlocks.h"

#include "image/ChannelRecord.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

// A used channel whose every byte tells it apart: the receive frequency says `mhz` MHz, byte 15
// and the name hold `mark`, the scan bit is set for odd marks.
WholeChannel Marked(std::uint8_t mhz, std::uint8_t mark) {
    WholeChannel whole = EmptyChannel();
    whole.record = {0x00, 0x00, 0x00, mhz,  0x00, 0x00, 0x00, mhz,
                    0x70, 0x06, 0xFF, 0xFF, 0x02, 0xF9, 0xFE, mark};
    whole.name = {static_cast<std::uint8_t>(mark % 36), 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, mark};
    whole.scan = (mark % 2) != 0;
    return whole;
}

RadioImage WithChannels(const std::vector<std::pair<int, WholeChannel>>& channels) {
    RadioImage image = testing::NewImage();
    for (const auto& [channel, whole] : channels) {
        PutChannel(image, channel, whole);
    }
    return image;
}

TEST(ChannelBlocks, InsertDeleteAndClearMoveWholeChannels) {
    const WholeChannel a = Marked(0x14, 1);
    const WholeChannel b = Marked(0x15, 2);
    const WholeChannel c = Marked(0x43, 3);
    RadioImage image = WithChannels({{5, a}, {6, b}, {7, c}});
    const RadioImage before = image;

    // Two empty channels above channel 6: b and c move down by two, with every byte.
    ASSERT_EQ(InsertChannels(image, {6, 9}), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 5), a);
    EXPECT_EQ(TakeChannel(image, 6), EmptyChannel());
    EXPECT_EQ(TakeChannel(image, 7), EmptyChannel());
    EXPECT_EQ(TakeChannel(image, 8), b);
    EXPECT_EQ(TakeChannel(image, 9), c);

    // Deleting them again closes the gap: the image is as it was.
    ASSERT_EQ(DeleteChannels(image, {6, 7}), BlockRefusal::None);
    EXPECT_EQ(image, before);

    ASSERT_EQ(ClearChannels(image, {5, 7}), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 5), EmptyChannel());
    EXPECT_EQ(TakeChannel(image, 6), b);
    EXPECT_EQ(TakeChannel(image, 7), EmptyChannel());

    // Nothing is pushed out that is used; settings bytes are never touched.
    image = WithChannels({{127, a}});
    EXPECT_EQ(InsertChannels(image, {100, 101}), BlockRefusal::PushesUsedOut);
    EXPECT_EQ(image, WithChannels({{127, a}}));
    ASSERT_EQ(InsertChannels(image, {100}), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 128), a);
    EXPECT_TRUE(std::equal(image.begin() + kSettingsAreaOffset, image.begin() + kNameAreaOffset,
                           testing::NewImage().begin() + kSettingsAreaOffset));
    EXPECT_EQ(DeleteChannels(image, {}), BlockRefusal::NothingSelected);
    EXPECT_EQ(ClearChannels(image, {0}), BlockRefusal::NothingSelected);
}

TEST(ChannelBlocks, MovesTakeTheChannelPassedIntoTheirPlace) {
    const WholeChannel a = Marked(0x14, 1);
    const WholeChannel b = Marked(0x15, 2);
    const WholeChannel c = Marked(0x43, 3);
    RadioImage image = WithChannels({{1, a}, {2, b}, {3, c}});

    ASSERT_EQ(MoveChannels(image, {2, 3}, -1), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 1), b);
    EXPECT_EQ(TakeChannel(image, 2), c);
    EXPECT_EQ(TakeChannel(image, 3), a);
    EXPECT_EQ(MoveChannels(image, {1, 2}, -1), BlockRefusal::AtTheEdge);
    ASSERT_EQ(MoveChannels(image, {1, 2}, 1), BlockRefusal::None);
    EXPECT_EQ(image, WithChannels({{1, a}, {2, b}, {3, c}}));
    EXPECT_EQ(MoveChannels(image, {128}, 1), BlockRefusal::AtTheEdge);
}

TEST(ChannelBlocks, SortPutsUsedChannelsInOrderAndEmptyOnesAfter) {
    WholeChannel onlyTx = Marked(0x14, 4);
    std::fill_n(onlyTx.record.begin(), 4, 0xFF);
    WholeChannel named = Marked(0x44, 7);
    named.name = {0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}; // "A"
    RadioImage image =
        WithChannels({{2, Marked(0x43, 1)}, {4, onlyTx}, {5, Marked(0x14, 2)}, {6, named}});
    ASSERT_EQ(SortChannels(image, {1, 2, 3, 4, 5, 6}, SortKey::RxFrequency), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 1), Marked(0x14, 2));
    EXPECT_EQ(TakeChannel(image, 2), Marked(0x43, 1));
    EXPECT_EQ(TakeChannel(image, 3), named);
    EXPECT_EQ(TakeChannel(image, 4), onlyTx); // no receive frequency: after those with one
    EXPECT_FALSE(ChannelRecord::IsUsed(image, 5));
    EXPECT_FALSE(ChannelRecord::IsUsed(image, 6));

    // By name, "1" < "2" < "A", and a channel without a name after them all.
    WholeChannel nameless = Marked(0x14, 9);
    nameless.name.fill(0xFF);
    PutChannel(image, 4, nameless);
    ASSERT_EQ(SortChannels(image, {1, 2, 3, 4}, SortKey::Name), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 1), Marked(0x43, 1));
    EXPECT_EQ(TakeChannel(image, 2), Marked(0x14, 2));
    EXPECT_EQ(TakeChannel(image, 3), named);
    EXPECT_EQ(TakeChannel(image, 4), nameless);
}

TEST(ChannelBlocks, PasteAndTheClipboardsOwnFormat) {
    const std::vector<WholeChannel> copied = {Marked(0x14, 1), EmptyChannel(), Marked(0x43, 2)};
    const std::optional<std::vector<WholeChannel>> back = UnpackChannels(PackChannels(copied));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, copied);

    RadioImage image = WithChannels({{127, Marked(0x15, 5)}});
    const RadioImage before = image;
    EXPECT_EQ(UsedChannelsFrom(image, 126, 3), 1);
    EXPECT_EQ(PasteChannels(image, 127, copied), BlockRefusal::RunsPastTheEnd);
    EXPECT_EQ(image, before);
    ASSERT_EQ(PasteChannels(image, 126, copied), BlockRefusal::None);
    EXPECT_EQ(TakeChannel(image, 126), copied[0]);
    EXPECT_EQ(TakeChannel(image, 127), copied[1]);
    EXPECT_EQ(TakeChannel(image, 128), copied[2]);

    // Anything else is no list of channels.
    std::string packed = PackChannels(copied);
    EXPECT_FALSE(UnpackChannels(packed.substr(0, packed.size() - 1)));
    EXPECT_FALSE(UnpackChannels("TEVANO-CHANNELS 1\n"));
    EXPECT_FALSE(UnpackChannels("a paragraph of text"));
    packed.back() = '\2';
    EXPECT_FALSE(UnpackChannels(packed));
    EXPECT_FALSE(UnpackChannels(PackChannels(std::vector<WholeChannel>(129, EmptyChannel()))));
}

} // namespace
} // namespace tevano
