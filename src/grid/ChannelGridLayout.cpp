#include "grid/ChannelGridLayout.h"

#include "grid/ChannelWords.h"
#include "grid/LanguageTables.h"

namespace tevano {

std::array<std::int32_t, 13> ColumnWidths(std::int32_t w) {
    const auto times = [w](double factor) { return static_cast<std::int32_t>(w * factor); };
    // The shared products are computed once, as the view does.
    const std::int32_t frequency = times(1.1);
    const std::int32_t narrow = times(0.85);
    return {times(0.42), frequency, frequency, narrow, narrow,     times(0.9), narrow,
            times(0.8),  w,         narrow,    w,      times(1.2), w};
}

std::string ChannelHeader(int column, Language language, bool switched) {
    return switched ? SwitchedHeader(column, language) : FirstSetupHeader(column, language);
}

void FillFormLists(ChannelForm& form, Language language) {
    form.type.Fill(TypeListEntries());
    form.field.Fill(FieldListEntries());
    form.manual.Fill(ManualListEntries(language));
    form.type.SetCurSel(0);
    form.field.SetCurSel(2);
}

void ShowImage(const RadioImage& image, ChannelForm& form) {
    const int field = image[kFieldByte] - kFieldBase;
    form.field.SetCurSel(field >= 0 && field <= 9 ? field : 0);
    const int type = image[kTypeByte] - kTypeBase;
    form.type.SetCurSel(type > 2 ? 0 : type);
    form.manual.SetCurSel((image[kManualByte] & kManualOpenBit) != 0 ? 0 : 1);
}

} // namespace tevano
