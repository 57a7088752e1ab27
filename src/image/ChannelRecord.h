// The 16-byte record of one channel: receive and transmit frequency in packed BCD (10 Hz units),
// two tone words, the optional signal, a flags byte and the PTT ID byte, at fixed offsets.
#pragma once

#include "image/Bcd.h"
#include "image/RadioImage.h"

#include <cstdint>

namespace tevano {

struct ChannelRecord {
    // Field offsets inside the record.
    static constexpr std::size_t kRxFrequency = 0; // 4 bytes BCD, byte 3 most significant
    static constexpr std::size_t kTxFrequency = 4; // 4 bytes BCD, byte 7 most significant
    static constexpr std::size_t kRxTone = 8;      // tone word, low byte then high byte
    static constexpr std::size_t kTxTone = 10;     // tone word, low byte then high byte
    static constexpr std::size_t kOptSignal = 12;  // 0 MSK, 1 None, 2 DTMF, 4 CCIR
    static constexpr std::size_t kFlags = 13;
    static constexpr std::size_t kPttId = 14; // bit 0; bits 1-7 belong to the radio

    // Values of the optional signal byte.
    static constexpr std::uint8_t kSignalMsk = 0;
    static constexpr std::uint8_t kSignalNone = 1;
    static constexpr std::uint8_t kSignalDtmf = 2;
    static constexpr std::uint8_t kSignalCcir = 4;

    // Bits of the flags byte; bits 6-7 belong to the radio and are carried unchanged.
    static constexpr std::uint8_t kRepeatForward = 0x01;
    static constexpr std::uint8_t kBusyLockMask = 0x06; // 0 off, 2 carrier, 4 (or 6) tone
    static constexpr std::uint8_t kBusyLockCarrier = 0x02;
    static constexpr std::uint8_t kBusyLockTone = 0x04;
    static constexpr std::uint8_t kScanAdd = 0x08;
    static constexpr std::uint8_t kWide = 0x10;
    static constexpr std::uint8_t kHighPower = 0x20;
    static constexpr std::uint8_t kPttIdOn = 0x01;

    // A frequency is absent when its most significant byte is 0xFF or 0x00.
    static constexpr bool FrequencyPresent(const std::uint8_t* frequency) {
        return frequency[3] != 0xFF && frequency[3] != 0x00;
    }

    // A channel is used when either of its frequencies is present.
    static bool IsUsed(const RadioImage& image, int channel) {
        const std::uint8_t* record = &image[ChannelOffset(channel)];
        return FrequencyPresent(record + kRxFrequency) || FrequencyPresent(record + kTxFrequency);
    }
};

} // namespace tevano
