// The radio's side of a calibration, after the wake-up handshake and the item select byte 0x78:
// the item code, the code again with 0x08, the frequency frame and the value frame, each
// answered with 0x48. The radio confirms only what it can take: a known item, valid BCD digits
// and the value frame's fixed bytes FB 01 01.
#pragma once

#include "RadioOptions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tevano::radio {

// One calibration as the radio received it: the item code and the two 8-byte frames.
struct CalibrationRecord {
    std::uint8_t itemCode = 0;
    std::array<std::uint8_t, 8> frequencies{};
    std::array<std::uint8_t, 8> values{};
    bool confirmed = false;
};

// A line for the trace and the calibrations file, with the frames decoded:
// "item=tx-power rx=400.00000 tx=400.00625 rx-tone=67.0 tx-tone=0.0 value=47 confirmed".
std::string DescribeCalibration(const CalibrationRecord& record);

struct CalibrationAnswer {
    std::vector<std::uint8_t> bytes;
    std::optional<CalibrationRecord> received{}; // the value frame came and was taken
};

class CalibrationResponder {
public:
    // Counts down the faults' missing confirmations.
    explicit CalibrationResponder(FaultPlan& faults) : faults_(faults) {}

    // The 0x78 came: a calibration begins.
    void Begin();
    // Whether a calibration is under way; it ends after the value frame, or at the first byte
    // the radio cannot take.
    bool Active() const { return step_ != Step::Idle; }
    // A byte of the calibration under way.
    CalibrationAnswer Receive(std::uint8_t byte);
    // The line went quiet or was closed: whatever was begun is dropped.
    void Abandon() { step_ = Step::Idle; }

private:
    enum class Step { Idle, ItemCode, ItemCodeAgain, Trailer, FrequencyFrame, ValueFrame };

    // 0x48, unless the faults leave out this frame's confirmation this time.
    std::vector<std::uint8_t> Confirm(CalibrationFrameKind frame);
    CalibrationAnswer FrameByte(std::uint8_t byte);

    FaultPlan& faults_;
    Step step_ = Step::Idle;
    CalibrationRecord record_;
    std::vector<std::uint8_t> frame_;
};

} // namespace tevano::radio
