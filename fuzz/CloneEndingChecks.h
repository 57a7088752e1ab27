// The rules a clone exchange keeps whichever way the image goes: the port tried once and closed
// exactly once if it opened, the blocks counted as the progress showed them, and an ending of
// its own direction, each following the question or the cancel that causes it.
#pragma once

#include "FuzzCheck.h"
#include "RadioTape.h"

#include "radiolink/CloneExchange.h"

#include <cstdio>

namespace tevano::fuzz {

enum class CloneDirection { Read, Write };

// Checks what every ending must keep; true when the ending is one a read and a write share (and
// it has been checked), false when the caller checks it as its direction's own.
inline bool CheckSharedEnding(const CloneOutcome& outcome, const TapePort& port,
                              const TapeUser& user, bool opens) {
    FUZZ_CHECK(port.openCalls == 1, "the exchange tries its port");
    FUZZ_CHECK(!port.IsOpen(), "the port is closed when the exchange returns");
    FUZZ_CHECK(outcome.blocksDone == user.progress, "the outcome counts the blocks shown");
    if (outcome.ending != CloneEnding::PortOpenFailed) {
        FUZZ_CHECK(opens, "only a port that cannot be opened ends that way");
        FUZZ_CHECK(port.closes == 1, "the port is closed exactly once");
    }
    switch (outcome.ending) {
    case CloneEnding::PortOpenFailed:
        FUZZ_CHECK(!opens, "the port failed to open");
        FUZZ_CHECK(port.closes == 0, "a port never opened is not closed");
        FUZZ_CHECK(user.questions.size() == 1 &&
                       user.questions[0].message == MessageId::PortOpenFailed,
                   "the open failure is the only message");
        return true;
    case CloneEnding::Cancelled:
        FUZZ_CHECK(user.cancelSeen, "a cancel ending follows the user's cancel");
        return true;
    case CloneEnding::CommunicationFailed:
        FUZZ_CHECK(user.LastWas(MessageId::CommunicationError, Answer::Cancel),
                   "the communication-error question was cancelled");
        return true;
    default:
        return false;
    }
}

// Checks the ending as CheckSharedEnding does, and a read's or a write's own endings after their
// messages; what a completed exchange moved is for the caller to check.
inline void CheckEnding(const CloneOutcome& outcome, const TapePort& port, const TapeUser& user,
                        bool opens, CloneDirection direction) {
    if (FuzzVerbose()) {
        std::fprintf(stderr, "ending %d after %d blocks, %zu questions\n",
                     static_cast<int>(outcome.ending), outcome.blocksDone, user.questions.size());
    }
    if (CheckSharedEnding(outcome, port, user, opens)) {
        return;
    }
    const bool read = direction == CloneDirection::Read;
    switch (outcome.ending) {
    case CloneEnding::Completed:
        break;
    case CloneEnding::ReadReplyShort:
        FUZZ_CHECK(read, "a write cannot end as a read does");
        FUZZ_CHECK(user.LastWas(MessageId::NotEnoughBytes, Answer::Ok),
                   "a short reply was reported");
        break;
    case CloneEnding::ReadAckMissing:
        FUZZ_CHECK(read, "a write cannot end as a read does");
        FUZZ_CHECK(user.LastWas(MessageId::ReadAckMissing, Answer::Ok),
                   "a missing acknowledgement was reported");
        break;
    case CloneEnding::TypeMismatchRefused:
        FUZZ_CHECK(!read, "a read cannot end as a write does");
        FUZZ_CHECK(user.LastWas(MessageId::RadioTypeMismatch, Answer::Cancel),
                   "the radio-type question was cancelled");
        break;
    case CloneEnding::WriteBlockRefused:
        FUZZ_CHECK(!read, "a read cannot end as a write does");
        FUZZ_CHECK(user.LastWas(MessageId::ProgramInterrupted, Answer::Ok),
                   "an unacknowledged block was reported");
        break;
    default:
        FUZZ_CHECK(false, "the ending is one of the defined endings");
    }
}

} // namespace tevano::fuzz
