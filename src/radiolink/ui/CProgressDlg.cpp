#include "radiolink/ui/CProgressDlg.h"

#include "base/ui/UserPrompts.h"
#include "radiolink/ExchangeHook.h"
#include "resources/layout/ProgressLayout.h"
#include "resources/ui/DialogBuilder.h"
#include "shell/DisplayLanguage.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace tevano {

CProgressDlg::CProgressDlg(const res::DialogTemplate& dialog, const QString& title,
                           UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setWindowTitle(title);
    const BuiltDialog built(dialog, this);
    setFixedSize(built.Size());
    start_ = built.As<QPushButton>(res::progress::kStart);
    cancel_ = built.As<QPushButton>(res::progress::kCancel);
    bar_ = built.As<QProgressBar>(res::progress::kProgressBar);
    status_ = built.As<QLabel>(res::progress::kStatusLine);
    if (status_ != nullptr) {
        notStarted_ = status_->text();
    }
    if (bar_ != nullptr) {
        bar_->setRange(0, kProgressBarEnd);
        bar_->setValue(0);
    }
    if (start_ != nullptr) {
        start_->setEnabled(true);
        connect(start_, &QPushButton::clicked, this, &CProgressDlg::OnStart);
    }
    if (cancel_ != nullptr) {
        connect(cancel_, &QPushButton::clicked, this, &CProgressDlg::reject);
    }
}

bool CProgressDlg::Running() const {
    return start_ != nullptr && !start_->isEnabled();
}

void CProgressDlg::Retitle(const QString& title) {
    if (Running()) {
        return;
    }
    setWindowTitle(title);
    ShowStatus(notStarted_);
}

void CProgressDlg::ShowStatus(const QString& text) {
    if (status_ != nullptr) {
        status_->setText(text);
    }
}

void CProgressDlg::StepProgress(int blocksDone) {
    if (bar_ != nullptr) {
        bar_->setValue(std::min(blocksDone, kProgressBarEnd));
    }
    ShowStatus(QString::number(blocksDone));
}

void CProgressDlg::FillBar() {
    if (bar_ != nullptr) {
        bar_->setValue(kProgressBarEnd);
    }
}

void CProgressDlg::OnStart() {
    if (Running()) {
        return;
    }
    start_->setEnabled(false);
    emit StartTransfer();
}

void CProgressDlg::reject() {
    if (Running() && writing_) {
        // A write stopped halfway leaves the radio unusable until written again: ask first.
        if (stopAsked_ || cancelRequested_) {
            return;
        }
        stopAsked_ = true;
        const QPointer<CProgressDlg> self(this);
        const Answer answer = prompts_.Show(this, MessageId::StopWriting, DisplayedLanguage());
        if (!self) {
            return;
        }
        stopAsked_ = false;
        if (answer != Answer::Yes) {
            return;
        }
    }
    cancelRequested_ = true;
    if (Running()) {
        // The exchange sees the flag at its next check, lets go of the port and closes the window.
        return;
    }
    QDialog::reject();
    deleteLater();
}

bool CProgressDlg::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowDeactivate && !cancelRequested_ && Running() &&
        interruptionWatch_ && !writing_) {
        cancelRequested_ = true;
        ShowInterruption();
    }
    return handled;
}

void CProgressDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // Dragging the window while the radio is read stops the read, whether or not it has been
    // stopped already; before Start, and during a write, a move is only a move.
    if (Running() && !writing_) {
        cancelRequested_ = true;
        ShowInterruption();
    }
}

void CProgressDlg::ShowInterruption() {
    if (interruptionShown_) {
        return;
    }
    interruptionShown_ = true;
    const QPointer<CProgressDlg> self(this);
    prompts_.Show(this, MessageId::TransferInterrupted, DisplayedLanguage());
    if (self) {
        interruptionShown_ = false;
    }
}

} // namespace tevano
