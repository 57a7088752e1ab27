#include "testmode/CalibrationFrames.h"

#include "base/NumberText.h"
#include "image/Bcd.h"

#include <cmath>
#include <limits>

namespace tevano {

namespace {

constexpr std::int64_t kFrequencyLimit10Hz = 100000000; // 8 BCD digits
constexpr std::int64_t kToneLimit = 10000;              // 4 BCD digits

// Truncation toward zero that cannot overflow: "1e400" reads as infinity.
std::int64_t Truncate(double value) {
    constexpr double kEdge = 9.0e18;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kEdge) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -kEdge) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

std::int64_t Hold(std::int64_t value, std::int64_t limit) {
    return value < 0 ? 0 : (value >= limit ? limit - 1 : value);
}

std::int64_t ToneTenths(std::string_view text) {
    return Truncate(LeadingDouble(text) * 10);
}

} // namespace

std::vector<std::vector<std::uint8_t>> ItemSelectSends(CalibrationItem item) {
    const std::uint8_t code = CalibrationItemCode(item);
    return {{kItemSelectByte}, {code}, {code, kItemSelectTrailer}};
}

std::int64_t CalibrationFrequency10Hz(std::string_view text) {
    return Truncate(LeadingDouble(text) * 100000);
}

std::array<std::uint8_t, 4> FrequencyBcd(std::string_view text) {
    const auto n =
        static_cast<std::uint32_t>(Hold(CalibrationFrequency10Hz(text), kFrequencyLimit10Hz));
    std::array<std::uint8_t, 4> bytes{};
    WriteBcd32(bytes.data(), n);
    return bytes;
}

bool ToneTextFitsFrame(std::string_view text) {
    const std::int64_t t = ToneTenths(text);
    return t >= 0 && t < kToneLimit;
}

std::array<std::uint8_t, 2> ToneBcd(std::string_view text) {
    const std::int64_t t = Hold(ToneTenths(text), kToneLimit);
    return {ToBcdByte(t % 100), ToBcdByte(t / 100)};
}

std::array<std::uint8_t, 8> FrequencyFrame(std::string_view rxFrequency,
                                           std::string_view txFrequency) {
    const std::array<std::uint8_t, 4> rx = FrequencyBcd(rxFrequency);
    const std::array<std::uint8_t, 4> tx = FrequencyBcd(txFrequency);
    return {rx[0], rx[1], rx[2], rx[3], tx[0], tx[1], tx[2], tx[3]};
}

std::array<std::uint8_t, 8> ValueFrame(std::string_view rxTone, std::string_view txTone,
                                       std::uint8_t value) {
    const std::array<std::uint8_t, 2> rx = ToneBcd(rxTone);
    const std::array<std::uint8_t, 2> tx = ToneBcd(txTone);
    return {rx[0], rx[1], tx[0], tx[1], 0xFB, 0x01, 0x01, value};
}

} // namespace tevano
