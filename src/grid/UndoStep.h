// One undoable change of the channel form and the image: the cells whose texts changed, the
// form lists whose picks changed and the image bits that changed, each with its value before
// and after, so that a step can be put back either way.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tevano {

// What the form shows at one moment: the texts of channels 1 to 128, columns 1 to 12, and the
// picks of the "Type", "Field" and "Manul Setting" lists.
struct FormState {
    std::vector<std::string> cells; // (channel - 1) * 12 + (column - 1)
    std::array<int, 3> picks{};     // type, field, manual; -1 when nothing is picked

    bool operator==(const FormState&) const = default;
};

FormState CaptureFormState(const ChannelForm& form);

struct CellChange {
    int row;
    int col;
    std::string before;
    std::string after;
};

struct PickChange {
    int list; // index into FormState::picks
    int before;
    int after;
};

// Only the bits of `mask` belong to the step; the others of the byte are left alone.
struct ByteChange {
    std::uint16_t offset;
    std::uint8_t mask;
    std::uint8_t before;
    std::uint8_t after;
};

struct UndoStep {
    std::vector<CellChange> cells;
    std::vector<PickChange> picks;
    std::vector<ByteChange> bytes;

    bool Empty() const { return cells.empty() && picks.empty() && bytes.empty(); }
};

// The bits of an image byte that only the image keeps: the radio-wide settings the two dialogs
// edit. Every encode rewrites the channel records, names, scan bits, the form lists' bytes and
// the form mark from the grid, so those are never told apart from a change of the grid.
std::uint8_t SettingsBitsKeptByImage(std::size_t offset);

// Which image bits a step takes in.
enum class ImageBits {
    Settings, // the bits SettingsBitsKeptByImage names
    Whole,    // every bit: a new image from the radio or a file
};

// The cells and picks that differ between the two states.
UndoStep DiffForm(const FormState& before, const FormState& after);

// Adds the bits that differ between the two images.
void AddImageChanges(UndoStep& step, const RadioImage& before, const RadioImage& after,
                     ImageBits bits);

enum class StepSide { Before, After };

// Puts the form and the image to one side of the step. Cell words recorded in the other
// display language are written in the words of `language`.
void ApplyStep(const UndoStep& step, StepSide side, ChannelForm& form, RadioImage& image,
               Language language);

} // namespace tevano
