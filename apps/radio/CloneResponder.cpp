#include "CloneResponder.h"

#include "radiolink/CloneFrames.h"
#include "testmode/CalibrationFrames.h"

#include <algorithm>

namespace tevano::radio {

namespace {

constexpr std::uint8_t kRefusal = 0x15; // what the radio answers instead of an acknowledgement

} // namespace

CloneResponder::CloneResponder(RadioImage& memory, std::uint8_t typeCode, const FaultPlan& faults)
    : memory_(memory), typeCode_(typeCode), faults_(faults) {}

std::vector<std::uint8_t> CloneResponder::Identification() const {
    std::vector<std::uint8_t> identification = {'T', 'E', 'V', 'A', 0, 0x01, 0x00, 0x00};
    identification[kIdentificationTypeByte] = typeCode_;
    return identification;
}

bool CloneResponder::Strikes(int& remaining) {
    if (remaining == 0) {
        return false;
    }
    if (remaining > 0) {
        --remaining;
    }
    return true;
}

RadioReply CloneResponder::Receive(std::uint8_t byte, bool afterPause) {
    if (afterPause) {
        frame_.clear();
    }
    // Block replies are read at once; every other answer may follow a purge.
    const bool servingBlocks = state_ == State::Programming || state_ == State::WaitingReadAck;
    RadioReply reply = Respond(byte, afterPause);
    reply.awaitedAfterPurge = !servingBlocks;
    return reply;
}

RadioReply CloneResponder::Respond(std::uint8_t byte, bool afterPause) {
    switch (state_) {
    case State::WaitingWakeUp:
        return WakeUpByte(byte);
    case State::WaitingModeRequest:
        if (byte != kModeRequest[0]) {
            return Restart(byte);
        }
        state_ = State::WaitingModeEnd;
        return {};
    case State::WaitingModeEnd:
        if (byte != kModeRequest[1]) {
            return Restart(byte);
        }
        state_ = State::WaitingFinalAck;
        return {Identification()};
    case State::WaitingFinalAck:
        if (byte != kAck) {
            return Restart(byte);
        }
        if (Strikes(faults_.wrongFinalAcks)) {
            state_ = State::WaitingWakeUp;
            return {{kRefusal}};
        }
        state_ = State::Programming;
        return {{kAck}};
    case State::WaitingReadAck:
        state_ = State::Programming;
        if (byte == kAck) {
            if (lastReadBlock_ == faults_.missingReadAckBlock) {
                return {};
            }
            return {{kAck}};
        }
        return CommandByte(byte);
    case State::Programming:
        return CommandByte(byte);
    case State::Calibrating:
        return CalibrationByte(byte, afterPause);
    }
    return {};
}

// Anything unexpected in the handshake sends the radio back to waiting for a wake-up, which
// may be just beginning with this byte.
RadioReply CloneResponder::Restart(std::uint8_t byte) {
    state_ = State::WaitingWakeUp;
    wakeUpMatched_ = 0;
    frame_.clear();
    return WakeUpByte(byte);
}

RadioReply CloneResponder::WakeUpByte(std::uint8_t byte) {
    if (byte == kWakeUp[wakeUpMatched_]) {
        ++wakeUpMatched_;
    } else {
        wakeUpMatched_ = byte == kWakeUp[0] ? 1 : 0;
    }
    if (wakeUpMatched_ < kWakeUp.size()) {
        return {};
    }
    wakeUpMatched_ = 0;
    wakeUpSeen_ = true;
    writtenBlocks_.reset();
    if (faults_.silent) {
        return {};
    }
    if (Strikes(faults_.wrongWakeUpAcks)) {
        return {{kRefusal, kRefusal}};
    }
    state_ = State::WaitingModeRequest;
    return {{kAck}};
}

RadioReply CloneResponder::CommandByte(std::uint8_t byte) {
    if (frame_.empty()) {
        if (byte == kWakeUp[0]) {
            // The program starts over (its retry after an error).
            return Restart(byte);
        }
        if (byte == kItemSelectByte) {
            state_ = State::Calibrating;
            calibration_.Begin();
            return {};
        }
        if (byte != kReadCommand && byte != kWriteCommand) {
            return {};
        }
    }
    frame_.push_back(byte);
    const std::size_t frameSize =
        frame_[0] == kWriteCommand ? kBlockCommandSize + kBlockSize : kBlockCommandSize;
    if (frame_.size() < frameSize) {
        return {};
    }
    RadioReply reply = BlockCommand();
    frame_.clear();
    return reply;
}

RadioReply CloneResponder::BlockCommand() {
    const std::size_t address = static_cast<std::size_t>(frame_[1]) << 8 | frame_[2];
    if (frame_[3] != kBlockSize || address % kBlockSize != 0 || address + kBlockSize > kImageSize) {
        return {{kRefusal}};
    }
    const int block = static_cast<int>(address / kBlockSize);
    if (block == faults_.hangUpBlock) {
        return {{}, true};
    }
    if (frame_[0] == kReadCommand) {
        RadioReply reply = ReadReply(block);
        if (block == faults_.shortReplyBlock) {
            reply.bytes.resize(std::min(reply.bytes.size(), faults_.shortReplyBytes));
        }
        lastReadBlock_ = block;
        state_ = State::WaitingReadAck;
        return reply;
    }
    if (block == faults_.refusedWriteBlock) {
        return {{kRefusal}};
    }
    std::copy(frame_.begin() + kBlockCommandSize, frame_.end(), memory_.begin() + address);
    if (faults_.corruptedByte >= 0 &&
        static_cast<std::size_t>(faults_.corruptedByte) - address < kBlockSize) {
        memory_[static_cast<std::size_t>(faults_.corruptedByte)] ^= 0xFF;
    }
    writtenBlocks_.set(static_cast<std::size_t>(block));
    RadioReply reply{{kAck}};
    if (writtenBlocks_.all()) {
        reply.writeCompleted = true;
        writtenBlocks_.reset();
    }
    return reply;
}

RadioReply CloneResponder::ReadReply(int block) {
    if (block == faults_.randomReply) {
        RadioReply reply;
        for (std::size_t i = 0; i < kBlockCommandSize + kBlockSize; ++i) {
            reply.bytes.push_back(static_cast<std::uint8_t>(random_()));
        }
        return reply;
    }
    if (block == faults_.wrongBlockReply) {
        block += block + 1 < static_cast<int>(kImageSize / kBlockSize) ? 1 : -1;
    }
    const std::size_t address = static_cast<std::size_t>(block) * kBlockSize;
    RadioReply reply{{kWriteCommand, static_cast<std::uint8_t>(address >> 8),
                      static_cast<std::uint8_t>(address & 0xFF),
                      static_cast<std::uint8_t>(kBlockSize)}};
    reply.bytes.insert(reply.bytes.end(), memory_.begin() + static_cast<std::ptrdiff_t>(address),
                       memory_.begin() + static_cast<std::ptrdiff_t>(address + kBlockSize));
    return reply;
}

// A calibration ends the programming mode: the program closes the port, or wakes the radio
// again for its next attempt after a long pause.
RadioReply CloneResponder::CalibrationByte(std::uint8_t byte, bool afterPause) {
    if (afterPause) {
        calibration_.Abandon();
        return Restart(byte);
    }
    CalibrationAnswer answer = calibration_.Receive(byte);
    if (!calibration_.Active()) {
        state_ = State::WaitingWakeUp;
        wakeUpMatched_ = 0;
    }
    RadioReply reply{std::move(answer.bytes)};
    reply.calibration = answer.received;
    return reply;
}

bool CloneResponder::LineClosed() {
    const bool exchange = wakeUpSeen_;
    state_ = State::WaitingWakeUp;
    wakeUpMatched_ = 0;
    frame_.clear();
    calibration_.Abandon();
    lastReadBlock_ = -1;
    writtenBlocks_.reset();
    wakeUpSeen_ = false;
    return exchange;
}

} // namespace tevano::radio
