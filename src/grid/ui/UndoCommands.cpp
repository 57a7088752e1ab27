#include "grid/ui/UndoCommands.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "grid/ui/GridUndo.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

namespace tevano {

namespace {

// The menu item's own words, kept before a step's name is added to them.
constexpr const char* kMenuWords = "tevanoMenuWords";

} // namespace

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
        // "Undo Move Channels": the words of the menu with the step's name.
        const auto show = [](QAction* action, bool enabled, const QString& step) {
            if (action == nullptr) {
                return;
            }
            if (!action->property(kMenuWords).isValid()) {
                action->setProperty(kMenuWords, action->text());
            }
            const QString words = action->property(kMenuWords).toString();
            action->setText(enabled && !step.isEmpty() ? words + " " + step : words);
            action->setEnabled(enabled);
        };
        show(window.Action(res::cmd::kEditUndo), undo->CanUndo(), undo->Stack().undoText());
        show(window.Action(res::cmd::kEditRedo), undo->CanRedo(), undo->Stack().redoText());
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
