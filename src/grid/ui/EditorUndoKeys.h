// Ctrl+Z and Ctrl+Y inside a cell's editor (frequency, name, the tone list's edit field). While
// the editor holds typing of its own to undo or redo, the keys act on that typing; once there is
// none, they go on to the window's Undo and Redo of the channels, so the keys never seem dead.
#pragma once

#include <QObject>

class QWidget;

namespace tevano {

class EditorUndoKeys : public QObject {
    Q_OBJECT

public:
    explicit EditorUndoKeys(QObject* parent = nullptr);

    // `editor` is a line edit or an editable combo box.
    void Watch(QWidget* editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tevano
