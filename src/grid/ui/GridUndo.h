// Undo and redo on the program's window. Keeps the form's undo history in step with what the
// user does: a commit becomes one step once the event that made it is over, saving marks the
// saved state, a new or opened document starts a fresh history and the language switch is no
// change of its own.
#pragma once

#include "grid/FormUndo.h"

#include <QObject>

namespace tevano {

class CTevDoc;
class CTevView;

class GridUndo : public QObject {
    Q_OBJECT

public:
    GridUndo(CTevView& view, CTevDoc& document);

    // The view shows a new or opened document.
    void Reset();
    // Records a change made just now at once, rather than when its event is over.
    void Flush();
    // The language switch rewrote the cell words: no change.
    void Rebase();

    // Around a read from the radio or an import; see FormUndo.
    void BeginBulkChange();
    void EndBulkChange();

    // Of the steps recorded so far; Flush first to count a change just made.
    bool CanUndo() const { return undo_.CanUndo(); }
    bool CanRedo() const { return undo_.CanRedo(); }

    // Puts the last step back (or forward again). The current cell moves to the first cell the
    // step changed; the document counts as unchanged exactly when that is the state last saved.
    // Undo while an overlay holds typing not yet committed drops that typing and stops there;
    // Redo commits it first (so it is a new change and there is nothing left to redo).
    void Undo();
    void Redo();

signals:
    // The steps to undo or redo may have changed.
    void HistoryChanged();

private:
    void ScheduleFlush();
    void Walk(StepSide side);
    void PutStep(StepSide side);

    CTevView& view_;
    CTevDoc& document_;
    FormUndo undo_;
    bool flushScheduled_ = false;
};

} // namespace tevano
