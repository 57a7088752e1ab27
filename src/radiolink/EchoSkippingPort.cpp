#include "radiolink/EchoSkippingPort.h"

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

} // namespace tevano
