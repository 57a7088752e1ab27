// The world outside a radio exchange, played from the fuzzer's bytes: a serial port whose reads
// hand out what "the radio" sends and whose pauses cost nothing, and a user whose answers come
// from the same bytes. Both check, as the exchange runs, the rules every exchange must keep.
//
// The bytes after a harness's header are one tape, taken in the order the exchange asks:
// - a read of n bytes takes one byte a, then n bytes: what the radio sends in that read's slot.
//   Of these the read gets the first (a & 0x7F), at most n; the rest did not arrive before the
//   time-out. Bit 7 of a is a port error. So a short reply is a change of one byte that leaves
//   the rest of the tape where it was. An empty tape is a silent radio: every read ends at once
//   with nothing.
// - a question with a choice (Retry/Cancel, OK/Cancel) takes one byte: bit 0 set is the positive
//   answer. An empty tape, or more than kMaxQuestions questions, answers Cancel, so that every
//   retry loop ends.
#pragma once

#include "FuzzCheck.h"

#include "radiolink/ExchangeHook.h"
#include "radiolink/SerialPort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tevano::fuzz {

// Questions after which the user always cancels.
constexpr int kMaxQuestions = 64;
// Port and user-interface calls that no ending needs more of: beyond them the exchange is taken
// to loop for ever.
constexpr long kMaxSteps = 2'000'000;

class Tape {
public:
    Tape(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }

    // The next byte, or 0 when the tape has run out (callers test Empty first where it matters).
    std::uint8_t Next() { return Empty() ? 0 : data_[position_++]; }

    // Up to `wanted` bytes; the number taken.
    std::size_t Take(std::uint8_t* out, std::size_t wanted) {
        const std::size_t taken = std::min(wanted, size_ - std::min(position_, size_));
        std::copy_n(data_ + position_, taken, out);
        position_ += taken;
        return taken;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Counts every call into the port and the hook, and stops an exchange that would never end.
struct StepCounter {
    long steps = 0;
    void Step() {
        ++steps;
        FUZZ_CHECK(steps <= kMaxSteps, "every exchange ends");
    }
};

class TapePort : public SerialPort {
public:
    // largestRead: the longest frame the exchange's receive buffer is made for.
    TapePort(Tape& tape, StepCounter& counter, bool opens, std::uint8_t writeFailureMask,
             std::size_t largestRead)
        : tape_(tape), counter_(counter), opens_(opens), writeFailureMask_(writeFailureMask),
          largestRead_(largestRead) {}

    bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override {
        counter_.Step();
        FUZZ_CHECK(openCalls == 0, "an exchange opens its port once");
        FUZZ_CHECK(!devicePath.empty(), "a device is named");
        FUZZ_CHECK(timeouts.readTotalConstant > 0, "reads have a time limit");
        ++openCalls;
        open_ = opens_;
        return opens_;
    }
    bool IsOpen() const override { return open_; }

    void Purge(PurgeMode) override { Use(); }

    bool Write(const std::uint8_t* data, std::size_t size) override {
        Use();
        FUZZ_CHECK(size > 0, "a send carries bytes");
        const bool fails = ((writeFailureMask_ >> (writes_ % 8)) & 1) != 0;
        ++writes_;
        if (onSend) {
            onSend(data, size);
        }
        return !fails;
    }

    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        Use();
        FUZZ_CHECK(size > 0 && size <= largestRead_, "a read fits the exchange's buffer");
        ReadResult result;
        if (tape_.Empty()) {
            return result; // a silent radio: the time-out, at once
        }
        const std::uint8_t arrival = tape_.Next();
        std::uint8_t sent[16];
        const std::size_t taken = tape_.Take(sent, size);
        result.count = std::min<std::size_t>(taken, arrival & 0x7Fu);
        result.portError = (arrival & 0x80) != 0;
        std::copy_n(sent, result.count, buffer);
        if (onRead) {
            onRead(size, buffer, result);
        }
        return result;
    }

    void Pause(int milliseconds) override {
        Use();
        FUZZ_CHECK(milliseconds >= 0 && milliseconds <= 1000, "pauses are short");
    }

    void Close() override {
        counter_.Step();
        if (open_) {
            ++closes;
        }
        open_ = false;
    }

    int openCalls = 0;
    int closes = 0; // closes of an open port; closing a closed one does nothing
    std::function<void(const std::uint8_t* data, std::size_t size)> onSend;
    std::function<void(std::size_t asked, const std::uint8_t* data, const ReadResult& result)>
        onRead;

private:
    void Use() {
        counter_.Step();
        FUZZ_CHECK(open_, "the port is used only while it is open");
    }

    Tape& tape_;
    StepCounter& counter_;
    const bool opens_;
    const std::uint8_t writeFailureMask_;
    const std::size_t largestRead_;
    bool open_ = false;
    unsigned writes_ = 0;
};

struct Question {
    MessageId message;
    Answer answer;
    bool portOpen; // whether the port was still open while the message box was up
};

class TapeUser : public ExchangeHook {
public:
    // cancelAtCheck: the user's cancel is seen from that cancel check on (0: never).
    // watchRule: the exchange drives the progress dialog's interruption watch and must clear
    // it before each message box of its own.
    TapeUser(Tape& tape, StepCounter& counter, const SerialPort& port, unsigned cancelAtCheck,
             bool watchRule)
        : tape_(tape), counter_(counter), port_(port), cancelAtCheck_(cancelAtCheck),
          watchRule_(watchRule) {}

