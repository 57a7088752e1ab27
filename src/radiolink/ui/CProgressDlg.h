// The progress dialog of Read From Radio and Write To Radio (template 133): the user starts the
// transfer with Start, watches the bar and the status line count the blocks, and stops it with
// Cancel. Moving the dialog or switching away from it while the radio is read stops the read; a
// write, which would leave the radio half-written, stops only when the user confirms a Cancel.
#pragma once

#include "resources/ResourceTypes.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tevano {

class UserPrompts;

class CProgressDlg : public QDialog {
    Q_OBJECT

public:
    // The window of one transfer, captioned with the title of the command that opened it.
    CProgressDlg(const res::DialogTemplate& dialog, const QString& title, UserPrompts& prompts,
                 QWidget* parent);

    // Start has been pressed: a disabled Start is how the dialog knows that a transfer runs.
    bool Running() const;

    // Another direction chosen before Start: the caption names it, the status line reads as
    // before any transfer. A running transfer keeps the caption it started with.
    void Retitle(const QString& title);

    // The transfer started writes to the radio: a stray click or move must not stop it.
    void SetWriting(bool writing) { writing_ = writing; }

    // Set by Cancel, by a move and by leaving the dialog; the exchange ends at its next check.
    bool CancelRequested() const { return cancelRequested_; }

    // While set, leaving the dialog counts as an interruption. The exchange clears it around its
    // own message boxes, which take the activation away from the dialog.
    bool InterruptionWatch() const { return interruptionWatch_; }
    void SetInterruptionWatch(bool watching) { interruptionWatch_ = watching; }

    void ShowStatus(const QString& text);
    // After each block: the status line counts the blocks; the bar follows them to its end.
    void StepProgress(int blocksDone);
    void FillBar();

    QPushButton* StartButton() const { return start_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Bar() const { return bar_; }
    QLabel* StatusLine() const { return status_; }

signals:
    // Start was pressed. Connected queued, so that the transfer runs from the event loop and not
    // inside the button's click.
    void StartTransfer();

public slots:
    // Cancel, Esc and the close box.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void OnStart();
    void ShowInterruption();

    UserPrompts& prompts_;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QString notStarted_; // the status line's text before Start
    bool cancelRequested_ = false;
    bool interruptionWatch_ = true;
    // The interruption message is open: a drag goes on moving the window under it, and each
    // further move would stack another copy of the same message.
    bool interruptionShown_ = false;
    bool writing_ = false;
    bool stopAsked_ = false; // the stop-writing question is open
};

} // namespace tevano
