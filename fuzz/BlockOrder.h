// The block commands of a clone exchange as the radio sees them: the direction's command byte,
// 8 bytes a block, and the image's addresses in order from 0, none outside it, none twice but
// the block whose reply was refused, asked for again after a new handshake.
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
        const bool again = again_ && address + kBlockSize == next_;
        again_ = false;
        if (again) {
            return address;
        }
        FUZZ_CHECK(address == next_, "blocks go in order, none twice but after a new handshake");
        FUZZ_CHECK(address + kBlockSize <= kImageSize, "blocks lie inside the image");
        next_ += kBlockSize;
        return address;
    }

    // A wake-up after the blocks began: the last block may be asked for once more.
    void HandshakeAgain() { again_ = next_ > 0; }

    // The address the next command must name: kImageSize once every block was named.
    std::size_t Next() const { return next_; }

private:
    std::uint8_t command_;
    std::size_t next_ = 0;
    bool again_ = false;
};

} // namespace tevano::fuzz
