// The block commands of a clone exchange as the radio sees them: the direction's command byte,
// 8 bytes a block, and the image's addresses in order from 0, none twice, none outside it.
#pragma once

#include "FuzzCheck.h"

#include "radiolink/CloneFrames.h"

#include <cstddef>
#include <cstdint>

namespace tevano::fuzz {

class BlockOrder {
public:
    explicit BlockOrder(std::uint8_t command) : command_(command) {}

    // Checks a block command (kBlockCommandSize bytes); the address of the block it names.
    std::size_t Follow(const std::uint8_t* data) {
        FUZZ_CHECK(data[0] == command_, "a read sends only read commands, a write write commands");
        FUZZ_CHECK(data[3] == kBlockSize, "a block is 8 bytes");
        const std::size_t address = static_cast<std::size_t>(data[1]) << 8 | data[2];
        FUZZ_CHECK(address == next_, "blocks go in order, none twice");
        FUZZ_CHECK(address + kBlockSize <= kImageSize, "blocks lie inside the image");
        next_ += kBlockSize;
        return address;
    }

    // The address the next command must name: kImageSize once every block was named.
    std::size_t Next() const { return next_; }

private:
    std::uint8_t command_;
    std::size_t next_ = 0;
};

} // namespace tevano::fuzz
