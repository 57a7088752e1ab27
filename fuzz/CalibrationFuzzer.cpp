// The radio's side of a calibration exchange, from the fuzzer's bytes, with the dialog's field
// texts, item and value from them too. Whatever the radio answers and whatever the fields hold,
// the exchange ends with one of its endings, closes the port it opened exactly once (before the
// success message), and sends only frames of valid packed BCD with the item's code and value.
//
// Input: a flags byte (bit 0: the port cannot be opened), a write-failure mask (send k fails
// when bit k mod 8 is set), the item (low two bits), the value, four texts (receive and
// transmit frequency, receive and transmit tone; each a length byte, low five bits, and the
// bytes), then the tape of RadioTape.h.

#include "FuzzCheck.h"
#include "RadioTape.h"

#include "radiolink/CloneFrames.h"
#include "testmode/CalibrationExchange.h"
#include "testmode/CalibrationFrames.h"

namespace {

using namespace tevano;
using namespace tevano::fuzz;

bool ValidBcd(std::uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

// Follows the frames on the wire: the item select, then the frequency frame, then the value
// frame, each once per attempt that gets that far.
struct RadioSide {
    explicit RadioSide(const CalibrationInputs& sent) : inputs(sent) {}

    void Sent(const std::uint8_t* data, std::size_t size) {
        const Frame previous = last;
        last = Frame::Byte;
        if (size == 1) {
            return;
        }
        if (size == 2) {
            FUZZ_CHECK(data[0] == CalibrationItemCode(inputs.item) && data[1] == kItemSelectTrailer,
                       "the item select names the chosen item");
            last = Frame::ItemSelect;
            return;
        }
        FUZZ_CHECK(size == 8, "a calibration sends bytes, the item select and 8-byte frames");
        if (previous == Frame::ItemSelect) {
            for (std::size_t i = 0; i < size; ++i) {
                FUZZ_CHECK(ValidBcd(data[i]), "the frequency frame is packed BCD");
            }
            last = Frame::Frequencies;
            return;
        }
        FUZZ_CHECK(previous == Frame::Frequencies, "the value frame follows the frequencies");
        for (std::size_t i = 0; i < 4; ++i) {
            FUZZ_CHECK(ValidBcd(data[i]), "the tones are packed BCD");
        }
        FUZZ_CHECK(data[4] == 0xFB && data[5] == 0x01 && data[6] == 0x01,
                   "the value frame's fixed bytes");
        FUZZ_CHECK(data[7] == inputs.value, "the value frame carries the item's value");
        last = Frame::Value;
        ++valueFrames;
    }

    enum class Frame { Byte, ItemSelect, Frequencies, Value };
    const CalibrationInputs& inputs;
    Frame last = Frame::Byte;
    int valueFrames = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Header header(data, size);
    const auto [opens, writeFailureMask] = header.Port();
    CalibrationInputs inputs;
    inputs.item = static_cast<CalibrationItem>(header.Byte() & 3);
    inputs.value = header.Byte();
    inputs.rxFrequency = header.Text();
    inputs.txFrequency = header.Text();
    inputs.rxTone = header.Text();
    inputs.txTone = header.Text();

    Tape tape(data, size);
    StepCounter counter;
    TapePort port(tape, counter, opens, writeFailureMask, kIdentificationSize);
    TapeUser user(tape, counter, port, 0, false);
    RadioSide radio(inputs);
    port.onSend = [&radio](const std::uint8_t* bytes, std::size_t n) { radio.Sent(bytes, n); };

    const CalibrationEnding ending = RunCalibration(port, "/dev/ttyFUZZ", user, inputs);

    if (FuzzVerbose()) {
        std::fprintf(stderr, "ending %d after %d value frames, %zu questions\n",
                     static_cast<int>(ending), radio.valueFrames, user.questions.size());
    }
    FUZZ_CHECK(port.openCalls == 1, "the calibration tries its port");
    FUZZ_CHECK(!port.IsOpen(), "the port is closed when the calibration returns");
    for (const Question& question : user.questions) {
        if (question.message == MessageId::CalibrationFailed) {
            FUZZ_CHECK(question.portOpen, "a retry goes on on the port that is still open");
        }
    }
    switch (ending) {
    case CalibrationEnding::Confirmed:
        FUZZ_CHECK(opens && port.closes == 1, "the port is closed exactly once");
        FUZZ_CHECK(radio.valueFrames >= 1, "a confirmed calibration sent its value");
        FUZZ_CHECK(user.LastWas(MessageId::CalibrationFinished, Answer::Ok),
                   "success is the last message");
        FUZZ_CHECK(!user.questions.back().portOpen, "the port is closed before success shows");
        break;
    case CalibrationEnding::Cancelled:
        FUZZ_CHECK(opens && port.closes == 1, "the port is closed exactly once");
        FUZZ_CHECK(user.LastWas(MessageId::CalibrationFailed, Answer::Cancel),
                   "the retry question was cancelled");
        break;
    case CalibrationEnding::PortOpenFailed:
        FUZZ_CHECK(!opens && port.closes == 0, "only a port that cannot be opened ends that way");
        FUZZ_CHECK(user.questions.size() == 1 &&
                       user.questions[0].message == MessageId::PortOpenFailed,
                   "the open failure is the only message");
        break;
    default:
        FUZZ_CHECK(false, "the ending is one of the defined endings");
    }
    return 0;
}
