// What the channel form sees of the keyboard and the mouse before its controls do: key-downs go
// to the channel editor first (the name edit's filter, Enter walking through the grid), and the
// mouse moving over the form picks the status bar's help text for the control under it.
#pragma once

#include "grid/ChannelEditor.h"

#include <QObject>

#include <QString>
#include <optional>

class QKeyEvent;
class QWidget;

namespace tevano {

class CTevView;

// The Windows virtual-key number of a Qt key, as the editor's key rules are written in.
int VirtualKeyOf(const QKeyEvent& event);

class FormPreTranslate : public QObject {
    Q_OBJECT

public:
    // Watches the whole application, since key-downs go to whichever control has the focus.
    FormPreTranslate(CTevView& view, ChannelEditor& editor);
    ~FormPreTranslate() override;

    FocusedControl FocusOf(const QWidget* widget, int& listColumn) const;

signals:
    void HelpText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKeyDown(QWidget* target, QKeyEvent& event);
    // The keys every table has: Escape drops the editing, Up and Down in an edit commit it and
    // move, F2 opens the current cell's editor. Nothing when the key is none of them.
    std::optional<bool> OnTableKey(FocusedControl focus, const QKeyEvent& event);
    void OnMouseOver(const QWidget* widget);
    bool OnForm(const QWidget* widget) const;

    CTevView& view_;
    ChannelEditor& editor_;
};

} // namespace tevano
