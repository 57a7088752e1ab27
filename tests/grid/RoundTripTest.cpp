#include "ImageBuilder.h"

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "grid/HeadlessChannelForm.h"
#include "image/Bcd.h"
#include "image/NameCode.h"
#include "image/ScanBitmap.h"
#include "image/ToneTable.h"
#include "image/ToneWord.h"

#include <gtest/gtest.h>

#include <random>

namespace tevano {
namespace {

using testing::NewImage;

std::uint8_t Random(std::mt19937& rng) {
    return static_cast<std::uint8_t>(rng() & 0xFF);
}

// A used channel with valid fields and random bytes wherever the grid has no column.
void RandomUsedChannel(std::mt19937& rng, const ToneTable& tones, RadioImage& image, int channel) {
    std::uint8_t* record = &image[ChannelOffset(channel)];
    const auto frequency = [&rng] {
        return static_cast<std::uint32_t>(6700000u + rng() % (52100000u - 6700000u));
    };
    WriteBcd32(record + 0, frequency());
    if (rng() % 4 == 0) {
        record[3] = rng() % 2 ? 0xFF : 0x00; // receive absent
    }
    WriteBcd32(record + 4, frequency());
    for (std::size_t toneOffset : {std::size_t{8}, std::size_t{10}}) {
        const int index = static_cast<int>(rng() % ToneTable::kCount);
        ToneWord::Encode(tones.Name(index), record[toneOffset], record[toneOffset + 1]);
    }
    const std::uint8_t signals[] = {0, 1, 2, 4};
    record[12] = signals[rng() % 4];
    record[13] = Random(rng);
    record[14] = Random(rng);
    record[15] = Random(rng);
    const std::size_t nameLength = rng() % 9;
    for (std::size_t i = 0; i < 8; ++i) {
        image[NameOffset(channel) + i] =
            i < nameLength ? static_cast<std::uint8_t>(rng() % 38) : 0xFF;
    }
}

TEST(RoundTrip, UsedChannelsKeepEveryShownField) {
    std::mt19937 rng(20261207);
    const ToneTable tones;
    for (const Language language : {Language::English, Language::Chinese}) {
        for (int pass = 0; pass < 20; ++pass) {
            RadioImage image = NewImage();
            for (int channel = 1; channel <= 128; ++channel) {
                RandomUsedChannel(rng, tones, image, channel);
            }
            const RadioImage before = image;
            HeadlessChannelForm form(language);
            ShowImage(image, form.Form());
            EncodeChannels(form.Form(), image);
            for (int channel = 1; channel <= 128; ++channel) {
                const std::size_t at = ChannelOffset(channel);
                const bool rxAbsent = before[at + 3] == 0xFF || before[at + 3] == 0x00;
                for (std::size_t i = 0; i < 12; ++i) {
                    // An absent frequency is written back as four 0xFF bytes.
                    const std::uint8_t want = rxAbsent && i < 4 ? 0xFF : before[at + i];
                    ASSERT_EQ(image[at + i], want) << channel << " byte " << i;
                }
                EXPECT_EQ(image[at + 12], before[at + 12]);
                // Busy lock 6 reads as tone and comes back as 4; every other bit is kept.
                std::uint8_t flags = before[at + 13];
                if ((flags & 0x06) == 0x06) {
                    flags &= static_cast<std::uint8_t>(~0x02);
                }
                EXPECT_EQ(image[at + 13], flags) << channel;
                EXPECT_EQ(image[at + 14], before[at + 14]);
                EXPECT_EQ(image[at + 15], before[at + 15]);
                EXPECT_EQ(ScanBitmap::Get(image, channel), (flags & 0x08) != 0);
                for (std::size_t i = 0; i < 8; ++i) {
                    EXPECT_EQ(image[NameOffset(channel) + i], before[NameOffset(channel) + i]);
                }
            }
            // The settings area outside the form's bytes is not the grid's to change.
            for (std::size_t i = 0x800; i < 0x850; ++i) {
                if (i != 0x80A && i != 0x80B && i != 0x811 && i != 0x812) {
                    EXPECT_EQ(image[i], before[i]);
                }
            }
        }
    }
}

// Texts as a channel list or the demo give them come back unchanged after a save and an open.
TEST(RoundTrip, EditedTextsComeBackAfterEncodeAndDecode) {
    std::mt19937 rng(7);
    const ToneTable tones;
    const std::uint32_t steps[] = {625, 500, 250};
    for (const Language language : {Language::English, Language::Chinese}) {
        HeadlessChannelForm form(language);
        RadioImage image = NewImage();
        ShowImage(image, form.Form());
        std::vector<ChannelRowTexts> shown(129);
        for (int row = 1; row <= 128; ++row) {
            ChannelRowTexts& cells = shown[static_cast<std::size_t>(row)];
            const std::uint32_t step = steps[rng() % 3];
            const std::uint32_t units =
                (6700000u + static_cast<std::uint32_t>(rng() % 45400000u)) / step * step;
            cells[1] = FrequencyText(units);
            cells[2] = rng() % 5 ? FrequencyText(units + step) : "";
            cells[3] = tones.Name(static_cast<int>(rng() % 261));
            cells[4] = tones.Name(static_cast<int>(rng() % 261));
            for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
                const auto entries = OverlayListEntries(col, language);
                cells[static_cast<std::size_t>(col)] = entries[rng() % entries.size()];
            }
            std::string name;
            for (std::size_t i = rng() % 9; i > 0; --i) {
                name += NameCode::Character(static_cast<std::uint8_t>(rng() % 38));
            }
            cells[12] = name;
            WriteChannel(ParseChannel(cells, image, row), row, image);
        }
        EncodeChannels(form.Form(), image);
        for (int row = 1; row <= 128; ++row) {
            EXPECT_EQ(DecodeChannel(image, row, language), shown[static_cast<std::size_t>(row)])
                << row;
        }
    }
}

// Every value of every record byte, name byte and form byte decodes and encodes without fault
// (this test earns its keep in the sanitizer build).
TEST(RoundTrip, EveryByteValueIsHandled) {
    for (std::size_t position = 0; position < 16; ++position) {
        for (int value = 0; value <= 0xFF; ++value) {
            for (std::uint8_t background :
                 {std::uint8_t{0x00}, std::uint8_t{0x45}, std::uint8_t{0xFF}}) {
                RadioImage image{};
                image.fill(background);
                image[ChannelOffset(64) + position] = static_cast<std::uint8_t>(value);
                image[NameOffset(64) + position % 8] = static_cast<std::uint8_t>(value);
                for (const Language language : {Language::English, Language::Chinese}) {
                    const ChannelRowTexts cells = DecodeChannel(image, 64, language);
                    ASSERT_LE(cells[12].size(), 8u);
                    RadioImage encoded = image;
                    EncodeChannel(cells, 64, encoded);
                    ASSERT_LE(DecodeChannel(encoded, 64, language)[12].size(), 8u);
                    // Saving writes the typed values back as writing what the table shows
                    // would: byte for byte.
                    RadioImage saved = image;
                    WriteChannel(ReadChannel(image, 64), 64, saved);
                    ASSERT_EQ(saved, encoded) << position << " " << value;
                }
            }
        }
    }
    HeadlessChannelForm form(Language::English);
    for (std::size_t offset : {kFieldByte, kTypeByte, kManualByte}) {
        for (int value = 0; value <= 0xFF; ++value) {
            RadioImage image = NewImage();
            image[offset] = static_cast<std::uint8_t>(value);
            ShowImage(image, form.Form());
            EncodeChannels(form.Form(), image);
            ASSERT_EQ(image[kFormMarkByte], kFormMark);
        }
    }
}

} // namespace
} // namespace tevano
