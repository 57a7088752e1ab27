// Undo and redo of the document on the program's window, on a QUndoStack: every change of the
// image or of the form's lists (a committed cell with all it brings, a list pick, a dialog's OK,
// an import, a read) becomes one step once the event that made it is over; saving marks the
// clean state; a new or opened document starts a fresh history.
#pragma once

#include "grid/UndoStep.h"

#include <QObject>
#include <QUndoStack>

namespace tevano {

class CTevDoc;
class CTevView;

class GridUndo : public QObject {
    Q_OBJECT

public:
    static constexpr int kStepLimit = 200;

    GridUndo(CTevView& view, CTevDoc& document);

    // The view shows a new or opened document.
    void Reset();
    // Records a change made just now at once, rather than when its event is over.
    void Flush();
    // The name the next recorded step gets in the Edit menu ("Move Channels").
    void NameNextStep(const QString& name) { nextName_ = name; }
    // What the document holds now is no change of its own (the save's and the write's encode).
    void Rebase();

    // Around a read from the radio or an import: what changed before it is recorded first, and
    // the end records everything it changed as one step. Nothing while it is open.
    void BeginBulkChange();
    void EndBulkChange();

    // Of the steps recorded so far; Flush first to count a change just made.
    bool CanUndo() const { return !bulk_ && stack_.canUndo(); }
    bool CanRedo() const { return !bulk_ && stack_.canRedo(); }

    // Puts the last step back (or forward again). The current cell moves to the first channel
    // the step changed; the document counts as unchanged exactly when that is the state last
    // saved. Undo while an editor holds typing not yet committed drops that typing and stops
    // there; Redo commits it first (a new change, so nothing is left to redo).
    void Undo();
    void Redo();

    const QUndoStack& Stack() const { return stack_; }

signals:
    // The steps to undo or redo may have changed.
    void HistoryChanged();

private:
    friend class DocumentStepCommand;

    void ScheduleFlush();
    void Walk(bool back);
    // A step was put to one side: show it and adopt the document as it now stands.
    void Applied(const UndoStep& step);
    DocumentState Capture() const;

    CTevView& view_;
    CTevDoc& document_;
    QUndoStack stack_;
    DocumentState kept_; // the document as of the last step
    bool bulk_ = false;
    bool flushScheduled_ = false;
    QString nextName_;
};

} // namespace tevano
