#include "grid/ChannelBlocks.h"

#include "image/Bcd.h"
#include "image/ChannelRecord.h"
#include "image/NameCode.h"
#include "image/ScanBitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tevano {

namespace {

bool Valid(const ChannelSet& channels) {
    return !channels.empty() && channels.front() >= 1 && channels.back() <= kChannelCount &&
           std::is_sorted(channels.begin(), channels.end()) &&
           std::adjacent_find(channels.begin(), channels.end()) == channels.end();
}

std::vector<WholeChannel> AllChannels(const RadioImage& image) {
    std::vector<WholeChannel> all;
    all.reserve(kChannelCount);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        all.push_back(TakeChannel(image, channel));
    }
    return all;
}

void PutAll(RadioImage& image, const std::vector<WholeChannel>& all) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        PutChannel(image, channel, all[static_cast<std::size_t>(channel - 1)]);
    }
}

std::size_t Index(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

// The receive frequency in 10 Hz units; channels without one sort after all that have one.
std::uint32_t RxKey(const WholeChannel& whole) {
    const std::uint8_t* rx = whole.record.data() + ChannelRecord::kRxFrequency;
    return ChannelRecord::FrequencyPresent(rx) ? ReadBcd32(rx)
                                               : std::numeric_limits<std::uint32_t>::max();
}

constexpr std::string_view kPackMark = "TEVANO-CHANNELS 1\n";
constexpr std::size_t kPackedChannelSize = kChannelRecordSize + kNameSize + 1;

} // namespace

bool WholeChannel::Used() const {
    return ChannelRecord::FrequencyPresent(record.data() + ChannelRecord::kRxFrequency) ||
           ChannelRecord::FrequencyPresent(record.data() + ChannelRecord::kTxFrequency);
}

WholeChannel TakeChannel(const RadioImage& image, int channel) {
    WholeChannel whole;
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel)),
                kChannelRecordSize, whole.record.begin());
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(NameOffset(channel)), kNameSize,
                whole.name.begin());
    whole.scan = ScanBitmap::Get(image, channel);
    return whole;
}

void PutChannel(RadioImage& image, int channel, const WholeChannel& whole) {
    std::copy(whole.record.begin(), whole.record.end(),
              image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel)));
    std::copy(whole.name.begin(), whole.name.end(),
              image.begin() + static_cast<std::ptrdiff_t>(NameOffset(channel)));
    ScanBitmap::Set(image, channel, whole.scan);
}

WholeChannel EmptyChannel() {
    WholeChannel whole;
    whole.record.fill(0xFF);
    whole.name.fill(0xFF);
    whole.scan = true;
    return whole;
}

BlockRefusal InsertChannels(RadioImage& image, const ChannelSet& channels) {
    if (!Valid(channels)) {
        return BlockRefusal::NothingSelected;
    }
    const int count = static_cast<int>(channels.size());
    for (int channel = kChannelCount - count + 1; channel <= kChannelCount; ++channel) {
        if (channel >= channels.front() && ChannelRecord::IsUsed(image, channel)) {
            return BlockRefusal::PushesUsedOut;
        }
    }
    std::vector<WholeChannel> all = AllChannels(image);
    const auto at = all.begin() + static_cast<std::ptrdiff_t>(Index(channels.front()));
    all.insert(at, static_cast<std::size_t>(count), EmptyChannel());
    all.resize(kChannelCount);
    PutAll(image, all);
    return BlockRefusal::None;
}

BlockRefusal DeleteChannels(RadioImage& image, const ChannelSet& channels) {
    if (!Valid(channels)) {
        return BlockRefusal::NothingSelected;
    }
    std::vector<WholeChannel> kept;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!std::binary_search(channels.begin(), channels.end(), channel)) {
            kept.push_back(TakeChannel(image, channel));
        }
    }
    kept.resize(kChannelCount, EmptyChannel());
    PutAll(image, kept);
    return BlockRefusal::None;
}

BlockRefusal ClearChannels(RadioImage& image, const ChannelSet& channels) {
    if (!Valid(channels)) {
        return BlockRefusal::NothingSelected;
    }
    for (const int channel : channels) {
        PutChannel(image, channel, EmptyChannel());
    }
    return BlockRefusal::None;
}

