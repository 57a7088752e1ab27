#include "grid/ui/QtCellOverlays.h"

#include "base/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>

namespace tevano {

void QtOverlayEdit::Show() {
    edit_->show();
    edit_->raise();
}

void QtOverlayEdit::Hide() {
    edit_->hide();
}

bool QtOverlayEdit::IsVisible() const {
    return edit_->isVisible();
}

void QtOverlayEdit::Place(int x, int y, int width, int height) {
    edit_->setGeometry(x, y, width, height);
}

void QtOverlayEdit::SetFocus() {
    edit_->setFocus(Qt::OtherFocusReason);
}

std::string QtOverlayEdit::Text() const {
    return FromQt(edit_->text());
}

void QtOverlayEdit::SetText(const std::string& text) {
    edit_->setText(ToQt(text));
}

void QtOverlayEdit::SelectAll() {
    edit_->selectAll();
}

void QtOverlayEdit::CaretToEnd() {
    edit_->deselect();
    edit_->end(false);
}

void QtOverlayList::Show() {
    combo_->show();
    combo_->raise();
}

void QtOverlayList::Hide() {
    combo_->hidePopup();
    combo_->hide();
}

bool QtOverlayList::IsVisible() const {
    return combo_->isVisible();
}

void QtOverlayList::Place(int x, int y, int width, int height) {
    combo_->setGeometry(x, y, width, std::max(height - kListDropDownPixels, 1));
}

void QtOverlayList::SetFocus() {
    combo_->setFocus(Qt::OtherFocusReason);
}

std::string QtOverlayList::EditText() const {
    return FromQt(combo_->currentText());
}

void QtOverlayList::SetEditText(const std::string& text) {
    if (QLineEdit* edit = combo_->lineEdit()) {
        edit->setText(ToQt(text));
        edit->end(false);
    }
}

void QtOverlayList::SelectEditText() {
    if (QLineEdit* edit = combo_->lineEdit()) {
        edit->selectAll();
    }
}

QValidator::State UpperCaseValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar& character : input) {
        if (character >= QLatin1Char('a') && character <= QLatin1Char('z')) {
            character = QChar(character.unicode() - 'a' + 'A');
        }
    }
    return Acceptable;
}

} // namespace tevano
