// Writes radio inputs in the form the radio harnesses read (RadioTape.h): header fields, then
// what the radio sends to each read and the user's answers, in the order the exchange meets them.
// The seed corpus is made with it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tevano::fuzz {

using Bytes = std::vector<std::uint8_t>;

class TapeWriter {
public:
    TapeWriter& Byte(std::uint8_t byte) {
        bytes_.push_back(byte);
        return *this;
    }
    TapeWriter& Word(unsigned word) {
        return Byte(static_cast<std::uint8_t>(word & 0xFF))
            .Byte(static_cast<std::uint8_t>(word >> 8));
    }
    TapeWriter& Text(const std::string& text) {
        Byte(static_cast<std::uint8_t>(text.size() & 0x1F));
        bytes_.insert(bytes_.end(), text.begin(), text.begin() + (text.size() & 0x1F));
        return *this;
    }
    // What the radio sends in answer to a read of `asked` bytes (fewer: a time-out after them).
    TapeWriter& Arrives(std::size_t asked, const Bytes& sent, bool portError = false) {
        Byte(static_cast<std::uint8_t>((sent.size() & 0x7F) | (portError ? 0x80 : 0)));
        bytes_.insert(bytes_.end(), sent.begin(), sent.end());
        bytes_.insert(bytes_.end(), asked - std::min(asked, sent.size()), 0);
        return *this;
    }
    // A read of `asked` bytes that times out with nothing.
    TapeWriter& Silence(std::size_t asked) { return Arrives(asked, {}); }
    // The user's answer to a question with a choice.
    TapeWriter& Answer(bool positive) { return Byte(positive ? 1 : 0); }

    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

} // namespace tevano::fuzz
