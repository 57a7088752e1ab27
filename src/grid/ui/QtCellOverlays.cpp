#include "grid/ui/QtCellOverlays.h"

#include "base/FillText.h"
#include "base/ui/QtText.h"
#include "grid/ChannelWords.h"
#include "grid/ui/CMSFlexGrid.h"
#include "shell/DisplayLanguage.h"

#include <QComboBox>
#include <QLineEdit>

namespace tevano {

namespace {

// Names an overlay by the cell it edits, the grid's current one, for a screen reader. A list
// is read by its entry on Linux, so it carries the cell in its description too.
void NameByCell(QWidget* overlay) {
    const auto* grid = qobject_cast<const CMSFlexGrid*>(overlay->parentWidget());
    if (grid == nullptr) {
        return;
    }
    const QString name =
        ToQt(FillText(words::kCellEditor.In(DisplayedLanguage()),
                      {{"<channel>", std::to_string(grid->Row())},
                       {"<column>", FromQt(ToQt(grid->TextMatrix(0, grid->Col())).trimmed())}}));
    overlay->setAccessibleName(name);
    overlay->setAccessibleDescription(name);
}

} // namespace

void QtOverlayEdit::Show() {
    NameByCell(edit_);
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
    NameByCell(combo_);
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
