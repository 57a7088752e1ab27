// A serial line that may echo: some programming cables return every byte the program sends
// before the radio's answer. Once told that the line echoes, every send reads its own echo back
// at once and drops it, so the exchange's later purges and reads see only the radio.
#pragma once

#include "radiolink/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

    // Reads the radio's answer to the wake-up `sent`, a byte at a time: true when `ack` comes
    // before two reads that bring anything else (or nothing). The radio may send one stray byte
    // before its acknowledgement. An echoing cable first returns the end of the wake-up (the
    // echoes of its first bytes may have gone in purges between the sends): those bytes do not
    // count, the line skips the echo of every later send, and `echoFound` is called. With
    // `purgeBeforeSecondRead` the line is cleared before the second read.
    [[nodiscard]] bool WakeUpAcknowledged(std::span<const std::uint8_t> sent, std::uint8_t ack,
                                          const std::function<void()>& echoFound,
                                          bool purgeBeforeSecondRead);

private:
    SerialPort& line_;
    bool echoing_ = false;
    std::vector<std::uint8_t> echo_;
};

} // namespace tevano
