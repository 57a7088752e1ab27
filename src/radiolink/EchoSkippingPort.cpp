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

EchoSkippingPort::EchoMatch EchoSkippingPort::EchoWatch::Take(std::uint8_t byte) {
    seen_.push_back(byte);
    if (std::search(sent_.begin(), sent_.end(), seen_.begin(), seen_.end()) == sent_.end()) {
        seen_.clear();
        return EchoMatch::No;
    }
    return seen_.back() == sent_.back() ? EchoMatch::Complete : EchoMatch::Partial;
}

} // namespace tevano
