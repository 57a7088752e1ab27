#include "radiolink/CloneExchange.h"

#include "radiolink/CloneFrames.h"
#include "radiolink/EchoSkippingPort.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tevano {

namespace {

constexpr int kHandshakeAttempts = 15;
// Pump turns, each followed by a 1 ms pause, at the start of every handshake attempt, after the
// user accepted a radio-type mismatch, and after a wrong answer to the final acknowledgement.
constexpr int kTurnsBeforeAttempt = 7;
constexpr int kTurnsAfterAcceptedMismatch = 351;
constexpr int kTurnsAfterWrongFinalAck = 601;
// Pump turns without pauses after each block.
constexpr int kTurnsAfterWriteBlock = 21;
constexpr int kTurnsAfterReadBlock = 19;
// Pauses in milliseconds. The radio needs a moment before each byte of the handshake, between a
// write command and its data, and before the program acknowledges a read block.
constexpr int kBytePause = 1;
constexpr int kFailedAttemptPause = 2;
constexpr int kWriteBlockPause = 1;
constexpr int kReadAckDelay = 15;
constexpr int kReadBlockPause = 5;

enum class CloneDirection { Read, Write };

class CloneExchange {
public:
    CloneExchange(SerialPort& line, ExchangeHook& hook, CloneDirection direction,
                  const RadioImage& image)
        : port_(line), hook_(hook), direction_(direction), image_(image) {}

    CloneOutcome Run(const std::string& devicePath);

    // A read's copy of the image, complete once Run has returned Completed.
    const RadioImage& Image() const { return image_; }

private:
    enum class Handshake { Complete, CommunicationError, Cancelled, MismatchRefused };

    // The handshake, with the communication-error question after every failed round; nothing
    // once the radio is ready for blocks, else how the exchange ends.
    std::optional<CloneEnding> Connect();
    // The communication-error question; true on Retry.
    bool RetryAsked();
    Handshake Shake();
    // Whether the header of the read reply in the receive buffer names the block asked for and
    // its length; when not, the user is told what it named.
    bool ReplyNamesBlock(std::uint16_t address);
    bool SendFinalAck();
    bool TypeMismatch(const ReadResult& identification) const;
    CloneOutcome WriteBlocks();
    CloneOutcome ReadBlocks();

    // Pump turns each followed by a 1 ms pause; false when the user cancelled.
    bool PausedTurns(int turns);
    // A read of one byte that brought the acknowledgement, not merely left one in the buffer.
    bool AckReceived();
    void Send(const std::uint8_t* data, std::size_t size);
    void SendByte(std::uint8_t byte) { Send(&byte, 1); }
    CloneOutcome End(CloneEnding ending);
    CloneOutcome EndWithMessage(CloneEnding ending, MessageId message);

