#include "grid/UndoStep.h"

#include "grid/ChannelWords.h"
#include "grid/LanguageTables.h"

namespace tevano {

namespace {

constexpr int kCellColumns = kColName; // columns 1 to 12

std::size_t CellIndex(int row, int col) {
    return static_cast<std::size_t>((row - 1) * kCellColumns + (col - 1));
}

ChoiceList& ListAt(ChannelForm& form, int list) {
    switch (list) {
    case 0:
        return form.type;
    case 1:
        return form.field;
    default:
        return form.manual;
    }
}

} // namespace

FormState CaptureFormState(const ChannelForm& form) {
    FormState state;
    state.cells.reserve(static_cast<std::size_t>(kChannelCount * kCellColumns));
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 1; col <= kCellColumns; ++col) {
            state.cells.push_back(form.grid.TextMatrix(row, col));
        }
    }
    state.picks = {form.type.CurSel(), form.field.CurSel(), form.manual.CurSel()};
    return state;
}

std::uint8_t SettingsBitsKeptByImage(std::size_t offset) {
    if (offset < kSettingsAreaOffset || offset >= kNameAreaOffset) {
        return 0;
    }
    switch (offset) {
    case kFieldByte:
    case kTypeByte:
    case kFormMarkByte:
        return 0;
    case kManualByte:
        return static_cast<std::uint8_t>(~kManualOpenBit);
    default:
        return 0xFF;
    }
}

UndoStep DiffForm(const FormState& before, const FormState& after) {
    UndoStep step;
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 1; col <= kCellColumns; ++col) {
            const std::size_t i = CellIndex(row, col);
            const std::string& was = i < before.cells.size() ? before.cells[i] : std::string();
            const std::string& is = i < after.cells.size() ? after.cells[i] : std::string();
            if (was != is) {
                step.cells.push_back({row, col, was, is});
            }
        }
    }
    for (std::size_t list = 0; list < before.picks.size(); ++list) {
        if (before.picks[list] != after.picks[list]) {
            step.picks.push_back({static_cast<int>(list), before.picks[list], after.picks[list]});
        }
    }
    return step;
}

void AddImageChanges(UndoStep& step, const RadioImage& before, const RadioImage& after,
                     ImageBits bits) {
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const std::uint8_t mask =
            bits == ImageBits::Whole ? std::uint8_t{0xFF} : SettingsBitsKeptByImage(offset);
        if (((before[offset] ^ after[offset]) & mask) != 0) {
            step.bytes.push_back(
                {static_cast<std::uint16_t>(offset), mask, before[offset], after[offset]});
        }
    }
}

void ApplyStep(const UndoStep& step, StepSide side, ChannelForm& form, RadioImage& image,
               Language language) {
    const bool before = side == StepSide::Before;
    for (const CellChange& cell : step.cells) {
        form.grid.SetTextMatrix(
            cell.row, cell.col,
            TranslateCell(cell.col, before ? cell.before : cell.after, language));
    }
    for (const PickChange& pick : step.picks) {
        ListAt(form, pick.list).SetCurSel(before ? pick.before : pick.after);
    }
    for (const ByteChange& byte : step.bytes) {
        const std::uint8_t value = before ? byte.before : byte.after;
        std::uint8_t& target = image[byte.offset];
        target = static_cast<std::uint8_t>((target & ~byte.mask) | (value & byte.mask));
    }
}

} // namespace tevano
