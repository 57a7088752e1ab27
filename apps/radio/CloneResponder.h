// The radio's side of the clone exchange, fed one received byte at a time: it recognises the
// wake-up, answers the mode request with its identification, and then serves read and write
// block commands from and into its 3168-byte memory, or a calibration when the item select
// byte 0x78 comes instead, making the faults it was told to make.
#pragma once

#include "CalibrationResponder.h"
#include "RadioOptions.h"

#include "image/RadioImage.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace tevano::radio {

struct RadioReply {
    std::vector<std::uint8_t> bytes; // sent once the received bytes are in and the radio thought
    bool hangUp = false;             // close the line instead of answering
    bool writeCompleted = false;     // every block of a write has just been stored
    // An answer of the handshake or of a calibration. The calibration exchange purges its input
    // right after each send (and 1 ms after the wake-up), so such an answer must not come
    // before a real radio's would.
    bool awaitedAfterPurge = false;
    std::optional<CalibrationRecord> calibration{}; // a calibration's value frame was taken
};

class CloneResponder {
public:
    CloneResponder(RadioImage& memory, std::uint8_t typeCode, const FaultPlan& faults);

    // One byte from the program. `afterPause` tells that the line was quiet long enough for
    // the radio to give up on a frame it had begun to receive.
    RadioReply Receive(std::uint8_t byte, bool afterPause);

    // The program closed the port. Returns whether that ended an exchange (a wake-up came).
    bool LineClosed();

    // The 8 bytes the radio sends for the mode request.
    std::vector<std::uint8_t> Identification() const;

private:
    enum class State {
        WaitingWakeUp,
        WaitingModeRequest, // the "M"
        WaitingModeEnd,     // the 0x02 after it
        WaitingFinalAck,
        Programming,
        WaitingReadAck,
        Calibrating,
    };

    RadioReply Respond(std::uint8_t byte, bool afterPause);
    RadioReply Restart(std::uint8_t byte);
    RadioReply WakeUpByte(std::uint8_t byte);
    RadioReply CommandByte(std::uint8_t byte);
    RadioReply BlockCommand();
    // What the radio sends for a read of the block, a wrong or random reply when told to.
    RadioReply ReadReply(int block);
    RadioReply CalibrationByte(std::uint8_t byte, bool afterPause);
    // Counts down a fault that hits the first n times (-1: every time).
    static bool Strikes(int& remaining);

    RadioImage& memory_;
    std::uint8_t typeCode_;
    FaultPlan faults_;
    CalibrationResponder calibration_{faults_};
    State state_ = State::WaitingWakeUp;
    std::size_t wakeUpMatched_ = 0;
    std::vector<std::uint8_t> frame_;
    int lastReadBlock_ = -1;
    std::bitset<kImageSize / 8> writtenBlocks_;
    bool wakeUpSeen_ = false;
    std::minstd_rand random_{};
};

} // namespace tevano::radio
