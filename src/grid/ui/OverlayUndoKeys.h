// Ctrl+Z and Ctrl+Y inside the overlay edits (frequency, name, the tone list's edit field). While
// the edit holds typing of its own to undo or redo, the keys act on that typing; once there is
// none, they go on to the window's Undo and Redo of the channels. Without this the edit would
// take every Ctrl+Z for itself, and since an edit is open on nearly every cell the user is on,
// the keys would seem dead.
#pragma once

#include <QObject>

class QWidget;

namespace tevano {

class OverlayUndoKeys : public QObject {
    Q_OBJECT

public:
    explicit OverlayUndoKeys(QObject* parent = nullptr);

    // `overlay` is a line edit or an editable combo box.
    void Watch(QWidget* overlay);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tevano
