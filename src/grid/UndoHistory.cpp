#include "grid/UndoHistory.h"

#include <algorithm>

namespace tevano {

UndoHistory::UndoHistory(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

bool UndoHistory::Push(UndoStep step) {
    if (step.Empty()) {
        return false;
    }
    if (savedAt_ && *savedAt_ > done_) {
        savedAt_.reset();
    }
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > limit_) {
        steps_.pop_front();
        --done_;
        if (savedAt_) {
            savedAt_ = *savedAt_ == 0 ? std::nullopt : std::optional<std::size_t>(*savedAt_ - 1);
        }
    }
    return true;
}

const UndoStep* UndoHistory::Undo() {
    if (!CanUndo()) {
        return nullptr;
    }
    --done_;
    return &steps_[done_];
}

const UndoStep* UndoHistory::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    return &steps_[done_++];
}

void UndoHistory::Clear() {
    steps_.clear();
    done_ = 0;
    savedAt_ = 0;
}

} // namespace tevano
