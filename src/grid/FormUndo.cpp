#include "grid/FormUndo.h"

namespace tevano {

FormUndo::FormUndo(ChannelForm& form, RadioImage& image, std::size_t limit)
    : form_(form), image_(image), history_(limit) {
    Adopt();
}

void FormUndo::Adopt() {
    shown_ = CaptureFormState(form_);
    kept_ = image_;
}

void FormUndo::Reset() {
    history_.Clear();
    imageBeforeBulk_.reset();
    Adopt();
}

bool FormUndo::Flush() {
    if (BulkChangeOpen()) {
        return false;
    }
    UndoStep settings;
    AddImageChanges(settings, kept_, image_, ImageBits::Settings);
    bool recorded = history_.Push(std::move(settings));
    kept_ = image_;
    FormState now = CaptureFormState(form_);
    if (now != shown_) {
        recorded = history_.Push(DiffForm(shown_, now)) || recorded;
        shown_ = std::move(now);
    }
    return recorded;
}

void FormUndo::Rebase() {
    if (!BulkChangeOpen()) {
        Adopt();
    }
}

void FormUndo::BeginBulkChange() {
    if (BulkChangeOpen()) {
        return;
    }
    Flush();
    imageBeforeBulk_ = image_;
}

bool FormUndo::EndBulkChange() {
    if (!BulkChangeOpen()) {
        return Flush();
    }
    UndoStep step = DiffForm(shown_, CaptureFormState(form_));
    AddImageChanges(step, *imageBeforeBulk_, image_, ImageBits::Whole);
    imageBeforeBulk_.reset();
    Adopt();
    return history_.Push(std::move(step));
}

const UndoStep* FormUndo::Undo(Language language) {
    if (BulkChangeOpen()) {
        return nullptr;
    }
    Flush();
    const UndoStep* step = history_.Undo();
    if (step != nullptr) {
        ApplyStep(*step, StepSide::Before, form_, image_, language);
        Adopt();
    }
    return step;
}

const UndoStep* FormUndo::Redo(Language language) {
    if (BulkChangeOpen()) {
        return nullptr;
    }
    Flush();
    const UndoStep* step = history_.Redo();
    if (step != nullptr) {
        ApplyStep(*step, StepSide::After, form_, image_, language);
        Adopt();
    }
    return step;
}

void FormUndo::MarkSaved() {
    Flush();
    history_.MarkSaved();
}

} // namespace tevano
