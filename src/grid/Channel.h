// One channel of the radio as typed values: frequencies in 10 Hz units, tones, the options and
// the name, read from its record, name and scan bit in one place and written back the same way.
#pragma once

#include "base/Language.h"
#include "image/RadioImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tevano {

struct Tone {
    enum class Kind : std::uint8_t { None, Ctcss, Dcs };
    Kind kind = Kind::None;
    int tenthsHz = 0;      // CTCSS: 885 for 88.5 Hz
    int dcsCode = 0;       // DCS: the three octal digits read as a decimal number, 23 for D023N
    bool inverted = false; // DCS: "I" rather than "N"
    // A word no tone value gives back (a digit above 9 in its BCD): shown and kept as stored.
    std::optional<std::array<std::uint8_t, 2>> stored;

    bool operator==(const Tone&) const = default;
};

enum class OptSignal : std::uint8_t { Msk, None, Dtmf, Ccir };
enum class BusyLock : std::uint8_t { Off, Carrier, Tone };

struct Channel {
    std::optional<std::uint32_t> rx; // 10 Hz units; none when absent
    std::optional<std::uint32_t> tx;
    Tone rxTone;
    Tone txTone;
    // What an empty channel shows as empty cells and stores as the grid stores empty cells.
    bool wide = false;
    bool scan = false;
    bool highPower = false;
    std::optional<OptSignal> optSignal; // none for a byte the grid cannot show (stored as MSK)
    bool pttId = false;
    BusyLock busyLock = BusyLock::Tone;
    bool forward = false; // repeat invert
    std::string name;

    bool operator==(const Channel&) const = default;
    // A channel is used when it has either frequency.
    [[nodiscard]] bool Used() const { return rx.has_value() || tx.has_value(); }
};

// Channel n (1 to 128) as the image holds it. Of an empty channel only the name and the tones
// count; its options read as an empty row stores them.
Channel ReadChannel(const RadioImage& image, int channel);

// Writes the channel's record, name and scan bit. Bits no value has (bits 6-7 of the flags,
// bits 1-7 of the PTT ID byte, byte 15) are kept, and so are a frequency or tone word that no
// value can give back, as long as the value still reads from it.
void WriteChannel(const Channel& channel, int number, RadioImage& image);

// The tone a word holds, with the word stored when no value gives it back.
Tone ToneOfWord(std::uint8_t low, std::uint8_t high);

// A tone's word, the stored one for a word no value gives back; 0xFF 0xFF for none.
std::array<std::uint8_t, 2> ToneWordOf(const Tone& tone);

} // namespace tevano
