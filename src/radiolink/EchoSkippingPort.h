// A serial line that may echo: some programming cables return every byte the program sends
// before the radio's answer. Once told that the line echoes, every send reads its own echo back
// at once and drops it, so the exchange's later purges and reads see only the radio.
#pragma once

#include "radiolink/SerialPort.h"

#include <cstddef>
#include <cstdint>
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

private:
    SerialPort& line_;
    bool echoing_ = false;
    std::vector<std::uint8_t> echo_;
};

} // namespace tevano
