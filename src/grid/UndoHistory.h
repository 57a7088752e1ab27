// The steps that Undo and Redo walk through: a bounded list with the place of the last step
// done, and a mark at the place where the document was last saved, so that undoing back to it
// makes the document unchanged again.
#pragma once

#include "grid/UndoStep.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace tevano {

class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 200;

    explicit UndoHistory(std::size_t limit = kDefaultLimit);

    // Adds a step after the last one done. The steps undone before it can no longer be redone;
    // past the limit the oldest step goes. An empty step is not added (false).
    bool Push(UndoStep step);

    // The step to put back to its "before" side, nullptr when nothing is left to undo.
    const UndoStep* Undo();
    // The step to put forward to its "after" side, nullptr when nothing is left to redo.
    const UndoStep* Redo();

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    std::size_t UndoCount() const { return done_; }
    std::size_t RedoCount() const { return steps_.size() - done_; }

    // No steps; the state now counts as saved.
    void Clear();
    void MarkSaved() { savedAt_ = done_; }
    // Whether the steps done lead exactly to the state last saved. Once the saved state has
    // fallen off the history's start or was dropped with the steps undone, it never is again.
    bool AtSavedState() const { return savedAt_ == done_; }

private:
    std::size_t limit_;
    std::deque<UndoStep> steps_;
    std::size_t done_ = 0;
    std::optional<std::size_t> savedAt_ = 0;
};

} // namespace tevano
