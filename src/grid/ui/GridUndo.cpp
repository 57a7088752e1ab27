#include "grid/ui/GridUndo.h"

#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"
#include "image/ui/CTevDoc.h"
#include "shell/DisplayLanguage.h"

#include <QApplication>

namespace tevano {

GridUndo::GridUndo(CTevView& view, CTevDoc& document)
    : view_(view), document_(document), undo_(view.Form(), document.Image()) {
    // A commit writes several cells one by one (a new channel's defaults, a cleared channel):
    // they become one step when the event that committed them is over.
    connect(&view, &CTevView::CellChanged, this, &GridUndo::ScheduleFlush);
    connect(&view, &CTevView::FormListChanged, this, &GridUndo::ScheduleFlush);
    // Unchanged again: saved, or made new or opened (and then Reset follows).
    connect(&document, &CTevDoc::ModifiedChanged, this, [this](bool modified) {
        if (!modified) {
            undo_.MarkSaved();
            emit HistoryChanged();
        }
    });
}

void GridUndo::ScheduleFlush() {
    if (flushScheduled_) {
        return;
    }
    flushScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushScheduled_ = false;
            Flush();
        },
        Qt::QueuedConnection);
}

void GridUndo::Reset() {
    undo_.Reset();
    emit HistoryChanged();
}

void GridUndo::Flush() {
    if (undo_.Flush()) {
        emit HistoryChanged();
    }
}

void GridUndo::Rebase() {
    undo_.Rebase();
    emit HistoryChanged();
}

void GridUndo::BeginBulkChange() {
    undo_.BeginBulkChange();
    emit HistoryChanged();
}

void GridUndo::EndBulkChange() {
    undo_.EndBulkChange();
    emit HistoryChanged();
}

void GridUndo::Undo() {
    Walk(StepSide::Before);
}

void GridUndo::Redo() {
    Walk(StepSide::After);
}

void GridUndo::Walk(StepSide side) {
    CMSFlexGrid& grid = view_.Grid();
    const QWidget* focus = QApplication::focusWidget();
    const bool onGrid = focus != nullptr && (focus == &grid || grid.isAncestorOf(focus));
    if (!view_.EditingHoldsChange()) {
        // An overlay left as it was opened goes without a commit: committing an untouched empty
        // frequency would take the channel's tone with it.
        view_.DropEditing();
        PutStep(side);
    } else if (side == StepSide::Before) {
        // Typing not yet committed is the last change: undoing it drops it, without the refusal
        // message a commit of half-typed text would bring.
        view_.DropEditing();
    } else {
        // Typing is a new change, after which nothing is left to redo.
        view_.Commit();
        undo_.Flush();
    }
    // The overlay being edited was put away; the keys go on to the grid.
    if (onGrid) {
        grid.setFocus();
    }
    emit HistoryChanged();
}

void GridUndo::PutStep(StepSide side) {
    const Language language = DisplayedLanguage();
    const UndoStep* step = side == StepSide::Before ? undo_.Undo(language) : undo_.Redo(language);
    if (step == nullptr) {
        return;
    }
    // Where the change is, so that the user sees what came back or went. (Read first: the step
    // belongs to the history, which the moves below may add to.)
    const bool cellsChanged = !step->cells.empty();
    const int row = cellsChanged ? step->cells.front().row : 0;
    const int col = cellsChanged ? step->cells.front().col : 0;
    CMSFlexGrid& grid = view_.Grid();
    if (cellsChanged) {
        grid.SetRow(row);
        grid.SetCol(col);
    }
    view_.ReloadCurrentCell();
    grid.Refresh();
    document_.SetModifiedFlag(!undo_.AtSavedState());
}

} // namespace tevano
