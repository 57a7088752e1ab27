// The command line of tevano-radio: what the virtual radio holds, how it times its answers on
// the line, where it records what it got, and the faults it is told to make for tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tevano::radio {

// The three frames of a calibration that the radio confirms with 0x48.
enum class CalibrationFrameKind { None, ItemSelect, Frequency, Value };

// Faults, each at most once in the options. A block number counts from 0 (the block at image
// offset 0x000) to 395.
struct FaultPlan {
    bool silent = false;      // never answers anything
    int wrongWakeUpAcks = 0;  // the first n wake-ups get two wrong bytes (-1: every one)
    int wrongFinalAcks = 0;   // the first n final acknowledgements get a wrong byte (-1: all)
    int wrongBlockReply = -1; // the read reply of this block brings the next block instead
    int randomReply = -1;     // the read reply of this block is 12 random bytes
    int shortReplyBlock = -1; // the read reply of this block ...
    std::size_t shortReplyBytes = 12; // ... has only this many bytes
    int missingReadAckBlock = -1;     // no answer to the program's acknowledgement of this block
    int refusedWriteBlock = -1;       // this write block is answered with a wrong byte
    int hangUpBlock = -1;             // the line is closed when this block is asked for
    int corruptedByte = -1;           // a write stores this image offset's byte inverted
    // No 0x48 after this calibration frame, the first n times (-1: every time).
    CalibrationFrameKind unconfirmedFrame = CalibrationFrameKind::None;
    int unconfirmedTimes = 0;
};

struct RadioOptions {
    std::string imagePath;        // the memory at start; "" for a new image
    std::string savePath;         // written after every completed write; "" for none
    std::string linkPath;         // a symbolic link to the port; "" for none
    std::string tracePath;        // every byte received and sent, appended; "" for none
    std::string calibrationsPath; // a line per calibration received, appended; "" for none
    std::uint8_t typeCode = 0xFF;
    int baud = 9600;         // 0: no pacing, answers as fast as the line takes them
    double replyDelayMs = 3; // the radio's own think time before each answer
    int exchanges = 0;       // exit after this many; 0: until killed
    bool echo = false;       // every byte received goes straight back, as some cables do
    FaultPlan faults;
};

// What the command line asks for besides the options: a radio, or only a text.
enum class RadioRequest { Run, Help, Version };

// Parses the arguments (without the program name). On a mistake returns nothing and describes
// it in `error`: an option it does not know names itself. `request` tells --help and --version.
std::optional<RadioOptions> ParseRadioOptions(const std::vector<std::string>& args,
                                              RadioRequest& request, std::string& error);

extern const char* const kRadioUsage;

} // namespace tevano::radio
