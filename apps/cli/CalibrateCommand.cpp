// tevano-cli calibrate: one calibration exchange of the Test Mode's Start, with the dialog's
// fields given on the command line and its Retry/Cancel question answered from --retries.

#include "Arguments.h"
#include "CliCommands.h"
#include "CliExchangeHook.h"
#include "RadioPort.h"

#include "base/NumberText.h"
#include "base/TextCase.h"
#include "image/ToneTable.h"
#include "radiolink/CableReport.h"
#include "testmode/CalibrationExchange.h"
#include "testmode/CalibrationFrames.h"

#include <array>
#include <exception>
#include <optional>

namespace tevano::cli {

namespace {

struct ItemName {
    const char* name;
    CalibrationItem item;
};

constexpr std::array<ItemName, kCalibrationItemCount> kItemNames = {{
    {"tx-frequency", CalibrationItem::TxFrequency},
    {"low-power-voltage", CalibrationItem::LowPowerVoltage},
    {"squelch-level", CalibrationItem::SquelchLevel},
    {"tx-power", CalibrationItem::TxPower},
}};

std::optional<CalibrationItem> ItemOf(const std::string& name) {
    for (const ItemName& entry : kItemNames) {
        if (name == entry.name) {
            return entry.item;
        }
    }
    return std::nullopt;
}

// The slider's range: a whole number 0 to 255, nothing else.
std::optional<std::uint8_t> ValueOf(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int value = std::stoi(text);
    if (value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

// The band of the radios: a test frequency outside it is no test the radio can make.
constexpr double kLowestMHz = 67;
constexpr double kHighestMHz = 521;

bool IsToneName(const std::string& text) {
    static const ToneTable tones;
    for (const std::string& name : tones.Names()) {
        if (EqualsNoCase(text, name)) {
            return true;
        }
    }
    return false;
}

// A test frequency as the grid reads a typed one: a plain decimal number, "." or "," its mark.
std::optional<double> FrequencyNumber(const std::string& text) {
    const std::optional<std::string> plain = PlainDecimalText(text);
    return plain ? std::optional<double>(LeadingDouble(*plain)) : std::nullopt;
}

// Why a field given on the command line cannot be sent: a text without a number would go out
// as 0, a frequency outside the radio's band is no test, and a tone must fit the frame's digits.
std::optional<std::string> UnsendableField(const CalibrationInputs& inputs) {
    const struct {
        const char* option;
        const std::string& text;
        bool frequency;
    } fields[] = {
        {"--rx", inputs.rxFrequency, true},
        {"--tx", inputs.txFrequency, true},
        {"--rx-tone", inputs.rxTone, false},
        {"--tx-tone", inputs.txTone, false},
    };
    for (const auto& field : fields) {
        const std::string named = std::string(field.option) + " " + field.text + ": ";
        // A frequency is read as the grid reads one, a tone as the dialog's fields read it: what
        // follows the number is read past.
        const std::optional<double> number =
            field.frequency ? FrequencyNumber(field.text) : LeadingNumber(field.text);
        if (field.frequency && !number) {
            return named + "a test frequency is a plain number of MHz, with \".\" or \",\" as "
                           "its decimal mark (400.125 or 400,125)";
        }
        if (field.frequency && (*number < kLowestMHz || *number > kHighestMHz)) {
            return named + "a test frequency must lie from 67 to 521 MHz, the band of the radio";
        }
        if (!field.frequency && !number && !IsToneName(field.text)) {
            return named + "a tone is a number of Hz, OFF or a DCS code such as D023N";
        }
        if (!field.frequency && !ToneTextFitsFrame(field.text)) {
            return named + "a tone must lie from 0 to 999.9 Hz, the most the radio's 4 digits hold";
        }
    }
    return std::nullopt;
}

} // namespace

int CalibrateCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("one port is needed");
    }
    for (const char* needed : {"--item", "--value", "--rx", "--tx"}) {
        if (!args.Value(needed)) {
            return args.Misuse(std::string(needed) + " is needed");
        }
    }
    CalibrationInputs inputs;
    const std::optional<CalibrationItem> item = ItemOf(*args.Value("--item"));
    if (!item) {
        return args.Misuse(
            "--item takes tx-frequency, low-power-voltage, squelch-level or tx-power");
    }
    inputs.item = *item;
    const std::optional<std::uint8_t> value = ValueOf(*args.Value("--value"));
    if (!value) {
        return args.Misuse("--value takes a whole number from 0 to 255");
    }
    inputs.value = *value;
    int retries = 0;
    if (const auto text = args.Value("--retries")) {
        const std::optional<int> count = RetryCount(*text);
        if (!count) {
            return args.Misuse("--retries takes a count from 0 to 999999");
        }
        retries = *count;
    }
    inputs.rxFrequency = *args.Value("--rx");
    inputs.txFrequency = *args.Value("--tx");
    // The frame is made from the number with "." as its mark, whichever mark was typed.
    for (std::string* frequency : {&inputs.rxFrequency, &inputs.txFrequency}) {
        if (const std::optional<std::string> plain = PlainDecimalText(*frequency)) {
            *frequency = *plain;
        }
    }
    // Both tone lists show "OFF" until another entry is picked.
    inputs.rxTone = args.Value("--rx-tone").value_or("OFF");
    inputs.txTone = args.Value("--tx-tone").value_or("OFF");
    if (const std::optional<std::string> refusal = UnsendableField(inputs)) {
        return args.Misuse(*refusal);
    }
    try {
        const Language language = args.ChosenLanguage();
        const std::string device = DevicePathOf(args.Positional()[0], language);
        CliExchangeHook hook(language, retries, false);
        WakeOnTime();
        SignalSafePort port;
        const CalibrationEnding ending = RunCalibration(port, device, hook, inputs);
        if (ending == CalibrationEnding::PortOpenFailed) {
            hook.Note(PortFailureWithDiagnosis(device, port.OpenError(), language));
        }
        return ending == CalibrationEnding::Confirmed ? 0 : 1;
    } catch (const std::exception& failure) {
        return Fail(failure.what());
    }
}

} // namespace tevano::cli
