#include "shell/ui/LockKeyWatcher.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

namespace tevano {

LockKeyWatcher::LockKeyWatcher(QLabel* caps, QLabel* num, QLabel* scroll, QObject* parent)
    : QObject(parent), capsPane_(caps), numPane_(num), scrollPane_(scroll) {
    Show();
}

void LockKeyWatcher::SetTexts(const QString& caps, const QString& num, const QString& scroll) {
    capsText_ = caps;
    numText_ = num;
    scrollText_ = scroll;
    Show();
}

bool LockKeyWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool before[3] = {caps_, num_, scroll_};
        switch (key->key()) {
        case Qt::Key_CapsLock:
            caps_ = !caps_;
            break;
        case Qt::Key_NumLock:
            num_ = !num_;
            break;
        case Qt::Key_ScrollLock:
            scroll_ = !scroll_;
            break;
        default: {
            // A letter tells Caps Lock: upper case without Shift, or lower case with it.
            const QString text = key->text();
            if (text.size() == 1 && text.at(0).isLetter() &&
                text.at(0).toUpper() != text.at(0).toLower()) {
                const bool shift = key->modifiers() & Qt::ShiftModifier;
                caps_ = text.at(0).isUpper() != shift;
            }
            // A keypad key tells Num Lock: digits while it is on, movement while it is off.
            if (key->modifiers() & Qt::KeypadModifier) {
                if (!text.isEmpty() && text.at(0).isDigit()) {
                    num_ = true;
                } else if (key->key() >= Qt::Key_Home && key->key() <= Qt::Key_PageDown) {
                    num_ = false;
                }
            }
        }
        }
        if (before[0] != caps_ || before[1] != num_ || before[2] != scroll_) {
            Show();
        }
    }
    return QObject::eventFilter(watched, event);
}

void LockKeyWatcher::Show() {
    capsPane_->setText(caps_ ? capsText_ : QString());
    numPane_->setText(num_ ? numText_ : QString());
    scrollPane_->setText(scroll_ ? scrollText_ : QString());
}

} // namespace tevano
