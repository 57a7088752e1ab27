#include "CalibrationResponder.h"

#include "testmode/CalibrationFrames.h"

#include <algorithm>
#include <cstdio>

namespace tevano::radio {

namespace {

constexpr std::size_t kFrameSize = 8;
constexpr std::array<std::uint8_t, 3> kValueFrameMarks = {0xFB, 0x01, 0x01};
constexpr std::size_t kValueMarksAt = 4;
constexpr std::size_t kValueAt = 7;

// The names tevano-cli calibrate takes, by item code 0x71 to 0x74.
constexpr std::array<const char*, kCalibrationItemCount> kItemNames = {
    "tx-frequency", "low-power-voltage", "squelch-level", "tx-power"};

bool KnownItem(std::uint8_t code) {
    return code >= CalibrationItemCode(CalibrationItem::TxFrequency) &&
           code <= CalibrationItemCode(CalibrationItem::TxPower);
}

bool ValidBcd(const std::uint8_t* bytes, std::size_t size) {
    return std::all_of(bytes, bytes + size,
                       [](std::uint8_t byte) { return (byte >> 4) <= 9 && (byte & 0x0F) <= 9; });
}

// Decimal digits of BCD bytes, least significant byte first.
unsigned long BcdNumber(const std::uint8_t* bytes, std::size_t size) {
    unsigned long number = 0;
    for (std::size_t i = size; i-- > 0;) {
        number = number * 100 + (bytes[i] >> 4) * 10 + (bytes[i] & 0x0F);
    }
    return number;
}

// 10 Hz units as MHz with five decimals.
std::string Megahertz(const std::uint8_t* bytes) {
    const unsigned long n = BcdNumber(bytes, 4);
    char text[48];
    std::snprintf(text, sizeof text, "%lu.%05lu", n / 100000, n % 100000);
    return text;
}

// 0.1 Hz units with one decimal.
std::string Hertz(const std::uint8_t* bytes) {
    const unsigned long t = BcdNumber(bytes, 2);
    char text[32];
    std::snprintf(text, sizeof text, "%lu.%lu", t / 10, t % 10);
    return text;
}

} // namespace

std::string DescribeCalibration(const CalibrationRecord& record) {
    const std::uint8_t first = CalibrationItemCode(CalibrationItem::TxFrequency);
    const std::string item = KnownItem(record.itemCode) ? kItemNames[record.itemCode - first] : "?";
    return "item=" + item + " rx=" + Megahertz(record.frequencies.data()) +
           " tx=" + Megahertz(record.frequencies.data() + 4) +
           " rx-tone=" + Hertz(record.values.data()) +
           " tx-tone=" + Hertz(record.values.data() + 2) +
           " value=" + std::to_string(record.values[kValueAt]) +
           (record.confirmed ? " confirmed" : " unconfirmed");
}

void CalibrationResponder::Begin() {
    step_ = Step::ItemCode;
    record_ = CalibrationRecord{};
    frame_.clear();
}

std::vector<std::uint8_t> CalibrationResponder::Confirm(CalibrationFrameKind frame) {
    if (faults_.unconfirmedFrame == frame && faults_.unconfirmedTimes != 0) {
        if (faults_.unconfirmedTimes > 0) {
            --faults_.unconfirmedTimes;
        }
        return {};
    }
    return {kCalibrationConfirm};
}

CalibrationAnswer CalibrationResponder::Receive(std::uint8_t byte) {
    switch (step_) {
    case Step::Idle:
        return {};
    case Step::ItemCode:
        if (!KnownItem(byte)) {
            step_ = Step::Idle;
            return {};
        }
        record_.itemCode = byte;
        step_ = Step::ItemCodeAgain;
        return {};
    case Step::ItemCodeAgain:
        step_ = byte == record_.itemCode ? Step::Trailer : Step::Idle;
        return {};
    case Step::Trailer:
        if (byte != kItemSelectTrailer) {
            step_ = Step::Idle;
            return {};
        }
        step_ = Step::FrequencyFrame;
        return {Confirm(CalibrationFrameKind::ItemSelect)};
    case Step::FrequencyFrame:
    case Step::ValueFrame:
        return FrameByte(byte);
    }
    return {};
}

CalibrationAnswer CalibrationResponder::FrameByte(std::uint8_t byte) {
    frame_.push_back(byte);
    if (frame_.size() < kFrameSize) {
        return {};
    }
    const std::vector<std::uint8_t> frame = std::move(frame_);
    frame_.clear();
    if (step_ == Step::FrequencyFrame) {
        if (!ValidBcd(frame.data(), kFrameSize)) {
            step_ = Step::Idle;
            return {};
        }
        std::copy(frame.begin(), frame.end(), record_.frequencies.begin());
        step_ = Step::ValueFrame;
        return {Confirm(CalibrationFrameKind::Frequency)};
    }
    step_ = Step::Idle;
    if (!ValidBcd(frame.data(), 4) || !std::equal(kValueFrameMarks.begin(), kValueFrameMarks.end(),
                                                  frame.begin() + kValueMarksAt)) {
        return {};
    }
    std::copy(frame.begin(), frame.end(), record_.values.begin());
    CalibrationAnswer answer{Confirm(CalibrationFrameKind::Value), record_};
    answer.received->confirmed = !answer.bytes.empty();
    return answer;
}

} // namespace tevano::radio
