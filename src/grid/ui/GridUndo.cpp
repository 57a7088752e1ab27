#include "grid/ui/GridUndo.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelWords.h"
#include "grid/ui/ChannelTableModel.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/ChannelTableView.h"
#include "image/ui/CTevDoc.h"

#include <QApplication>
#include <QUndoCommand>

namespace tevano {

// One recorded change. It is pushed after it happened, so its first redo does nothing.
class DocumentStepCommand : public QUndoCommand {
public:
    DocumentStepCommand(GridUndo& owner, UndoStep step)
        : owner_(owner), step_(std::move(step)) {}

    void undo() override { Put(StepSide::Before); }
    void redo() override {
        if (pushed_) {
            Put(StepSide::After);
        }
        pushed_ = true;
    }

private:
    void Put(StepSide side) {
        ApplyStep(step_, side, owner_.document_.Image(), owner_.view_.Form());
        owner_.Applied(step_);
    }

    GridUndo& owner_;
    UndoStep step_;
    bool pushed_ = false;
};

GridUndo::GridUndo(CTevView& view, CTevDoc& document) : view_(view), document_(document) {
    stack_.setUndoLimit(kStepLimit);
    kept_ = Capture();
    // A commit is one step when the event that committed it is over.
    connect(&view, &CTevView::CellChanged, this, &GridUndo::ScheduleFlush);
    connect(&view, &CTevView::FormListChanged, this, &GridUndo::ScheduleFlush);
    // Unchanged again: saved, or made new or opened (and then Reset follows).
    connect(&document, &CTevDoc::ModifiedChanged, this, [this](bool modified) {
        if (!modified) {
            Rebase();
            stack_.setClean();
            emit HistoryChanged();
        }
    });
}

DocumentState GridUndo::Capture() const {
    return CaptureDocument(document_.Image(), view_.Form());
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
    stack_.clear();
    bulk_ = false;
    kept_ = Capture();
    stack_.setClean();
    emit HistoryChanged();
}

void GridUndo::Flush() {
    if (bulk_) {
        return;
    }
    DocumentState now = Capture();
    if (now == kept_) {
        return;
    }
    UndoStep step = DiffDocument(kept_, now);
    kept_ = std::move(now);
    auto* command = new DocumentStepCommand(*this, std::move(step));
    command->setText(nextName_);
    nextName_.clear();
    stack_.push(command);
    emit HistoryChanged();
}

void GridUndo::Rebase() {
    if (!bulk_) {
        kept_ = Capture();
        nextName_.clear();
    }
}

void GridUndo::BeginBulkChange() {
    Flush();
    bulk_ = true;
    emit HistoryChanged();
}

void GridUndo::EndBulkChange() {
    bulk_ = false;
    Flush();
    emit HistoryChanged();
}

void GridUndo::Undo() {
    Walk(true);
}

void GridUndo::Redo() {
    Walk(false);
}

void GridUndo::Walk(bool back) {
    if (bulk_) {
        return;
    }
    ChannelTableView& table = view_.Table();
    const QWidget* focus = QApplication::focusWidget();
    const bool onTable = focus != nullptr && (focus == &table || table.isAncestorOf(focus));
    if (!table.Delegate().EditorHoldsChange()) {
        // An editor left as it was opened goes without a commit: committing an untouched empty
        // frequency would take the channel's tone with it.
        table.DropEditing();
        Flush();
        if (back) {
            stack_.undo();
        } else {
            stack_.redo();
        }
        document_.SetModifiedFlag(!stack_.isClean());
    } else if (back) {
        // Typing not yet committed is the last change: undoing it drops it, without the refusal
        // message a commit of half-typed text would bring.
        table.DropEditing();
    } else {
        // Typing is a new change, after which nothing is left to redo.
        table.Commit();
        Flush();
    }
    if (onTable) {
        table.setFocus(Qt::OtherFocusReason);
    }
    emit HistoryChanged();
}

void GridUndo::Applied(const UndoStep& step) {
    // Where the change is, so that the user sees what came back or went: the first cell of the
    // first channel it changed.
    if (const int channel = step.FirstChannel()) {
        const Language language = view_.Model().DisplayLanguage();
        const ChannelRowTexts before = DecodeChannel(kept_.image, channel, language);
        const ChannelRowTexts after = DecodeChannel(document_.Image(), channel, language);
        int column = kColRxFrequency;
        while (column < kColName && before[static_cast<std::size_t>(column)] ==
                                        after[static_cast<std::size_t>(column)]) {
            ++column;
        }
        view_.Table().GoTo(channel, column);
    }
    kept_ = Capture();
    view_.ImageChanged();
}

} // namespace tevano
