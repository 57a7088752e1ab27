#include "grid/ui/EditorUndoKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tevano {

namespace {

enum class UndoKey { None, Undo, Redo };

UndoKey UndoKeyOf(const QKeyEvent& event) {
    if (event.modifiers() != Qt::ControlModifier) {
        return UndoKey::None;
    }
    switch (event.key()) {
    case Qt::Key_Z:
        return UndoKey::Undo;
    case Qt::Key_Y:
        return UndoKey::Redo;
    default:
        return UndoKey::None;
    }
}

QLineEdit* LineEditOf(QObject* editor) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        return edit;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        return combo->lineEdit();
    }
    return nullptr;
}

// Whether the edit has typing of its own for the key to act on.
bool EditTakes(const QLineEdit& edit, UndoKey key) {
    return key == UndoKey::Undo ? edit.isUndoAvailable() : edit.isRedoAvailable();
}

} // namespace

EditorUndoKeys::EditorUndoKeys(QObject* parent) : QObject(parent) {}

void EditorUndoKeys::Watch(QWidget* editor) {
    if (editor != nullptr) {
        editor->installEventFilter(this);
    }
}

bool EditorUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return false;
    }
    auto& keyEvent = static_cast<QKeyEvent&>(*event);
    const UndoKey key = UndoKeyOf(keyEvent);
    QLineEdit* edit = LineEditOf(watched);
    if (key == UndoKey::None || edit == nullptr) {
        return false;
    }
    if (!EditTakes(*edit, key)) {
        // Not taken here: the window's shortcut gets the key.
        keyEvent.ignore();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        keyEvent.accept(); // the key comes to the edit as a key press
        return true;
    }
    // Done here rather than left to the edit, whose own keys for redo depend on the desktop.
    if (key == UndoKey::Undo) {
        edit->undo();
    } else {
        edit->redo();
    }
    return true;
}

} // namespace tevano
