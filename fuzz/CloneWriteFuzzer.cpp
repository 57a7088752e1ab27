// The radio's side of a clone write, from the fuzzer's bytes. Whatever the radio answers, the
// write ends with one of its endings, closes the port it opened exactly once, sends every block
// from inside the image with exactly the image's bytes, asks about the radio type only when the
// radio reported a different one and at most once, and never changes the image.
//
// Input: a flags byte (bit 0: the port cannot be opened), a write-failure mask (send k fails
// when bit k mod 8 is set), the cancel check from which the user cancels (16 bits, low byte
// first, 0: never), the image's radio type code (byte 0x81B), then the tape of RadioTape.h.

#include "BlockOrder.h"
#include "CloneEndingChecks.h"
#include "FuzzCheck.h"
#include "RadioTape.h"

#include "radiolink/CloneExchange.h"
#include "radiolink/CloneFrames.h"

#include <algorithm>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

RadioImage DocumentImage(std::uint8_t typeCode) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + (i >> 8));
    }
    image[kRadioTypeCodeByte] = typeCode;
    return image;
}

// Follows what goes out on the wire and what the radio identified itself as.
struct RadioSide {
    explicit RadioSide(const RadioImage& document) : image(document) {}

    void Sent(const std::uint8_t* data, std::size_t size) {
        if (dataFollows) {
            FUZZ_CHECK(size == kBlockSize, "a block's data follows its command");
            FUZZ_CHECK(std::equal(data, data + size, image.begin() + blockAddress),
                       "a block carries the image's bytes");
            dataFollows = false;
            ++blocksSent;
            return;
        }
        FUZZ_CHECK(size == 1 || size == kBlockCommandSize, "a write sends bytes and commands");
        if (size != kBlockCommandSize) {
            return;
        }
        blockAddress = blocks.Follow(data);
        dataFollows = true;
    }

    void Received(std::size_t asked, const std::uint8_t* data, const ReadResult& result) {
        // Through a cable that echoes, a send's own bytes are read back after it: a command's
        // 4 and a block's 8.
        FUZZ_CHECK(asked == 1 || asked == kBlockCommandSize || asked == kIdentificationSize,
                   "a write reads bytes, the id and the echo of what it sent");
        if (asked == kIdentificationSize && blocks.Next() == 0) {
            identificationCount = result.count;
            radioType = result.count > kIdentificationTypeByte ? data[kIdentificationTypeByte] : 0;
        }
    }

    void Asked(MessageId message) {
        if (message != MessageId::RadioTypeMismatch) {
            return;
        }
        FUZZ_CHECK(!typeAsked, "the radio type is asked about at most once");
        FUZZ_CHECK(identificationCount > kIdentificationTypeByte, "the radio reported a type");
        FUZZ_CHECK(radioType != kNoRadioType && radioType != image[kRadioTypeCodeByte],
                   "the type asked about differs from the image's");
        typeAsked = true;
    }

    const RadioImage& image;
    BlockOrder blocks{kWriteCommand};
    std::size_t blockAddress = 0;
    bool dataFollows = false;
    int blocksSent = 0;
    std::size_t identificationCount = 0;
    std::uint8_t radioType = 0;
    bool typeAsked = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Header header(data, size);
    const auto [opens, writeFailureMask] = header.Port();
    const unsigned cancelAtCheck = header.Word();
    const RadioImage image = DocumentImage(header.Byte());
    const RadioImage before = image;

    Tape tape(data, size);
    StepCounter counter;
    TapePort port(tape, counter, opens, writeFailureMask, kIdentificationSize);
    TapeUser user(tape, counter, port, cancelAtCheck, true);
    RadioSide radio(image);
    port.onSend = [&radio](const std::uint8_t* bytes, std::size_t n) { radio.Sent(bytes, n); };
    port.onRead = [&radio](std::size_t asked, const std::uint8_t* bytes, const ReadResult& r) {
        radio.Received(asked, bytes, r);
    };
    user.onAsk = [&radio](MessageId message) { radio.Asked(message); };

    const CloneOutcome outcome = WriteToRadio(port, "/dev/ttyFUZZ", user, image);

    CheckEnding(outcome, port, user, opens, CloneDirection::Write);
    FUZZ_CHECK(image == before, "a write never changes the image");
    FUZZ_CHECK(outcome.blocksDone <= radio.blocksSent, "only blocks sent are counted as done");
    if (outcome.ending == CloneEnding::Completed) {
        FUZZ_CHECK(outcome.blocksDone == kBlockCount && radio.blocksSent == kBlockCount,
                   "a completed write sent every block once");
    }
    if (outcome.ending == CloneEnding::TypeMismatchRefused) {
        FUZZ_CHECK(radio.blocksSent == 0, "no block goes out before the type is accepted");
    }
    return 0;
}
