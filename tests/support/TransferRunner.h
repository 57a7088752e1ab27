// A transfer run from the program's window as the user runs one: the command opens the progress
// window, Start is pressed, and the caller waits, with a deadline, until the window has gone.
#pragma once

#include "radiolink/ui/CProgressDlg.h"
#include "shell/ui/CTevApp.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tevano::testing {

// The open progress window, found among the program's windows.
inline CProgressDlg* OpenProgressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<CProgressDlg*>(window); dialog && !dialog->isHidden()) {
            return dialog;
        }
    }
    return nullptr;
}

// Chooses Read From Radio or Write To Radio and presses Start in the progress window it opens;
// the window, or nullptr when none opened.
inline CProgressDlg* StartTransfer(CTevApp& app, int command) {
    app.OnCommand(command);
    CProgressDlg* dialog = OpenProgressWindow();
    if (dialog != nullptr) {
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    }
    return dialog;
}

// Waits until no progress window is open; false when one still was after `timeoutMs`.
inline bool ProgressWindowCloses(int timeoutMs) {
    return QTest::qWaitFor([] { return OpenProgressWindow() == nullptr; }, timeoutMs);
}

// Runs the transfer to the progress window's end; false when no window opened or it was still
// open after 30 seconds.
inline bool RunTransfer(CTevApp& app, int command) {
    return StartTransfer(app, command) != nullptr && ProgressWindowCloses(30000);
}

// Once the bar reaches `block`, does `action` at the exchange's next pump turn, as input that
// arrives while the radio is talked to.
inline void AtBlock(CProgressDlg* dialog, int block, std::function<void()> action) {
    QObject::connect(dialog->Bar(), &QProgressBar::valueChanged, dialog,
                     [dialog, block, action](int value) {
                         if (value == block) {
                             QTimer::singleShot(0, dialog, action);
                         }
                     });
}

} // namespace tevano::testing
