#include "grid/csv/CsvBandCheck.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"

#include <cstdio>

namespace tevano {

std::optional<FieldBand> BandOfFieldEntry(int index) {
    const std::vector<std::string> entries = FieldListEntries();
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return std::nullopt;
    }
    const std::string& text = entries[static_cast<std::size_t>(index)];
    unsigned lowMHz = 0;
    unsigned highMHz = 0;
    if (std::sscanf(text.c_str(), "%u - %u", &lowMHz, &highMHz) != 2) {
        return std::nullopt;
    }
    constexpr std::uint32_t kUnitsPerMHz = 100000;
    return FieldBand{lowMHz * kUnitsPerMHz, highMHz * kUnitsPerMHz, text};
}

CsvBandCheck CheckFieldBand(const std::vector<ImportedChannel>& channels, int fieldIndex) {
    CsvBandCheck check;
    const std::optional<FieldBand> band = BandOfFieldEntry(fieldIndex);
    if (!band) {
        return check;
    }
    check.band = band->text;
    const auto outside = [&band](const std::string& cell) {
        if (cell.empty()) {
            return std::string();
        }
        const std::uint32_t units10Hz = FrequencyTextTo10Hz(cell);
        return units10Hz < band->low10Hz || units10Hz > band->high10Hz ? cell : std::string();
    };
    for (const ImportedChannel& channel : channels) {
        CsvBandWarning warning{channel.line, channel.channel,
                               outside(channel.cells[kColRxFrequency]),
                               outside(channel.cells[kColTxFrequency])};
        if (!warning.rx.empty() || !warning.tx.empty()) {
            check.warnings.push_back(std::move(warning));
        }
    }
    return check;
}

} // namespace tevano
