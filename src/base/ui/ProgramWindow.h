// The program's main window as the subsystems' commands see it: the parent of the dialogs and
// message boxes they open, the menu action of a command (for its check mark or enabled state),
// and the status bar's note of what a command did.
#pragma once

class QAction;
class QString;
class QWidget;

namespace tevano {

class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;

    // The window itself.
    virtual QWidget* Widget() = 0;
    // The menu item (and toolbar button) of a command; nullptr when the menus have none. A
    // language switch makes new ones.
    virtual QAction* Action(int commandId) const = 0;
    // Pane 0 of the status bar keeps the text until the user next clicks or types in the window.
    virtual void ShowNote(const QString& text) = 0;

protected:
    ProgramWindow() = default;
    ProgramWindow(const ProgramWindow&) = default;
    ProgramWindow& operator=(const ProgramWindow&) = default;
};

} // namespace tevano
