#include "RadioOptions.h"

#include <charconv>
#include <type_traits>

namespace tevano::radio {

const char* const kRadioUsage =
    R"(usage: tevano-radio [options]

A virtual radio on a pseudo-terminal: it answers the clone exchange of Read From Radio and
Write To Radio, and the calibration of the Test Mode's Start, as a radio on a programming
cable does. It prints the path of its port on the first line of stdout and serves one exchange
after another until it is killed (or --exchanges).

  --image FILE        start with the 3168 bytes of this channel data file (default: a new image)
  --save FILE         save the memory to FILE after every completed write
  --link PATH         put a symbolic link to the port at PATH (removed at exit)
  --type CODE         radio type code in the identification, 0-255 or 0x00-0xFF
                      (default 0xFF: the radio reports no type)
  --baud N            pace the line at N baud (default 9600); 0: no pacing, no reply delay
                      (but the answers of the handshake and of a calibration never come
                      sooner than 20 ms: the calibration purges its input after each send)
  --reply-delay MS    think time before each answer, in ms (default 3)
  --exchanges N       exit after N exchanges (an exchange ends when the program closes the port)
  --echo              send every byte received straight back before answering it, as a
                      programming cable that echoes does (with --fault silent: a loopback plug)
  --trace FILE        append every byte received ("> ") and sent ("< "), a line per direction,
                      and a line ("= calibration ...") for each calibration received
  --calibrations FILE append a line for each calibration received: the item, the receive and
                      transmit frequencies (MHz) and tones, the value, and whether it was
                      confirmed, e.g. "item=tx-power rx=400.00000 tx=400.00625 rx-tone=67.0
                      tx-tone=0.0 value=47 confirmed"
  --fault FAULT       make a fault; may be given several times. Blocks count from 0 to 395:
      silent              never answer
      wrong-ack[=N]       answer the first N wake-ups (default: all) with two wrong bytes
      wrong-final-ack[=N] answer the first N final handshake acknowledgements with a wrong byte
      short-reply=K:N     send only N bytes of the read reply of block K
      wrong-block=K       answer the read of block K with the reply of block K+1 (or K-1)
      random-reply=K      answer the read of block K with 12 random bytes
      no-read-ack=K       do not answer the program's acknowledgement of read block K
      refuse-write=K      answer write block K with a wrong byte (the block is not stored)
      hangup=K            close the line when block K is asked for, then open a new port
                          (its path is printed, and the link moved to it)
      corrupt=OFFSET      store the byte at image offset OFFSET (0-3167, or 0x000-0xC5F)
                          inverted whenever a write brings it, acknowledging it as usual
      no-confirm=FRAME[:N]
                          send no 0x48 after the calibration frame FRAME (item, frequency or
                          value) the first N times (default: every time)
  -h, --help          show this text and exit
  --version           show the version and exit

To point the program at it, put the link (or the printed path) under [PORTS] in MAIN.ini,
the settings file of the desktop program (beside it, or in ~/.config/tevano/):
  [PORTS]
  COM1=/tmp/tevano-radio
)";

namespace {

template <typename Number> bool ParseNumber(const std::string& text, Number& value, int base = 10) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    std::from_chars_result result;
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::from_chars(begin, end, value);
    } else {
        result = std::from_chars(begin, end, value, base);
    }
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool ParseCount(const std::string& text, int& value) {
    return ParseNumber(text, value) && value >= 0;
}

bool ParseBlock(const std::string& text, int& block) {
    return ParseCount(text, block) && block < 396;
}

bool ParseTypeCode(const std::string& text, std::uint8_t& code) {
    unsigned value = 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (!(hex ? ParseNumber(text.substr(2), value, 16) : ParseNumber(text, value)) ||
        value > 0xFF) {
        return false;
    }
    code = static_cast<std::uint8_t>(value);
    return true;
}

// "item", "frequency" or "value", then optionally ":N".
bool ParseUnconfirmed(const std::string& value, FaultPlan& faults) {
    const std::size_t colon = value.find(':');
    const std::string frame = value.substr(0, colon);
    if (frame == "item") {
        faults.unconfirmedFrame = CalibrationFrameKind::ItemSelect;
    } else if (frame == "frequency") {
        faults.unconfirmedFrame = CalibrationFrameKind::Frequency;
    } else if (frame == "value") {
        faults.unconfirmedFrame = CalibrationFrameKind::Value;
    } else {
        return false;
    }
    faults.unconfirmedTimes = -1;
    return colon == std::string::npos ||
           ParseCount(value.substr(colon + 1), faults.unconfirmedTimes);
}

