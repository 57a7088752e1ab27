// A radio played from a script and a user who answers from a list, both writing into one log,
// so that a test sees the exchange's port calls and user-interface calls in their true order.
#pragma once

#include "radiolink/ExchangeHook.h"
#include "radiolink/SerialPort.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tevano::testing {

using Bytes = std::vector<std::uint8_t>;
using Log = std::vector<std::string>;

inline std::string Hex(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", data[i]);
        text += byte;
    }
    return text;
}

// What arrives in answer to one read: the bytes (more than the read asks for are lost), or a
// port error.
struct Arrival {
    Bytes bytes;
    bool portError = false;
};

class ScriptedPort : public SerialPort {
public:
    explicit ScriptedPort(Log& log) : log_(log) {}

    bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override {
        log_.push_back("open " + devicePath);
        timeouts_ = timeouts;
        open_ = opens;
        return opens;
    }
    bool IsOpen() const override { return open_; }
    void Purge(PurgeMode mode) override {
        log_.push_back(mode == PurgeMode::Full ? "purge full" : "purge clear");
    }
    bool Write(const std::uint8_t* data, std::size_t size) override {
        log_.push_back("send " + Hex(data, size));
        return !writeFails || !writeFails(Bytes(data, data + size));
    }
    // Each read takes the next arrival; once the script has run out the radio is silent.
    ReadResult Read(std::uint8_t* buffer, std::size_t size) override {
        ReadResult result;
        std::string text = "read " + std::to_string(size) + ":";
        if (!arrivals.empty()) {
            const Arrival arrival = arrivals.front();
            arrivals.pop_front();
            result.count = std::min(size, arrival.bytes.size());
            std::copy_n(arrival.bytes.begin(), result.count, buffer);
            result.portError = arrival.portError;
        }
        text += result.count == 0 ? " none" : " " + Hex(buffer, result.count);
        if (result.portError) {
            text += " port error";
        }
        log_.push_back(text);
        return result;
    }
    void Pause(int milliseconds) override {
        log_.push_back("pause " + std::to_string(milliseconds));
    }
    void Close() override {
        if (open_) {
            log_.push_back("close");
        }
        open_ = false;
    }

    bool opens = true;
    std::deque<Arrival> arrivals;
    std::function<bool(const Bytes& sent)> writeFails; // true: that send fails
    PortTimeouts timeouts_{};

private:
    Log& log_;
    bool open_ = false;
};

inline const char* MessageName(MessageId message) {
    switch (message) {
    case MessageId::PortOpenFailed:
        return "PortOpenFailed";
    case MessageId::RadioTypeMismatch:
        return "RadioTypeMismatch";
    case MessageId::SendOrderFailed:
        return "SendOrderFailed";
    case MessageId::CommunicationError:
        return "CommunicationError";
    case MessageId::ProgramInterrupted:
        return "ProgramInterrupted";
    case MessageId::NotEnoughBytes:
        return "NotEnoughBytes";
    case MessageId::ReadAckMissing:
        return "ReadAckMissing";
    case MessageId::CalibrationFinished:
        return "CalibrationFinished";
    case MessageId::CalibrationFailed:
        return "CalibrationFailed";
    default:
        return "other";
    }
}

class ScriptedHook : public ExchangeHook {
public:
    explicit ScriptedHook(Log& log) : log_(log) {}

    void PumpTurn() override { log_.push_back("pump"); }
    bool CancelRequested() override {
        log_.push_back("cancel?");
        return cancelAfterBlocks >= 0 && blocksDone >= cancelAfterBlocks;
    }
    void ShowStatus(TextId text) override {
        log_.push_back(text == TextId::StatusDetectingPort  ? "status detecting"
                       : text == TextId::StatusWaitingRadio ? "status waiting"
                                                            : "status other");
    }
    void StepProgress(int done) override {
        blocksDone = done;
        progress.push_back(done);
        log_.push_back("progress " + std::to_string(done));
    }
    void SetInterruptionWatch(bool watching) override {
        log_.push_back(watching ? "watch on" : "watch off");
    }
    // Questions take the next listed answer, Cancel when the list has run out.
    Answer Ask(MessageId message) override {
        Answer answer = Answer::Ok;
        if (Message(message).buttons != Buttons::Ok) {
            answer = Answer::Cancel;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
        }
        asked.push_back(message);
        log_.push_back(std::string("ask ") + MessageName(message));
        return answer;
    }

    void NoteLine(const LineNote& note) override {
        notes.push_back(note);
        log_.push_back(note.kind == LineNote::Kind::Echoing ? "note echoing" : "note wrong reply");
    }

    int cancelAfterBlocks = -1; // cancel from the pump turns after this many blocks
    std::deque<Answer> answers;
    std::vector<MessageId> asked;
    std::vector<int> progress;
    std::vector<LineNote> notes;
    int blocksDone = 0;

private:
    Log& log_;
};

inline long Count(const Log& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

// The index of the first entry at or after `from` that starts with the prefix; log.size() if none.
inline std::size_t Find(const Log& log, const std::string& prefix, std::size_t from = 0) {
    for (std::size_t i = from; i < log.size(); ++i) {
        if (log[i].rfind(prefix, 0) == 0) {
            return i;
        }
    }
    return log.size();
}

} // namespace tevano::testing