    void PumpTurn() override { counter_.Step(); }

    bool CancelRequested() override {
        counter_.Step();
        ++checks_;
        if (cancelAtCheck_ != 0 && checks_ >= cancelAtCheck_) {
            cancelSeen = true;
        }
        return cancelSeen;
    }

    void ShowStatus(TextId text) override {
        counter_.Step();
        FUZZ_CHECK(text == TextId::StatusDetectingPort || text == TextId::StatusWaitingRadio,
                   "the status line shows an exchange's status");
    }

    void StepProgress(int blocksDone) override {
        counter_.Step();
        FUZZ_CHECK(blocksDone == progress + 1, "the progress counts the blocks one by one");
        FUZZ_CHECK(blocksDone <= 396, "no more blocks than the image holds");
        progress = blocksDone;
    }

    void SetInterruptionWatch(bool watching) override {
        counter_.Step();
        watching_ = watching;
    }

    Answer Ask(MessageId message) override {
        counter_.Step();
        if (watchRule_) {
            FUZZ_CHECK(!watching_, "the interruption watch is off while the exchange asks");
        }
        if (onAsk) {
            onAsk(message);
        }
        Answer answer = Answer::Ok;
        const Buttons buttons = Message(message).buttons;
        if (buttons != Buttons::Ok) {
            const bool positive = static_cast<int>(questions.size()) < kMaxQuestions &&
                                  !tape_.Empty() && (tape_.Next() & 1) != 0;
            answer = !positive                         ? Answer::Cancel
                     : buttons == Buttons::RetryCancel ? Answer::Retry
                                                       : Answer::Ok;
        }
        questions.push_back({message, answer, port_.IsOpen()});
        return answer;
    }

    bool Asked(MessageId message) const {
        return std::any_of(questions.begin(), questions.end(),
                           [message](const Question& q) { return q.message == message; });
    }
    // The last question, when it was this message with this answer.
    bool LastWas(MessageId message, Answer answer) const {
        return !questions.empty() && questions.back().message == message &&
               questions.back().answer == answer;
    }

    bool cancelSeen = false;
    int progress = 0;
    std::vector<Question> questions;
    std::function<void(MessageId message)> onAsk; // sees each question before it is answered

private:
    Tape& tape_;
    StepCounter& counter_;
    const SerialPort& port_;
    const unsigned cancelAtCheck_;
    const bool watchRule_;
    bool watching_ = true; // the progress dialog starts watching
    unsigned checks_ = 0;
};

// The first bytes of a radio input; missing bytes read as 0.
class Header {
public:
    Header(const std::uint8_t*& data, std::size_t& size) : data_(data), size_(size) {}

    std::uint8_t Byte() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }
    unsigned Word() {
        const unsigned low = Byte();
        return low | (static_cast<unsigned>(Byte()) << 8);
    }
    // The port's faults, two bytes: flags (bit 0: the port cannot be opened) and the
    // write-failure mask (send k fails when bit k mod 8 is set).
    struct PortFaults {
        bool opens;
        std::uint8_t writeFailureMask;
    };
    PortFaults Port() {
        const bool opens = (Byte() & 1) == 0;
        return {opens, Byte()};
    }
    // A text of up to 31 bytes, its length in the low bits of its first byte.
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Byte() & 0x1F, size_);
        std::string text(reinterpret_cast<const char*>(data_), length);
        data_ += length;
        size_ -= length;
        return text;
    }

private:
    const std::uint8_t*& data_;
    std::size_t& size_;
};

} // namespace tevano::fuzz