bool ParseFault(const std::string& fault, FaultPlan& faults) {
    const std::size_t equals = fault.find('=');
    const std::string name = fault.substr(0, equals);
    const bool hasValue = equals != std::string::npos;
    const std::string value = hasValue ? fault.substr(equals + 1) : "";
    if (name == "silent") {
        faults.silent = true;
        return !hasValue;
    }
    if (name == "wrong-ack") {
        faults.wrongWakeUpAcks = -1;
        return !hasValue || ParseCount(value, faults.wrongWakeUpAcks);
    }
    if (name == "wrong-final-ack") {
        faults.wrongFinalAcks = -1;
        return !hasValue || ParseCount(value, faults.wrongFinalAcks);
    }
    if (name == "short-reply") {
        const std::size_t colon = value.find(':');
        int bytes = 0;
        if (colon == std::string::npos ||
            !ParseBlock(value.substr(0, colon), faults.shortReplyBlock) ||
            !ParseCount(value.substr(colon + 1), bytes) || bytes > 12) {
            return false;
        }
        faults.shortReplyBytes = static_cast<std::size_t>(bytes);
        return true;
    }
    if (name == "wrong-block") {
        return ParseBlock(value, faults.wrongBlockReply);
    }
    if (name == "random-reply") {
        return ParseBlock(value, faults.randomReply);
    }
    if (name == "no-read-ack") {
        return ParseBlock(value, faults.missingReadAckBlock);
    }
    if (name == "refuse-write") {
        return ParseBlock(value, faults.refusedWriteBlock);
    }
    if (name == "hangup") {
        return ParseBlock(value, faults.hangUpBlock);
    }
    if (name == "corrupt") {
        unsigned offset = 0;
        const bool hex =
            value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
        if (!(hex ? ParseNumber(value.substr(2), offset, 16) : ParseNumber(value, offset)) ||
            offset >= 3168) {
            return false;
        }
        faults.corruptedByte = static_cast<int>(offset);
        return true;
    }
    if (name == "no-confirm") {
        return ParseUnconfirmed(value, faults);
    }
    return false;
}

constexpr const char* kValueOptions[] = {"--image",        "--save", "--link", "--trace",
                                         "--calibrations", "--type", "--baud", "--reply-delay",
                                         "--exchanges",    "--fault"};

bool TakesValue(const std::string& option) {
    for (const char* known : kValueOptions) {
        if (option == known) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<RadioOptions> ParseRadioOptions(const std::vector<std::string>& args,
                                              RadioRequest& request, std::string& error) {
    RadioOptions options;
    request = RadioRequest::Run;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--echo") {
            options.echo = true;
            continue;
        }
        if (option == "--help" || option == "-h") {
            request = RadioRequest::Help;
            return options;
        }
        if (option == "--version") {
            request = RadioRequest::Version;
            return options;
        }
        if (!TakesValue(option)) {
            error = option.rfind('-', 0) == 0 ? "unknown option " + option
                                              : "unexpected argument " + option;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "option " + option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool good = true;
        if (option == "--image") {
            options.imagePath = value;
        } else if (option == "--save") {
            options.savePath = value;
        } else if (option == "--link") {
            options.linkPath = value;
        } else if (option == "--trace") {
            options.tracePath = value;
        } else if (option == "--calibrations") {
            options.calibrationsPath = value;
        } else if (option == "--type") {
            good = ParseTypeCode(value, options.typeCode);
        } else if (option == "--baud") {
            good = ParseCount(value, options.baud);
        } else if (option == "--reply-delay") {
            good = ParseNumber(value, options.replyDelayMs) && options.replyDelayMs >= 0 &&
                   options.replyDelayMs <= 10000;
        } else if (option == "--exchanges") {
            good = ParseCount(value, options.exchanges);
        } else if (option == "--fault") {
            good = ParseFault(value, options.faults);
        }
        if (!good) {
            error = "bad value for " + option + ": " + value;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace tevano::radio
