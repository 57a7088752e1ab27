#include "grid/ui/FormHelp.h"

#include "base/Messages.h"
#include "shell/DisplayLanguage.h"

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>

namespace tevano {

FormHelp::FormHelp(QWidget& form, const QWidget& table) : QObject(&form), form_(form), table_(table) {
    Watch(&form);
}

void FormHelp::Watch(QWidget* widget) {
    widget->installEventFilter(this);
    // The help follows the mouse over every control, not only while a button is held.
    widget->setMouseTracking(true);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
        child->setMouseTracking(true);
    }
}

bool FormHelp::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) {
            Watch(child);
        }
        break;
    case QEvent::FocusIn:
        if (widget == QApplication::focusWidget()) {
            Show(widget);
        }
        break;
    case QEvent::MouseMove:
    case QEvent::Enter: {
        // The control under the mouse is the deepest one at its place, whichever sees the event.
        const QPoint place =
            form_.mapFromGlobal(static_cast<QSinglePointEvent*>(event)->globalPosition()).toPoint();
        const QWidget* under = form_.childAt(place);
        Show(under != nullptr ? under : &form_);
        break;
    }
    default:
        break;
    }
    return false;
}

// A list (its edit field too), the table with everything on it but the edits, or anything else.
void FormHelp::Show(const QWidget* widget) {
    TextId help = TextId::HelpOther;
    for (const QWidget* w = widget; w != nullptr && w != &form_; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) != nullptr) {
            help = TextId::HelpList;
            break;
        }
    }
    for (const QWidget* w = widget; help == TextId::HelpOther && w != nullptr && w != &form_;
         w = w->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(w) != nullptr) {
            break;
        }
        if (w == &table_) {
            help = TextId::HelpGrid;
        }
    }
    emit HelpText(QString::fromStdString(UiText(help, DisplayedLanguage())));
}

} // namespace tevano
