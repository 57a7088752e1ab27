#include "radiolink/EchoSkippingPort.h"

#include <algorithm>

namespace tevano {

bool EchoSkippingPort::Open(const std::string& devicePath, const PortTimeouts& timeouts) {
    echoing_ = false;
    return line_.Open(devicePath, timeouts);
}

bool EchoSkippingPort::Write(const std::uint8_t* data, std::size_t size) {
    const bool written = line_.Write(data, size);
    if (echoing_ && written) {
        // Read right away: a purge before the next send must not take the echo of this one
        // while it is still on its way, nor leave it to be read as the radio's answer.
        echo_.resize(size);
        static_cast<void>(line_.Read(echo_.data(), size));
    }
    return written;
}

bool EchoSkippingPort::WakeUpAcknowledged(std::span<const std::uint8_t> sent, std::uint8_t ack,
                                          const std::function<void()>& echoFound,
                                          bool purgeBeforeSecondRead) {
    std::vector<std::uint8_t> echo; // the bytes read so far that are a piece of `sent`
    for (int reads = 0; reads < 2;) {
        std::uint8_t byte = 0;
        const ReadResult answer = line_.Read(&byte, 1);
        if (answer.count == 1 && byte == ack) {
            return true;
        }
        if (answer.portError) {
            return false;
        }
        if (answer.count == 1 && !echoing_) {
            echo.push_back(byte);
            if (std::search(sent.begin(), sent.end(), echo.begin(), echo.end()) != sent.end()) {
                // The wake-up's last byte comes only at its end: the echo is complete.
                if (byte == sent.back()) {
                    echoing_ = true;
                    echoFound();
                }
                continue;
            }
            echo.clear();
        }
        if (++reads == 1 && purgeBeforeSecondRead) {
            line_.Purge(PurgeMode::Clear);
        }
    }
    return false;
}

} // namespace tevano
