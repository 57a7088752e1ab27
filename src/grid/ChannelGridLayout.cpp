#include "grid/ChannelGridLayout.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelWords.h"

#include <string>

namespace tevano {

std::array<std::int32_t, 13> ColumnWidths(std::int32_t w) {
    const auto times = [w](double factor) { return static_cast<std::int32_t>(w * factor); };
    // The shared products are computed once, as the view does.
    const std::int32_t frequency = times(1.1);
    const std::int32_t narrow = times(0.85);
    return {times(0.42), frequency, frequency, narrow, narrow,     times(0.9), narrow,
            times(0.8),  w,         narrow,    w,      times(1.2), w};
}

void SetUpGridColumns(GridControl& grid) {
    for (std::int32_t col = 0; col < grid.Cols(); ++col) {
        grid.SetColAlignment(col, GridControl::kAlignCenterCenter);
    }
    const std::array<std::int32_t, 13> widths = ColumnWidths(grid.ColWidth(2));
    for (std::int32_t col = 0; col < kGridColumns; ++col) {
        grid.SetColWidth(col, widths[static_cast<std::size_t>(col)]);
    }
}

void FillFormLists(ChannelForm& form, Language language) {
    form.type.Fill(TypeListEntries());
    form.field.Fill(FieldListEntries());
    form.manual.Fill(ManualListEntries(language));
    form.type.SetCurSel(0);
    form.field.SetCurSel(2);
}

void WriteFirstSetupHeaders(GridControl& grid, Language language) {
    for (int col = 0; col < kGridColumns; ++col) {
        grid.SetTextMatrix(0, col, FirstSetupHeader(col, language));
    }
}

void WriteChannelNumbers(GridControl& grid) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        grid.SetTextMatrix(channel, kColChannel, std::to_string(channel));
    }
}

void ShowImage(const RadioImage& image, ChannelForm& form, Language language) {
    DecodeChannels(image, form, language);
    WriteFirstSetupHeaders(form.grid, language);
    WriteChannelNumbers(form.grid);
}

} // namespace tevano
