#include "radiolink/ui/WindowExchangeHook.h"

#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "radiolink/ui/CProgressDlg.h"
#include "shell/DisplayLanguage.h"

#include <QCoreApplication>

namespace tevano {

WindowExchangeHook::WindowExchangeHook(CProgressDlg* dialog, UserPrompts& prompts, QWidget* window)
    : dialog_(dialog), prompts_(prompts), window_(window) {}

void WindowExchangeHook::PumpTurn() {
    // Whatever input and painting is waiting, then straight back to the radio: the exchange's
    // reads block the thread, so this is when the window answers.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WindowExchangeHook::CancelRequested() {
    return dialog_ == nullptr || dialog_->CancelRequested();
}

void WindowExchangeHook::ShowStatus(TextId text) {
    if (dialog_ != nullptr) {
        dialog_->ShowStatus(ToQt(UiText(text, DisplayedLanguage())));
    }
}

void WindowExchangeHook::StepProgress(int blocksDone) {
    if (dialog_ != nullptr) {
        dialog_->StepProgress(blocksDone);
    }
}

void WindowExchangeHook::SetInterruptionWatch(bool watching) {
    if (dialog_ != nullptr) {
        dialog_->SetInterruptionWatch(watching);
    }
}

Answer WindowExchangeHook::Ask(MessageId message) {
    QWidget* parent = dialog_ != nullptr ? static_cast<QWidget*>(dialog_.data()) : window_.data();
    return prompts_.Show(parent, message, DisplayedLanguage());
}

} // namespace tevano
