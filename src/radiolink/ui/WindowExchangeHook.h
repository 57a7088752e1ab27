// How the clone exchange reaches the user of the desktop program: the progress dialog's status
// line, bar and flags, the program's message boxes, and the pump turns that keep the window
// answering while the exchange holds the thread.
#pragma once

#include "radiolink/ExchangeHook.h"

#include <QPointer>

class QWidget;

namespace tevano {

class CProgressDlg;
class UserPrompts;

class WindowExchangeHook : public ExchangeHook {
public:
    // Message boxes go over the progress dialog, or over `window` once the dialog is gone.
    WindowExchangeHook(CProgressDlg* dialog, UserPrompts& prompts, QWidget* window);

    void PumpTurn() override;
    // A dialog that is gone counts as a cancel: there is nobody left to show the transfer to.
    bool CancelRequested() override;
    void ShowStatus(TextId text) override;
    void StepProgress(int blocksDone) override;
    void SetInterruptionWatch(bool watching) override;
    Answer Ask(MessageId message) override;

private:
    QPointer<CProgressDlg> dialog_;
    UserPrompts& prompts_;
    QPointer<QWidget> window_;
};

} // namespace tevano
