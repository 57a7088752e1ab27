// One undoable change of the document: the image bytes that changed and the picks of the form's
// three lists that changed, each with its value before and after, so that a step can be put
// back either way. The channels are in the image, so a change of a channel is a change of bytes.
#pragma once

#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tevano {

// The document at one moment: the image and the picks of "Type", "Field" and "Manul Setting".
struct DocumentState {
    RadioImage image{};
    std::array<int, 3> picks{}; // -1 when nothing is picked

    bool operator==(const DocumentState&) const = default;
};

DocumentState CaptureDocument(const RadioImage& image, const ChannelForm& form);

struct PickChange {
    int list; // index into DocumentState::picks
    int before;
    int after;
};

struct ByteChange {
    std::uint16_t offset;
    std::uint8_t before;
    std::uint8_t after;
};

struct UndoStep {
    std::vector<PickChange> picks;
    std::vector<ByteChange> bytes;

    bool Empty() const { return picks.empty() && bytes.empty(); }
    // The first channel whose record or name the step changes; 0 for none.
    int FirstChannel() const;
};

UndoStep DiffDocument(const DocumentState& before, const DocumentState& after);

enum class StepSide { Before, After };

// Puts the image and the lists to one side of the step.
void ApplyStep(const UndoStep& step, StepSide side, RadioImage& image, ChannelForm& form);

} // namespace tevano
