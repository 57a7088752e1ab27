// Whole channels moved, inserted, deleted, cleared, sorted and carried between documents, as the
// Edit menu's channel operations do: a channel is its 16-byte record, its name and its scan bit.
#pragma once

#include "image/RadioImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// One channel as the image holds it, the bytes the grid does not show included.
struct WholeChannel {
    std::array<std::uint8_t, kChannelRecordSize> record{};
    std::array<std::uint8_t, kNameSize> name{};
    bool scan = true;

    bool operator==(const WholeChannel&) const = default;
    [[nodiscard]] bool Used() const;
};

WholeChannel TakeChannel(const RadioImage& image, int channel);
void PutChannel(RadioImage& image, int channel, const WholeChannel& whole);
// A channel as a new document holds it: every byte 0xFF, the scan bit set.
WholeChannel EmptyChannel();

// Channels by number, 1 to 128, in rising order without repeats; what a selection gives.
using ChannelSet = std::vector<int>;

// Why an operation changed nothing.
enum class BlockRefusal {
    None,
    NothingSelected, // no channel, or a channel number outside 1-128
    PushesUsedOut,   // an insert would push a used channel past 128
    AtTheEdge,       // a move up from channel 1 or down from 128
    RunsPastTheEnd,  // a paste with more channels than are left from its first one
};

// Inserts as many empty channels as `channels` counts above the first of them; the channels
// from there on move down. Refused when one of the last channels it would push out is used.
[[nodiscard]] BlockRefusal InsertChannels(RadioImage& image, const ChannelSet& channels);

// Removes the channels; the ones below move up, and empty channels fill the end.
[[nodiscard]] BlockRefusal DeleteChannels(RadioImage& image, const ChannelSet& channels);

// Empties the channels in place.
[[nodiscard]] BlockRefusal ClearChannels(RadioImage& image, const ChannelSet& channels);

// Moves each channel one place up (by -1) or down (by +1); the channel it passes takes its
// place. Refused when the first (up) or last (down) would leave 1-128.
[[nodiscard]] BlockRefusal MoveChannels(RadioImage& image, const ChannelSet& channels, int by);

// Sorts the channels among their own places: used channels first, by receive frequency (a
// channel without one after those with one) or by name (a channel without a name after those
// with one), keeping the order of equals; empty
// channels after them in the order they had.
enum class SortKey { RxFrequency, Name };
[[nodiscard]] BlockRefusal SortChannels(RadioImage& image, const ChannelSet& channels, SortKey key);

// Puts the channels in from `first` on, in order. Refused, changing nothing, when they would run
// past channel 128.
[[nodiscard]] BlockRefusal PasteChannels(RadioImage& image, int first,
                                         const std::vector<WholeChannel>& channels);

// How many of the channels a paste of `count` channels from `first` on would overwrite are used.
int UsedChannelsFrom(const RadioImage& image, int first, int count);

// The channels as the clipboard's own format carries them between windows, and back; nothing
// for bytes that are not such a list (a wrong mark, a wrong length, more than 128 channels).
std::string PackChannels(const std::vector<WholeChannel>& channels);
std::optional<std::vector<WholeChannel>> UnpackChannels(std::string_view packed);

// The MIME type of that format.
inline constexpr const char* kChannelsMimeType = "application/x-tevano-channels";

} // namespace tevano
