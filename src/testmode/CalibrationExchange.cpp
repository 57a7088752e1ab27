#include "testmode/CalibrationExchange.h"

#include "radiolink/CloneFrames.h"
#include "radiolink/EchoSkippingPort.h"
#include "testmode/CalibrationFrames.h"

#include <array>
#include <cstdint>

namespace tevano {

namespace {

// The radio needs a long rest before each wake-up of a calibration, and a moment before each
// byte the program sends after that.
constexpr int kAttemptPause = 700;
constexpr int kBytePause = 1;

class CalibrationExchange {
public:
    CalibrationExchange(SerialPort& port, ExchangeHook& hook, const CalibrationInputs& inputs)
        : port_(port), hook_(hook), inputs_(inputs) {}

    // One attempt from the wake-up to the radio's confirmation of the value frame; false as
    // soon as a read fails or brings anything but the byte the step waits for.
    bool Attempt();

private:
    // A read of one byte on a cleared port that brought exactly `expected`.
    bool Answered(std::uint8_t expected);
    // A failed send is not looked at: it shows up as the missing answer to it.
    void SendByte(std::uint8_t byte) { static_cast<void>(port_.WriteByte(byte)); }
    void ClearedSend(const std::uint8_t* data, std::size_t size) {
        port_.Purge(PurgeMode::Clear);
        static_cast<void>(port_.Write(data, size));
    }

    // The line as the radio answers on it, past a cable's echo once the wake-up found one.
    EchoSkippingPort port_;
    ExchangeHook& hook_;
    const CalibrationInputs& inputs_;
    // Every reply is read into the start of this buffer.
    std::array<std::uint8_t, kIdentificationSize> receive_{};
};

bool CalibrationExchange::Attempt() {
    port_.Pause(kAttemptPause);
    for (const std::uint8_t byte : kWakeUp) {
        port_.Purge(PurgeMode::Clear);
        SendByte(byte);
        port_.Pause(kBytePause);
    }
    // The first read comes before any purge, so that an echoing cable's return of the wake-up's
    // last byte is seen; a stray byte before the acknowledgement is cleared away.
    if (!port_.WakeUpAcknowledged(
            kWakeUp, kAck, [this] { hook_.NoteLine({LineNote::Kind::Echoing}); }, true)) {
        return false;
    }
    for (const std::uint8_t byte : kModeRequest) {
        port_.Pause(kBytePause);
        port_.Purge(PurgeMode::Clear);
        SendByte(byte);
    }
    // The identification only has to come without a port error; its content does not matter
    // to a calibration.
    port_.Purge(PurgeMode::Clear);
    if (port_.Read(receive_.data(), kIdentificationSize).portError) {
        return false;
    }
    port_.Pause(kBytePause);
    port_.Purge(PurgeMode::Clear);
    SendByte(kAck);
    if (!Answered(kAck)) {
        return false;
    }

    // The item select: 0x78 alone, the item code alone, then the code again with 0x08.
    const std::uint8_t code = CalibrationItemCode(inputs_.item);
    port_.Purge(PurgeMode::Clear);
    port_.Pause(kBytePause);
    SendByte(kItemSelectByte);
    port_.Pause(kBytePause);
    port_.Purge(PurgeMode::Clear);
    SendByte(code);
    port_.Pause(kBytePause);
    const std::array<std::uint8_t, 2> codeWithTrailer = {code, kItemSelectTrailer};
    ClearedSend(codeWithTrailer.data(), codeWithTrailer.size());
    if (!Answered(kCalibrationConfirm)) {
        return false;
    }

    port_.Pause(kBytePause);
    const auto frequencies = FrequencyFrame(inputs_.rxFrequency, inputs_.txFrequency);
    ClearedSend(frequencies.data(), frequencies.size());
    if (!Answered(kCalibrationConfirm)) {
        return false;
    }

    port_.Pause(kBytePause);
    const auto value = ValueFrame(inputs_.rxTone, inputs_.txTone, inputs_.value);
    ClearedSend(value.data(), value.size());
    return Answered(kCalibrationConfirm);
}

// A read that ends with no byte is a missing answer, whatever the buffer held before.
bool CalibrationExchange::Answered(std::uint8_t expected) {
    port_.Purge(PurgeMode::Clear);
    const ReadResult answer = port_.Read(receive_.data(), 1);
    return !answer.portError && answer.count == 1 && receive_[0] == expected;
}

} // namespace

CalibrationEnding RunCalibration(SerialPort& port, const std::string& devicePath,
                                 ExchangeHook& hook, const CalibrationInputs& inputs) {
    if (!port.Open(devicePath, kCalibrationTimeouts)) {
        hook.Ask(MessageId::PortOpenFailed);
        return CalibrationEnding::PortOpenFailed;
    }
    PortCloser closer(port);
    port.Purge(PurgeMode::Clear);
    CalibrationExchange exchange(port, hook, inputs);
    // No bound on the attempts but the user's Cancel: a radio being adjusted on the bench is
    // often switched off and on again between tries.
    while (!exchange.Attempt()) {
        if (hook.Ask(MessageId::CalibrationFailed) == Answer::Cancel) {
            return CalibrationEnding::Cancelled;
        }
    }
    port.Close();
    hook.Ask(MessageId::CalibrationFinished);
    return CalibrationEnding::Confirmed;
}

} // namespace tevano