    EchoSkippingPort port_;
    ExchangeHook& hook_;
    const CloneDirection direction_;
    // A write sends from it; a read fills it and hands it over only when complete.
    RadioImage image_;
    // Every reply is read into the start of this buffer.
    std::array<std::uint8_t, 20> receive_{};
    bool typeCheck_ = true; // cleared when the user accepts a mismatch: asked once per exchange
    int blocksDone_ = 0;
    std::vector<ShortReply> shortReplies_;
};

CloneOutcome CloneExchange::Run(const std::string& devicePath) {
    if (!port_.Open(devicePath, kCloneTimeouts)) {
        hook_.SetInterruptionWatch(false);
        hook_.Ask(MessageId::PortOpenFailed);
        return {CloneEnding::PortOpenFailed, 0, {}};
    }
    PortCloser closer(port_);
    hook_.ShowStatus(TextId::StatusDetectingPort);
    receive_.fill(0);
    if (const std::optional<CloneEnding> ending = Connect()) {
        return End(*ending);
    }
    return direction_ == CloneDirection::Write ? WriteBlocks() : ReadBlocks();
}

std::optional<CloneEnding> CloneExchange::Connect() {
    for (;;) {
        switch (Shake()) {
        case Handshake::Complete:
            return std::nullopt;
        case Handshake::Cancelled:
            return CloneEnding::Cancelled;
        case Handshake::MismatchRefused:
            return CloneEnding::TypeMismatchRefused;
        case Handshake::CommunicationError:
            if (!RetryAsked()) {
                return CloneEnding::CommunicationFailed;
            }
            break;
        }
    }
}

bool CloneExchange::RetryAsked() {
    hook_.SetInterruptionWatch(false);
    if (hook_.Ask(MessageId::CommunicationError) == Answer::Cancel) {
        return false;
    }
    // Retry: a fresh round of attempts on the port that is still open.
    hook_.SetInterruptionWatch(true);
    return true;
}

CloneExchange::Handshake CloneExchange::Shake() {
    int attempt = 1;
    for (;;) {
        if (!PausedTurns(kTurnsBeforeAttempt)) {
            return Handshake::Cancelled;
        }
        hook_.ShowStatus(TextId::StatusWaitingRadio);
        port_.Purge(PurgeMode::Full);
        for (const std::uint8_t byte : kWakeUp) {
            port_.Pause(kBytePause);
            SendByte(byte);
        }
        if (!port_.WakeUpAcknowledged(
                kWakeUp, kAck, [this] { hook_.NoteLine({LineNote::Kind::Echoing}); }, false)) {
            port_.Pause(kFailedAttemptPause);
            if (++attempt <= kHandshakeAttempts) {
                continue;
            }
            return Handshake::CommunicationError;
        }
        for (const std::uint8_t byte : kModeRequest) {
            port_.Pause(kBytePause);
            SendByte(byte);
        }
        const ReadResult identification = port_.Read(receive_.data(), kIdentificationSize);
        if (identification.portError) {
            return Handshake::CommunicationError;
        }
        if (TypeMismatch(identification)) {
            hook_.SetInterruptionWatch(false);
            if (hook_.Ask(MessageId::RadioTypeMismatch) == Answer::Cancel) {
                return Handshake::MismatchRefused;
            }
            typeCheck_ = false;
            hook_.SetInterruptionWatch(true);
            if (!PausedTurns(kTurnsAfterAcceptedMismatch)) {
                return Handshake::Cancelled;
            }
            attempt = 1;
            continue;
        }
        if (!SendFinalAck()) {
            return Handshake::CommunicationError;
        }
        const ReadResult answer = port_.Read(receive_.data(), 1);
        if (answer.portError) {
            return Handshake::CommunicationError;
        }
        if (answer.count == 1 && receive_[0] == kAck) {
            return Handshake::Complete;
        }
        hook_.SetInterruptionWatch(true);
        if (!PausedTurns(kTurnsAfterWrongFinalAck)) {
            return Handshake::Cancelled;
        }
        return Handshake::CommunicationError;
    }
}

bool CloneExchange::SendFinalAck() {
    for (int send = 1;; ++send) {
        port_.Purge(PurgeMode::Clear);
        if (port_.WriteByte(kAck)) {
            return true;
        }
        if (send == kFinalAckSendAttempts) {
            return false;
        }
        hook_.SetInterruptionWatch(false);
        hook_.Ask(MessageId::SendOrderFailed);
        hook_.SetInterruptionWatch(true);
    }
}

// Only a write asks, only once, and only about a type code that came in this identification:
// a reply too short to hold byte 4 reports nothing to compare.
bool CloneExchange::TypeMismatch(const ReadResult& identification) const {
    if (direction_ != CloneDirection::Write || !typeCheck_ ||
        identification.count <= kIdentificationTypeByte) {
        return false;
    }
    const std::uint8_t radioType = receive_[kIdentificationTypeByte];
    return radioType != kNoRadioType && radioType != image_[kRadioTypeCodeByte];
}

CloneOutcome CloneExchange::WriteBlocks() {
    for (int block = 0; block < kBlockCount; ++block) {
        const std::uint16_t address = BlockAddress(block);
        const auto command = BlockCommand(kWriteCommand, address);
        Send(command.data(), command.size());
        port_.Pause(kBytePause);
        Send(image_.data() + address, kBlockSize);
        if (!AckReceived()) {
            return EndWithMessage(CloneEnding::WriteBlockRefused, MessageId::ProgramInterrupted);
        }
        blocksDone_ = block + 1;
        hook_.StepProgress(blocksDone_);
        hook_.SetInterruptionWatch(true);
        for (int turn = 0; turn < kTurnsAfterWriteBlock; ++turn) {
            if (hook_.CancelRequested()) {
                return End(CloneEnding::Cancelled);
            }
            hook_.PumpTurn();
        }
        port_.Pause(kWriteBlockPause);
    }
    port_.Close();
    hook_.SetInterruptionWatch(false);
    return {CloneEnding::Completed, blocksDone_, {}};
}

CloneOutcome CloneExchange::ReadBlocks() {
    for (int block = 0; block < kBlockCount; ++block) {
        const std::uint16_t address = BlockAddress(block);
        const auto command = BlockCommand(kReadCommand, address);
        Send(command.data(), command.size());
        const ReadResult reply = port_.Read(receive_.data(), kReadReplySize);
        if (reply.portError || reply.count < kReadReplyMinimum) {
            return EndWithMessage(CloneEnding::ReadReplyShort, MessageId::NotEnoughBytes);
        }
        if (!ReplyNamesBlock(address)) {
            // The reply of another block, or line noise: as if no reply had come.
            if (!RetryAsked()) {
                return End(CloneEnding::CommunicationFailed);
            }
            if (const std::optional<CloneEnding> ending = Connect()) {
                return End(*ending);
            }
            --block;
            continue;
        }
        port_.Purge(PurgeMode::Clear);
        // Only the data bytes that came: a short reply must not bring back bytes of an earlier one.
        const std::size_t dataBytes = std::min(reply.count, kReadReplySize) - kReadReplyHeaderSize;
        std::copy_n(receive_.begin() + kReadReplyHeaderSize, dataBytes, image_.begin() + address);
        if (dataBytes < kBlockSize) {
            shortReplies_.push_back({address, kBlockSize - dataBytes});
        }
        blocksDone_ = block + 1;
        hook_.StepProgress(blocksDone_);
        port_.Pause(kReadAckDelay);
        SendByte(kAck);
        if (!AckReceived()) {
            return EndWithMessage(CloneEnding::ReadAckMissing, MessageId::ReadAckMissing);
        }
        hook_.SetInterruptionWatch(true);
        for (int turn = 0; turn < kTurnsAfterReadBlock; ++turn) {
            hook_.PumpTurn();
            if (hook_.CancelRequested()) {
                return End(CloneEnding::Cancelled);
            }
        }
        port_.Pause(kReadBlockPause);
    }
    port_.Close();
    hook_.SetInterruptionWatch(false);
    return {CloneEnding::Completed, blocksDone_, shortReplies_};
}

bool CloneExchange::ReplyNamesBlock(std::uint16_t address) {
    const auto asked = BlockCommand(kReadCommand, address);
    // Byte 0 is not looked at: radios of this family answer with "W" where the command has "R".
    if (std::equal(asked.begin() + 1, asked.end(), receive_.begin() + 1)) {
        return true;
    }
    const auto named = static_cast<std::uint16_t>(receive_[1] << 8 | receive_[2]);
    hook_.NoteLine({named == address ? LineNote::Kind::WrongLength : LineNote::Kind::WrongBlock,
                    address, named, receive_[3]});
    return false;
}

bool CloneExchange::PausedTurns(int turns) {
    for (int turn = 0; turn < turns; ++turn) {
        hook_.PumpTurn();
        if (hook_.CancelRequested()) {
            return false;
        }
        port_.Pause(kBytePause);
    }
    return true;
}

bool CloneExchange::AckReceived() {
    const ReadResult answer = port_.Read(receive_.data(), 1);
    return answer.count == 1 && receive_[0] == kAck;
}

// Every send of the exchange goes out on a cleared port; a failed send shows up as a missing
// answer, which the step that waits for it handles.
void CloneExchange::Send(const std::uint8_t* data, std::size_t size) {
    port_.Purge(PurgeMode::Clear);
    static_cast<void>(port_.Write(data, size));
}

CloneOutcome CloneExchange::End(CloneEnding ending) {
    port_.Close();
    return {ending, blocksDone_, shortReplies_};
}

CloneOutcome CloneExchange::EndWithMessage(CloneEnding ending, MessageId message) {
    hook_.SetInterruptionWatch(false);
    hook_.Ask(message);
    return End(ending);
}

} // namespace

CloneOutcome ReadFromRadio(SerialPort& port, const std::string& devicePath, ExchangeHook& hook,
                           RadioImage& image) {
    CloneExchange exchange(port, hook, CloneDirection::Read, image);
    const CloneOutcome outcome = exchange.Run(devicePath);
    if (outcome.ending == CloneEnding::Completed) {
        image = exchange.Image();
    }
    return outcome;
}

bool WriteEndedPartway(const CloneOutcome& outcome) {
    // A cancel seen in the pump turns after the last block comes when every block is in.
    if (outcome.ending == CloneEnding::Completed || outcome.blocksDone >= kBlockCount) {
        return false;
    }
    return outcome.ending == CloneEnding::WriteBlockRefused || outcome.blocksDone > 0;
}

CloneOutcome WriteToRadio(SerialPort& port, const std::string& devicePath, ExchangeHook& hook,
                          const RadioImage& image) {
    CloneExchange exchange(port, hook, CloneDirection::Write, image);
    return exchange.Run(devicePath);
}

} // namespace tevano
