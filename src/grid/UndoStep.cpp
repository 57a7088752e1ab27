#include "grid/UndoStep.h"

namespace tevano {

namespace {

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

// The channel whose record or name holds the byte; 0 for a byte of neither.
int ChannelAt(std::size_t offset) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::size_t record = ChannelOffset(channel);
        const std::size_t name = NameOffset(channel);
        if ((offset >= record && offset < record + kChannelRecordSize) ||
            (offset >= name && offset < name + kNameSize)) {
            return channel;
        }
    }
    return 0;
}

} // namespace

DocumentState CaptureDocument(const RadioImage& image, const ChannelForm& form) {
    return {image, {form.type.CurSel(), form.field.CurSel(), form.manual.CurSel()}};
}

int UndoStep::FirstChannel() const {
    for (const ByteChange& byte : bytes) {
        if (const int channel = ChannelAt(byte.offset)) {
            return channel;
        }
    }
    return 0;
}

UndoStep DiffDocument(const DocumentState& before, const DocumentState& after) {
    UndoStep step;
    for (std::size_t list = 0; list < before.picks.size(); ++list) {
        if (before.picks[list] != after.picks[list]) {
            step.picks.push_back({static_cast<int>(list), before.picks[list], after.picks[list]});
        }
    }
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (before.image[offset] != after.image[offset]) {
            step.bytes.push_back(
                {static_cast<std::uint16_t>(offset), before.image[offset], after.image[offset]});
        }
    }
    return step;
}

void ApplyStep(const UndoStep& step, StepSide side, RadioImage& image, ChannelForm& form) {
    const bool before = side == StepSide::Before;
    for (const PickChange& pick : step.picks) {
        ListAt(form, pick.list).SetCurSel(before ? pick.before : pick.after);
    }
    for (const ByteChange& byte : step.bytes) {
        image[byte.offset] = before ? byte.before : byte.after;
    }
}

} // namespace tevano
