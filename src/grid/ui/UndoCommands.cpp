#include "grid/ui/UndoCommands.h"

#include "grid/ui/CTevView.h"
#include "grid/ui/GridUndo.h"
#include "resources/CommandIds.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"

#include <QAction>
#include <QPointer>

namespace tevano {

void AddUndoCommands(CTevApp& app) {
    const QPointer<GridUndo> undo = &app.View()->Undo();
    const QPointer<CMainFrame> frame = app.MainFrame();
    app.AddCommand(res::cmd::kEditUndo, [undo] {
        if (undo != nullptr) {
            undo->Undo();
        }
    });
    app.AddCommand(res::cmd::kEditRedo, [undo] {
        if (undo != nullptr) {
            undo->Redo();
        }
    });
    // The language switch makes new actions; they get their state when the history is told of
    // the switch, and every time a menu opens.
    const auto showState = [undo, frame] {
        if (undo == nullptr || frame == nullptr) {
            return;
        }
        if (QAction* action = frame->Action(res::cmd::kEditUndo)) {
            action->setEnabled(undo->CanUndo());
        }
        if (QAction* action = frame->Action(res::cmd::kEditRedo)) {
            action->setEnabled(undo->CanRedo());
        }
    };
    QObject::connect(undo, &GridUndo::HistoryChanged, frame, showState);
    QObject::connect(frame, &CMainFrame::UpdateCommands, undo, [undo, showState] {
        undo->Flush(); // a change whose event is not over yet (the menu opened inside it)
        showState();
    });
    showState();
}

} // namespace tevano
