#include "grid/ui/FormPreTranslate.h"

#include "base/Messages.h"
#include "grid/ChannelWords.h"
#include "grid/GridKeys.h"
#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"
#include "image/RadioImage.h"
#include "shell/DisplayLanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tevano {

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? vk::kNumpad0 : vk::kDigit0) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return vk::kLetterA + (key - Qt::Key_A);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return vk::kBackspace;
    case Qt::Key_Tab:
        return event.modifiers().testFlag(Qt::ShiftModifier) ? vk::kShiftTab : vk::kTab;
    case Qt::Key_Backtab:
        return vk::kShiftTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::kEnter;
    case Qt::Key_Shift:
        return vk::kShift;
    case Qt::Key_Control:
        return vk::kControl;
    case Qt::Key_Alt:
        return vk::kAlt;
    case Qt::Key_Escape:
        return vk::kEscape;
    case Qt::Key_Space:
        return vk::kSpace;
    case Qt::Key_End:
        return vk::kEnd;
    case Qt::Key_Home:
        return vk::kHome;
    case Qt::Key_Left:
        return vk::kLeft;
    case Qt::Key_Up:
        return vk::kUp;
    case Qt::Key_Right:
        return vk::kRight;
    case Qt::Key_Down:
        return vk::kDown;
    case Qt::Key_Delete:
        return vk::kDelete;
    case Qt::Key_Minus:
        // The keypad's minus is a key of its own, which a name does not take.
        return keypad ? vk::kOther : vk::kMinus;
    default:
        // Punctuation, the shifted digits, function keys: nothing a name holds.
        return vk::kOther;
    }
}

FormPreTranslate::FormPreTranslate(CTevView& view, ChannelEditor& editor)
    : view_(view), editor_(editor) {
    qApp->installEventFilter(this);
}

FormPreTranslate::~FormPreTranslate() {
    qApp->removeEventFilter(this);
}

bool FormPreTranslate::OnForm(const QWidget* widget) const {
    return widget != nullptr && (widget == &view_ || view_.isAncestorOf(widget));
}

FocusedControl FormPreTranslate::FocusOf(const QWidget* widget, int& listColumn) const {
    listColumn = 0;
    if (widget == &view_.Grid()) {
        return FocusedControl::Grid;
    }
    if (widget == view_.FrequencyEdit()) {
        return FocusedControl::FrequencyEdit;
    }
    if (widget == view_.NameEdit()) {
        return FocusedControl::NameEdit;
    }
    // The tone list's line edit hands its focus to the combo box: keys typed into the edit
    // field reach the combo box first.
    if (widget != nullptr &&
        (widget == view_.ToneList() || widget == view_.ToneList()->lineEdit())) {
        return FocusedControl::ToneEditField;
    }
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        if (widget != nullptr && widget == view_.OverlayList(col)) {
            listColumn = col;
            return FocusedControl::OptionList;
        }
    }
    return FocusedControl::Other;
}

bool FormPreTranslate::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        // A key the focused control passes on reaches its parents too; it is seen once.
        if (widget == QApplication::focusWidget() && OnForm(widget)) {
            return OnKeyDown(widget, static_cast<QKeyEvent&>(*event));
        }
        return false;
    case QEvent::FocusIn:
        // The help follows the keyboard as well as the mouse.
        if (widget == QApplication::focusWidget() && OnForm(widget)) {
            OnMouseOver(widget);
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::Enter:
        // A move the control ignores goes on to its parents; the control under the mouse is
        // the deepest one at the mouse's place, whichever of them sees the event.
        if (OnForm(widget)) {
            const QPoint place =
                view_.mapFromGlobal(static_cast<QSinglePointEvent*>(event)->globalPosition())
                    .toPoint();
            const QWidget* under = view_.childAt(place);
            OnMouseOver(under != nullptr ? under : &view_);
        }
        return false;
    default:
        return false;
    }
}

std::optional<bool> FormPreTranslate::OnTableKey(FocusedControl focus, const QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier) {
        return std::nullopt;
    }
    CMSFlexGrid& grid = view_.Grid();
    const bool inEdit = focus == FocusedControl::FrequencyEdit || focus == FocusedControl::NameEdit;
    const bool inEditor = inEdit || focus == FocusedControl::ToneEditField ||
                          focus == FocusedControl::ToneList || focus == FocusedControl::OptionList;
    switch (event.key()) {
    case Qt::Key_Escape:
        if (!inEditor) {
            return std::nullopt;
        }
        // The typing goes; the cell keeps what it showed.
        view_.DropEditing();
        view_.ReloadCurrentCell();
        grid.setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!inEdit) {
            return std::nullopt;
        }
        // As scrolling commits: a refused value gets its message and keeps its editor open.
        if (!editor_.Scroll()) {
            return true;
        }
        const int row = grid.Row() + (event.key() == Qt::Key_Up ? -1 : 1);
        if (row >= 1 && row <= kChannelCount) {
            grid.SetRow(row);
        }
        grid.setFocus(Qt::OtherFocusReason);
        return true;
    }
    case Qt::Key_F2:
        if (focus != FocusedControl::Grid || grid.Row() < 1 || grid.Col() < 1) {
            return std::nullopt;
        }
        editor_.StartEditing(0);
        return true;
    default:
        return std::nullopt;
    }
}

bool FormPreTranslate::OnKeyDown(QWidget* target, QKeyEvent& event) {
    int listColumn = 0;
    const FocusedControl focus = FocusOf(target, listColumn);
    if (const std::optional<bool> handled = OnTableKey(focus, event)) {
        return *handled;
    }
    const KeyOutcome outcome = editor_.PreTranslateKeyDown(focus, VirtualKeyOf(event), listColumn);
    switch (outcome) {
    case KeyOutcome::PassOn:
        return false;
    case KeyOutcome::Swallow:
        return true;
    case KeyOutcome::Tab:
    case KeyOutcome::ShiftTab: {
        // From the grid or one of its overlays, Tab leaves the grid for the next control.
        QWidget* from = target;
        if (from == &view_.Grid() || view_.Grid().isAncestorOf(from)) {
            from = &view_.Grid();
            from->setFocus(Qt::TabFocusReason);
        }
        QKeyEvent tab(QEvent::KeyPress, outcome == KeyOutcome::Tab ? Qt::Key_Tab : Qt::Key_Backtab,
                      outcome == KeyOutcome::Tab ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(from, &tab);
        return true;
    }
    case KeyOutcome::RightArrow: {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &right);
        return true;
    }
    }
    return false;
}

// A list (its edit field too), the grid with everything on it but the edits, or anything else.
void FormPreTranslate::OnMouseOver(const QWidget* widget) {
    TextId help = TextId::HelpOther;
    for (const QWidget* w = widget; w != nullptr && w != &view_; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) != nullptr) {
            help = TextId::HelpList;
            break;
        }
    }
    for (const QWidget* w = widget; help == TextId::HelpOther && w != nullptr && w != &view_;
         w = w->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(w) != nullptr) {
            break;
        }
        if (w == &view_.Grid()) {
            help = TextId::HelpGrid;
        }
    }
    emit HelpText(QString::fromStdString(UiText(help, DisplayedLanguage())));
}

} // namespace tevano
