// The clone exchange: the whole radio image moved between the radio and the program in 396
// blocks of 8 bytes, after a wake-up handshake, with the program's fixed pauses, its retry loop,
// its radio-type question and its endings. It runs to its end on the caller's thread, talking to
// the radio through a SerialPort and to the user through an ExchangeHook.
#pragma once

#include "image/RadioImage.h"
#include "radiolink/ExchangeHook.h"
#include "radiolink/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tevano {

// How an exchange ended. Every ending but PortOpenFailed has closed the port it opened.
enum class CloneEnding {
    Completed,
    PortOpenFailed,      // the port does not exist or another program holds it
    Cancelled,           // the user's cancel, seen at a pump turn
    CommunicationFailed, // Cancel in the communication-error question
    TypeMismatchRefused, // Cancel in the radio-type question
    WriteBlockRefused,   // a write block not acknowledged: the radio is partly written
    ReadReplyShort,      // fewer than 10 bytes of a read reply
    ReadAckMissing,      // the radio did not answer the program's acknowledgement of a block
};

// A read reply of 10 or 11 bytes, which the protocol takes: the last one or two data bytes of
// its block did not arrive and keep the value the image had before the read.
struct ShortReply {
    std::uint16_t blockAddress = 0;
    std::size_t bytesMissing = 0; // image offsets blockAddress + 8 - bytesMissing to + 7

    bool operator==(const ShortReply&) const = default;
};

struct [[nodiscard]] CloneOutcome {
    CloneEnding ending = CloneEnding::Completed;
    int blocksDone = 0;                   // blocks moved and acknowledged before the end
    std::vector<ShortReply> shortReplies; // a read's short blocks, in the order they came
};

// Whether a write ended after it had begun to send blocks but before the last one was
// acknowledged: the radio then holds a partly written memory and must not be used so. A refused
// first block counts, its bytes may have reached the radio; a cancel once all 396 blocks were
// acknowledged does not.
bool WriteEndedPartway(const CloneOutcome& outcome);

// Sends of the handshake's final acknowledgement that may fail before the exchange gives up
// with the communication-error question.
constexpr int kFinalAckSendAttempts = 3;

// Reads the radio's memory into a copy of the image. Only when all 396 blocks have arrived does
// the copy replace `image`; every other ending leaves `image` exactly as it was. Bytes that a
// reply of 10 or 11 bytes did not bring keep the value `image` had; the outcome lists them.
CloneOutcome ReadFromRadio(SerialPort& port, const std::string& devicePath, ExchangeHook& hook,
                           RadioImage& image);

// Writes the image's 3168 bytes as they stand. The radio's type code is compared with image
// byte 0x81B, and a difference is put to the user once per exchange.
CloneOutcome WriteToRadio(SerialPort& port, const std::string& devicePath, ExchangeHook& hook,
                          const RadioImage& image);

} // namespace tevano