BlockRefusal MoveChannels(RadioImage& image, const ChannelSet& channels, int by) {
    if (!Valid(channels) || (by != -1 && by != 1)) {
        return BlockRefusal::NothingSelected;
    }
    if ((by < 0 && channels.front() == 1) || (by > 0 && channels.back() == kChannelCount)) {
        return BlockRefusal::AtTheEdge;
    }
    std::vector<WholeChannel> all = AllChannels(image);
    // Up: from the top down, each swaps with the one above it; down: from the bottom up.
    const auto swapWithNeighbour = [&all, by](int channel) {
        std::swap(all[Index(channel)], all[Index(channel + by)]);
    };
    if (by < 0) {
        std::for_each(channels.begin(), channels.end(), swapWithNeighbour);
    } else {
        std::for_each(channels.rbegin(), channels.rend(), swapWithNeighbour);
    }
    PutAll(image, all);
    return BlockRefusal::None;
}

BlockRefusal SortChannels(RadioImage& image, const ChannelSet& channels, SortKey key) {
    if (!Valid(channels)) {
        return BlockRefusal::NothingSelected;
    }
    std::vector<WholeChannel> picked;
    for (const int channel : channels) {
        picked.push_back(TakeChannel(image, channel));
    }
    std::stable_sort(
        picked.begin(), picked.end(), [key](const WholeChannel& a, const WholeChannel& b) {
            if (a.Used() != b.Used()) {
                return a.Used();
            }
            if (!a.Used()) {
                return false;
            }
            if (key == SortKey::RxFrequency) {
                return RxKey(a) < RxKey(b);
            }
            // Channels without a name after the named ones.
            const std::string nameA = NameCode::Decode(a.name.data());
            const std::string nameB = NameCode::Decode(b.name.data());
            return std::make_pair(nameA.empty(), nameA) < std::make_pair(nameB.empty(), nameB);
        });
    for (std::size_t i = 0; i < channels.size(); ++i) {
        PutChannel(image, channels[i], picked[i]);
    }
    return BlockRefusal::None;
}

int UsedChannelsFrom(const RadioImage& image, int first, int count) {
    int used = 0;
    for (int channel = std::max(first, 1); channel < first + count && channel <= kChannelCount;
         ++channel) {
        used += ChannelRecord::IsUsed(image, channel) ? 1 : 0;
    }
    return used;
}

BlockRefusal PasteChannels(RadioImage& image, int first,
                           const std::vector<WholeChannel>& channels) {
    if (channels.empty() || first < 1 || first > kChannelCount) {
        return BlockRefusal::NothingSelected;
    }
    if (static_cast<std::size_t>(kChannelCount - first + 1) < channels.size()) {
        return BlockRefusal::RunsPastTheEnd;
    }
    for (std::size_t i = 0; i < channels.size(); ++i) {
        PutChannel(image, first + static_cast<int>(i), channels[i]);
    }
    return BlockRefusal::None;
}

std::string PackChannels(const std::vector<WholeChannel>& channels) {
    std::string packed(kPackMark);
    for (const WholeChannel& whole : channels) {
        packed.append(whole.record.begin(), whole.record.end());
        packed.append(whole.name.begin(), whole.name.end());
        packed.push_back(whole.scan ? '\1' : '\0');
    }
    return packed;
}

std::optional<std::vector<WholeChannel>> UnpackChannels(std::string_view packed) {
    if (packed.substr(0, kPackMark.size()) != kPackMark) {
        return std::nullopt;
    }
    packed.remove_prefix(kPackMark.size());
    if (packed.empty() || packed.size() % kPackedChannelSize != 0 ||
        packed.size() / kPackedChannelSize > static_cast<std::size_t>(kChannelCount)) {
        return std::nullopt;
    }
    std::vector<WholeChannel> channels;
    for (std::size_t at = 0; at < packed.size(); at += kPackedChannelSize) {
        WholeChannel whole;
        std::memcpy(whole.record.data(), packed.data() + at, kChannelRecordSize);
        std::memcpy(whole.name.data(), packed.data() + at + kChannelRecordSize, kNameSize);
        const char scan = packed[at + kChannelRecordSize + kNameSize];
        if (scan != '\0' && scan != '\1') {
            return std::nullopt;
        }
        whole.scan = scan == '\1';
        channels.push_back(whole);
    }
    return channels;
}

} // namespace tevano
