#include "grid/ui/ChannelDelegate.h"

#include "base/FillText.h"
#include "base/ui/QtText.h"
#include "grid/ChannelRules.h"
#include "grid/ChannelWords.h"
#include "grid/ui/ChannelTableModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace tevano {

namespace {

// A channel name as the radio shows it: capitals, digits, "-" and the blank; letters typed or
// pasted in small are made capitals.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        input = input.toUpper();
        for (const QChar c : input) {
            const bool allowed = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                                 (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                                 c == QLatin1Char('-') || c == QLatin1Char(' ');
            if (!allowed) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

bool IsList(int column) {
    return column >= kColRxTone && column <= kColRepeatInvert;
}

} // namespace

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                       const QModelIndex& index) const {
    const auto* model = qobject_cast<const ChannelTableModel*>(index.model());
    if (model == nullptr || index.column() == kColChannel) {
        return nullptr;
    }
    const int column = index.column();
    const Language language = model->DisplayLanguage();
    QWidget* editor = nullptr;
    if (column == kColRxTone || column == kColTxTone) {
        auto* tones = new QComboBox(parent);
        tones->setEditable(true);
        // A typed tone is looked up on commit, never added to the list or completed on the way.
        tones->setInsertPolicy(QComboBox::NoInsert);
        tones->setCompleter(nullptr);
        for (const std::string& name : model->ToneNames()) {
            tones->addItem(ToQt(name));
        }
        editor = tones;
    } else if (IsList(column)) {
        auto* list = new QComboBox(parent);
        for (const OptionEntry& entry :
             OptionEntries(column, language, model->SwitchedHeaders())) {
            list->addItem(ToQt(entry.text), entry.value);
        }
        editor = list;
    } else {
        auto* edit = new QLineEdit(parent);
        if (column == kColName) {
            edit->setValidator(new NameValidator(edit));
            edit->setMaxLength(static_cast<int>(kChannelNameLength));
        }
        editor = edit;
    }
    const std::string header =
        FromQt(model->headerData(column, Qt::Horizontal).toString().trimmed());
    editor->setAccessibleName(ToQt(FillText(
        words::kCellEditor.In(language),
        {{"<channel>", std::to_string(ChannelTableModel::ChannelOf(index))}, {"<column>", header}},
        '<', '>')));
    editor_ = editor;
    index_ = index;
    return editor;
}

void ChannelDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == editor_) {
        editor_ = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
        return;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list == nullptr) {
        return;
    }
    if (list->isEditable()) {
        // The tone the cell shows, picked when the list has it.
        list->setCurrentIndex(list->findText(text, Qt::MatchFixedString));
        list->setEditText(text);
        list->lineEdit()->selectAll();
        return;
    }
    // The entry of the cell's value; the first entry on an empty channel's empty cell, and none
    // for a stored value no entry stands for.
    list->setCurrentIndex(
        text.isEmpty() ? 0 : list->findData(index.data(ChannelTableModel::kOptionValueRole)));
}

QVariant ChannelDelegate::EditorValue(const QWidget* editor) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) {
        return edit->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(editor)) {
        if (list->isEditable()) {
            return list->currentText();
        }
        if (list->currentIndex() >= 0) {
            return list->currentData();
        }
    }
    return {};
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    const QVariant value = EditorValue(editor);
    if (value.isValid()) {
        model->setData(index, value);
    }
}

bool ChannelDelegate::EditorHoldsChange() const {
    if (editor_ == nullptr || !index_.isValid()) {
        return false;
    }
    const QString cell = index_.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor_.data())) {
        return edit->text() != cell;
    }
    auto* list = qobject_cast<QComboBox*>(editor_.data());
    if (list == nullptr) {
        return false;
    }
    // A list on an empty channel commits nothing, whatever it shows.
    const bool emptyChannel =
        index_.sibling(index_.row(), kColRxFrequency).data().toString().isEmpty() &&
        index_.sibling(index_.row(), kColTxFrequency).data().toString().isEmpty();
    return !emptyChannel && list->currentText() != cell;
}

void ChannelDelegate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(parent());
    if (index.column() == kColChannel && view != nullptr &&
        view->currentIndex().row() == index.row()) {
        option->font.setBold(true);
        option->backgroundBrush = option->palette.brush(QPalette::Midlight);
    }
}

bool ChannelDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor != nullptr && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const auto* list = qobject_cast<const QComboBox*>(editor);
        const bool popupOpen = list != nullptr && list->view() != nullptr && list->view()->isVisible();
        const bool plain = (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
        if (!popupOpen && plain) {
            switch (key.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                emit KeyInEditor(editor, EditorKey::Enter);
                return true;
            case Qt::Key_Tab:
                emit KeyInEditor(editor, EditorKey::Tab);
                return true;
            case Qt::Key_Backtab:
                emit KeyInEditor(editor, EditorKey::BackTab);
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down:
                // A list moves through its entries; an edit commits and moves in the table.
                if (list == nullptr) {
                    emit KeyInEditor(editor, key.key() == Qt::Key_Up ? EditorKey::Up
                                                                     : EditorKey::Down);
                    return true;
                }
                break;
            default:
                break;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace tevano
