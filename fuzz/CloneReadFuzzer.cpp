// The radio's side of a clone read, from the fuzzer's bytes. Whatever the radio sends, the read
// ends with one of its endings, closes the port it opened exactly once, asks for blocks only
// inside the image, and hands back either the document's image untouched or, when it completed,
// exactly the bytes the radio sent, with every reply of 10 or 11 bytes listed.
//
// Input: a flags byte (bit 0: the port cannot be opened), a write-failure mask (send k fails
// when bit k mod 8 is set), the cancel check from which the user cancels (16 bits, low byte
// first, 0: never), then the tape of RadioTape.h.

#include "BlockOrder.h"
#include "CloneEndingChecks.h"
#include "FuzzCheck.h"
#include "RadioTape.h"

#include "radiolink/CloneExchange.h"
#include "radiolink/CloneFrames.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

// The document's image before the read: every byte different from its neighbours, so that a
// block written to the wrong place shows.
RadioImage DocumentImage() {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + (i >> 8));
    }
    return image;
}

// Follows the block commands on the wire and keeps what the radio answered to each.
struct RadioSide {
    explicit RadioSide(const RadioImage& before) : memory(before) {}

    void Sent(const std::uint8_t* data, std::size_t size) {
        FUZZ_CHECK(size == 1 || size == kBlockCommandSize, "a read sends bytes and commands");
        if (size == 1 && data[0] == kWakeUp[1]) {
            blocks.HandshakeAgain();
        }
        if (size != kBlockCommandSize) {
            return;
        }
        blockAddress = blocks.Follow(data);
    }

    void Received(std::size_t asked, const std::uint8_t* data, const ReadResult& result) {
        if (asked != kReadReplySize) {
            return;
        }
        FUZZ_CHECK(blockAddress < kImageSize, "a block reply follows a block command");
        // A reply whose header names another block or length is refused: it brings nothing.
        const auto command = BlockCommand(kReadCommand, static_cast<std::uint16_t>(blockAddress));
        if (result.count < kReadReplyHeaderSize ||
            !std::equal(command.begin() + 1, command.end(), data + 1)) {
            return;
        }
        if (result.count > kReadReplyHeaderSize) {
            std::memcpy(memory.data() + blockAddress, data + kReadReplyHeaderSize,
                        result.count - kReadReplyHeaderSize);
        }
        if (result.count >= kReadReplyMinimum && result.count < kReadReplySize) {
            shortReplies.push_back(
                {static_cast<std::uint16_t>(blockAddress), kReadReplySize - result.count});
        }
    }

    RadioImage memory;                    // the image as the radio's replies make it
    std::vector<ShortReply> shortReplies; // the replies of 10 and 11 bytes
    BlockOrder blocks{kReadCommand};
    std::size_t blockAddress = kImageSize;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Header header(data, size);
    const auto [opens, writeFailureMask] = header.Port();
    const unsigned cancelAtCheck = header.Word();

    Tape tape(data, size);
    StepCounter counter;
    TapePort port(tape, counter, opens, writeFailureMask, kReadReplySize);
    TapeUser user(tape, counter, port, cancelAtCheck, true);
    const RadioImage before = DocumentImage();
    RadioSide radio(before);
    port.onSend = [&radio](const std::uint8_t* bytes, std::size_t n) { radio.Sent(bytes, n); };
    port.onRead = [&radio](std::size_t asked, const std::uint8_t* bytes, const ReadResult& r) {
        radio.Received(asked, bytes, r);
    };

    RadioImage image = before;
    const CloneOutcome outcome = ReadFromRadio(port, "/dev/ttyFUZZ", user, image);

    CheckEnding(outcome, port, user, opens, CloneDirection::Read);
    FUZZ_CHECK(!user.Asked(MessageId::RadioTypeMismatch), "a read never asks for the type");
    if (outcome.ending == CloneEnding::Completed) {
        FUZZ_CHECK(outcome.blocksDone == kBlockCount, "a completed read moved every block");
        FUZZ_CHECK(radio.blocks.Next() == kImageSize, "a completed read asked for every block");
        FUZZ_CHECK(image == radio.memory, "a completed read holds the radio's bytes");
        FUZZ_CHECK(outcome.shortReplies == radio.shortReplies,
                   "a completed read lists every short reply, and only those");
    } else {
        FUZZ_CHECK(image == before, "a read that did not complete leaves the image untouched");
    }
    return 0;
}
