// Runs a command whose dialog is modal, and works with the dialog while it is open, as a user at
// the screen would: the test's steps run from the dialog's own event loop.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace tevano::testing {

// Returns whether a dialog of that class was open; `inside` gets it, and a dialog still open
// afterwards is closed as Escape closes it.
template <class Dialog>
bool WhileOpen(const std::function<void()>& runCommand,
               const std::function<void(Dialog&)>& inside) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
            return;
        }
        seen = true;
        inside(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    runCommand();
    return seen;
}

} // namespace tevano::testing
