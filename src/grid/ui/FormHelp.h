// The status bar's help text for the channel form: for the control under the mouse, and for
// the control that takes the keyboard focus. A list, the table, or anything else.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace tevano {

class FormHelp : public QObject {
    Q_OBJECT

public:
    // Watches the form and every control on it, those made later (the table's editors) too.
    FormHelp(QWidget& form, const QWidget& table);

signals:
    void HelpText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* widget);
    void Show(const QWidget* widget);

    QWidget& form_;
    const QWidget& table_;
};

} // namespace tevano
