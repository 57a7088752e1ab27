#include "WireTrace.h"

namespace tevano::radio {

WireTrace::WireTrace(const std::string& path) {
    if (!path.empty()) {
        file_ = std::fopen(path.c_str(), "a");
    }
}

WireTrace::~WireTrace() {
    if (file_ != nullptr) {
        Break();
        std::fclose(file_);
    }
}

void WireTrace::Received(std::uint8_t byte) {
    Put(Direction::In, byte);
    if (file_ != nullptr) {
        std::fflush(file_);
    }
}

void WireTrace::Sent(const std::vector<std::uint8_t>& bytes) {
    for (const std::uint8_t byte : bytes) {
        Put(Direction::Out, byte);
    }
    if (file_ != nullptr) {
        std::fflush(file_);
    }
}

void WireTrace::Break() {
    if (file_ != nullptr && direction_ != Direction::None) {
        std::fputc('\n', file_);
        std::fflush(file_);
    }
    direction_ = Direction::None;
}

void WireTrace::Note(const std::string& text) {
    if (file_ == nullptr) {
        return;
    }
    Break();
    std::fprintf(file_, "= %s\n", text.c_str());
    std::fflush(file_);
}

void WireTrace::Put(Direction direction, std::uint8_t byte) {
    if (file_ == nullptr) {
        return;
    }
    if (direction != direction_) {
        if (direction_ != Direction::None) {
            std::fputc('\n', file_);
        }
        std::fputs(direction == Direction::In ? ">" : "<", file_);
        direction_ = direction;
    }
    std::fprintf(file_, " %02X", byte);
}

} // namespace tevano::radio
