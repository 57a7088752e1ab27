// The rules a clone exchange keeps whichever way the image goes: the port tried once and closed
// exactly once if it opened, the blocks counted as the progress showed them, and the endings a
// read and a write share, each following the question or the cancel that causes it.
#pragma once

#include "FuzzCheck.h"
#include "RadioTape.h"

#include "radiolink/CloneExchange.h"

namespace tevano::fuzz {

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

} // namespace tevano::fuzz
