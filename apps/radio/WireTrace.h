// A record of the virtual radio's line for tests and for people: every byte received ("> ")
// and sent ("< ") in hexadecimal, one line for each run of bytes in the same direction, and a
// line ("= ...") for what the radio made of them where that helps, written out at once so that
// a reader sees each line before the radio's answer reaches the program.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tevano::radio {

class WireTrace {
public:
    // Appends to the file; no file name, or one that cannot be opened, traces nothing.
    explicit WireTrace(const std::string& path);
    ~WireTrace();
    WireTrace(const WireTrace&) = delete;
    WireTrace& operator=(const WireTrace&) = delete;

    bool Good() const { return file_ != nullptr; }
    void Received(std::uint8_t byte);
    void Sent(const std::vector<std::uint8_t>& bytes);
    // Ends the current line: the line was closed, what follows belongs to another exchange.
    void Break();
    // A line of its own: "= " and the text.
    void Note(const std::string& text);

private:
    enum class Direction { None, In, Out };
    void Put(Direction direction, std::uint8_t byte);

    std::FILE* file_ = nullptr;
    Direction direction_ = Direction::None;
};

} // namespace tevano::radio
