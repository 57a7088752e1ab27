// Undo and redo of the channel form and of the image behind it. The form is compared with what
// it showed after the last step, so every way of changing it (a committed cell with the defaults
// or the clearing it brings, a list pick) becomes a step when the change is over; the settings
// the dialogs keep in the image become a step of their own; a read from the radio or an import
// is one step that also puts the whole image back.
#pragma once

#include "base/Language.h"
#include "grid/UndoHistory.h"

#include <optional>

namespace tevano {

class FormUndo {
public:
    FormUndo(ChannelForm& form, RadioImage& image, std::size_t limit = UndoHistory::kDefaultLimit);

    FormUndo(const FormUndo&) = delete;
    FormUndo& operator=(const FormUndo&) = delete;

    // What the form and the image hold now starts a fresh history, as the saved state (the
    // document was just made new or opened).
    void Reset();

    // Records what changed since the last step: first the dialogs' settings in the image, then
    // the grid and the lists, as two steps. True when anything was recorded. While an image
    // change is open it records nothing; its end takes everything in.
    bool Flush();

    // The form as it stands counts as no change (after the language switch, which rewrites the
    // cell words without changing a channel).
    void Rebase();

    // Around a change that rewrites many channels at once and may bring a whole new image (a
    // read from the radio, an import): what changed before it is recorded first, and the end
    // records the form and every image byte it changed as one step. Nothing is recorded when
    // nothing changed, as after a failed read.
    void BeginBulkChange();
    bool EndBulkChange();
    bool BulkChangeOpen() const { return imageBeforeBulk_.has_value(); }

    // Of the steps recorded; call Flush first to count a change just made.
    bool CanUndo() const { return !BulkChangeOpen() && history_.CanUndo(); }
    bool CanRedo() const { return !BulkChangeOpen() && history_.CanRedo(); }

    // Records the change just made, then puts the last step back (or forward again). Returns the
    // step, nullptr when there was nothing to do. Cell words are written in the words of
    // `language`, whichever language they were recorded in.
    const UndoStep* Undo(Language language);
    const UndoStep* Redo(Language language);

    // The document was saved: the form and image as they stand are the saved state.
    void MarkSaved();
    bool AtSavedState() const { return history_.AtSavedState(); }

    const UndoHistory& History() const { return history_; }

private:
    void Adopt();

    ChannelForm& form_;
    RadioImage& image_;
    UndoHistory history_;
    FormState shown_;   // the form as of the last step
    RadioImage kept_{}; // the image as of the last step
    std::optional<RadioImage> imageBeforeBulk_;
};

} // namespace tevano
