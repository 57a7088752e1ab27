#include "grid/ui/UndoCommands.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "grid/ui/GridUndo.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

namespace tevano {

void AddUndoCommands(CommandRegistry& registry, GridUndo& history, ProgramWindow& window) {
    const QPointer<GridUndo> undo = &history;
    const QPointer<QWidget> frame = window.Widget();
    registry.AddCommand(res::cmd::kEditUndo, [undo] {
        if (undo != nullptr) {
            undo->Undo();
        }
    });
    registry.AddCommand(res::cmd::kEditRedo, [undo] {
        if (undo != nullptr) {
            undo->Redo();
        }
    });
    // The language switch makes new actions; they get their state when the history is told of
    // the switch, and every time a menu opens.
    const auto showState = [undo, frame, &window] {
        if (undo == nullptr || frame == nullptr) {
            return;
        }
        if (QAction* action = window.Action(res::cmd::kEditUndo)) {
            action->setEnabled(undo->CanUndo());
        }
        if (QAction* action = window.Action(res::cmd::kEditRedo)) {
            action->setEnabled(undo->CanRedo());
        }
    };
    QObject::connect(undo, &GridUndo::HistoryChanged, frame, showState);
    registry.AddMenuUpdate([undo, showState] {
        if (undo == nullptr) {
            return;
        }
        undo->Flush(); // a change whose event is not over yet (the menu opened inside it)
        showState();
    });
    showState();
}

} // namespace tevano
