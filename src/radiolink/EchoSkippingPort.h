// A serial line that may echo: some programming cables return every byte the program sends
// before the radio's answer. Once told that the line echoes, every send reads its own echo back
// at once and drops it, so the exchange's later purges and reads see only the radio.
#pragma once

#include "radiolink/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tevano {

class EchoSkippingPort : public SerialPort {
public:
    explicit EchoSkippingPort(SerialPort& line) : line_(line) {}

    // A fresh line is taken not to echo until the exchange finds that it does.
    [[nodiscard]] bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override;
    bool IsOpen() const override { return line_.IsOpen(); }
    void Purge(PurgeMode mode) override { line_.Purge(mode); }
    [[nodiscard]] bool Write(const std::uint8_t* data, std::size_t size) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        return line_.Read(buffer, size);
    }
    void Pause(int milliseconds) override { line_.Pause(milliseconds); }
    void Close() override { line_.Close(); }

    void SetEchoing() { echoing_ = true; }
    bool Echoing() const { return echoing_; }

    // Whether the bytes read one by one while an answer to `sent` is awaited are the line's echo
    // of it: Partial while they are a piece of it, Complete when that piece is its end (the echoes
    // of the first bytes may have gone in purges between the sends), No for anything else.
    enum class EchoMatch { No, Partial, Complete };
    class EchoWatch {
    public:
        explicit EchoWatch(std::span<const std::uint8_t> sent) : sent_(sent) {}
        EchoMatch Take(std::uint8_t byte);

    private:
        std::span<const std::uint8_t> sent_;
        std::vector<std::uint8_t> seen_;
    };

private:
    SerialPort& line_;
    bool echoing_ = false;
    std::vector<std::uint8_t> echo_;
};

} // namespace tevano
