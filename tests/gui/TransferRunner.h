// A transfer run from the program's window as the user runs one: the command opens the progress
// window, Start is pressed, and the test waits, with a deadline, until the window has gone.
#pragma once

#include "ProgramFixture.h"

#include "radiolink/ui/CProgressDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

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

// Runs Read From Radio or Write To Radio to the progress window's end; false when no window
// opened or it was still open after 30 seconds.
inline bool RunTransfer(ProgramFixture& program, int command) {
    program.App().OnCommand(command);
    CProgressDlg* dialog = OpenProgressWindow();
    if (dialog == nullptr) {
        return false;
    }
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    while (OpenProgressWindow() != nullptr && timer.elapsed() < 30000) {
        QTest::qWait(20);
    }
    return OpenProgressWindow() == nullptr;
}

} // namespace tevano::testing
