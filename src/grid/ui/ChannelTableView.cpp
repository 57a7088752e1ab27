#include "grid/ui/ChannelTableView.h"

#include "grid/Channel.h"
#include "grid/ChannelWords.h"
#include "grid/ui/ChannelTableModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace tevano {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;

bool IsControl(char32_t key) {
    return key < 32 || key == 127;
}

bool IsDigit(char32_t key) {
    return key >= '0' && key <= '9';
}

// What may start a name: a letter, a digit or "-".
bool StartsName(char32_t key) {
    return IsDigit(key) || (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z') || key == '-';
}

bool IsOptionList(int column) {
    return column >= kColBandwidth && column <= kColRepeatInvert;
}

} // namespace

ChannelTableView::ChannelTableView(QWidget* parent) : QTableView(parent) {
    delegate_ = new ChannelDelegate(this);
    setItemDelegate(delegate_);
    // Editors open as the channel tool opens them: a click, F2, a character typed on a cell.
    setEditTriggers(NoEditTriggers);
    // Cells with Shift and Ctrl, whole channels by their numbers.
    setSelectionMode(ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setSelectionBehavior(SelectItems);
    // Tab walks through an open editor's channel; with nothing open it leaves the table.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(true);
    horizontalHeader()->setSectionsClickable(false);
    connect(delegate_, &ChannelDelegate::KeyInEditor, this, &ChannelTableView::OnEditorKey);
}

void ChannelTableView::SetChannelModel(ChannelTableModel* model) {
    model_ = model;
    setModel(model);
    // Shown once the commit is over, so that the message box never interrupts one.
    connect(model, &ChannelTableModel::Refused, this, [this](MessageId id) {
        pending_.push_back(id);
        QTimer::singleShot(0, this, &ChannelTableView::ShowPendingMessage);
    });
}

void ChannelTableView::ShowPendingMessage() {
    const std::vector<MessageId> messages = std::move(pending_);
    pending_.clear();
    for (const MessageId id : messages) {
        emit Message(id);
    }
}

void ChannelTableView::GoTo(int channel, int column) {
    if (model_ == nullptr) {
        return;
    }
    moving_ = true;
    setCurrentIndex(model_->index(channel - 1, column));
    moving_ = false;
}

void ChannelTableView::StartEditing(char32_t key) {
    const QModelIndex index = currentIndex();
    if (!index.isValid() || index.column() == kColChannel) {
        return;
    }
    if (!IsControl(key) && !IsDigit(key) && index.column() != kColName) {
        emit Message(MessageId::InputNumber);
    }
    moving_ = true;
    edit(index);
    moving_ = false;
    if (QWidget* editor = delegate_->OpenEditor()) {
        emit EditorOpened(editor);
        Prepare(editor, key);
        editor->setFocus(Qt::OtherFocusReason);
    }
}

// The editor's text as the user finds it. A typed character replaces what the cell holds (a
// non-digit too, after the "Please input Number" message); on an empty frequency cell only a
// digit is taken. Backspace opens it empty; a click, F2 and Enter open it with the cell's text,
// all selected. The clipboard is never used.
void ChannelTableView::Prepare(QWidget* editor, char32_t key) {
    const QString typed = IsControl(key) ? QString() : QString::fromUcs4(&key, 1);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (key == kBackspace) {
            edit->clear();
        } else if (currentIndex().column() == kColName && !typed.isEmpty()) {
            edit->setText(typed.toUpper());
        } else if (!typed.isEmpty()) {
            edit->setText(!edit->text().isEmpty() || IsDigit(key) ? typed : QString());
        }
        return;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list != nullptr && list->isEditable()) {
        if (key == kBackspace) {
            list->setEditText(QString());
        } else if (!typed.isEmpty()) {
            list->setEditText(typed);
            list->lineEdit()->deselect();
        }
    }
}

void ChannelTableView::Commit() {
    if (QWidget* editor = delegate_->OpenEditor()) {
        CommitEditor(editor, false);
        // The editor is closed: what the commit brought is said before anything goes on.
        ShowPendingMessage();
    }
}

void ChannelTableView::DropEditing() {
    if (QWidget* editor = delegate_->OpenEditor()) {
        const bool hadFocus = editor->hasFocus();
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        if (hadFocus) {
            setFocus(Qt::OtherFocusReason);
        }
    }
}

void ChannelTableView::CommitEditor(QWidget* editor, bool byEnter) {
    if (model_ != nullptr) {
        model_->SetCommitWay(byEnter ? CommitWay::Enter : CommitWay::Leave);
    }
    commitData(editor);
    if (model_ != nullptr) {
        model_->SetCommitWay(CommitWay::Leave);
    }
    const bool hadFocus = editor->hasFocus();
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
}

void ChannelTableView::OnEditorKey(QWidget* editor, ChannelDelegate::EditorKey key) {
    const QModelIndex index = currentIndex();
    switch (key) {
    case ChannelDelegate::EditorKey::Enter:
        if (const int column = SelectedColumn(); column == index.column()) {
            Fill(editor, column);
            break;
        }
        [[fallthrough]];
    case ChannelDelegate::EditorKey::Tab:
        CommitEditor(editor, true);
        ShowPendingMessage();
        WalkOn();
        break;
    case ChannelDelegate::EditorKey::BackTab:
        CommitEditor(editor, false);
        ShowPendingMessage();
        WalkBack();
        break;
    case ChannelDelegate::EditorKey::Up:
    case ChannelDelegate::EditorKey::Down: {
        CommitEditor(editor, false);
        ShowPendingMessage();
        const int step = key == ChannelDelegate::EditorKey::Up ? -1 : 1;
        const int channel = std::clamp(ChannelTableModel::ChannelOf(index) + step, 1, kChannelCount);
        GoTo(channel, index.column());
        break;
    }
    }
}

std::vector<int> ChannelTableView::SelectedChannels() const {
    std::vector<int> channels;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        channels.push_back(ChannelTableModel::ChannelOf(index));
    }
    if (channels.empty() && currentIndex().isValid()) {
        channels.push_back(ChannelTableModel::ChannelOf(currentIndex()));
    }
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

void ChannelTableView::SelectChannels(const std::vector<int>& channels) {
    if (model_ == nullptr || channels.empty()) {
        return;
    }
    const int column = std::max(currentIndex().column(), static_cast<int>(kColRxFrequency));
    GoTo(channels.front(), column);
    QItemSelection selection;
    for (const int channel : channels) {
        selection.select(model_->index(channel - 1, 0), model_->index(channel - 1, kColName));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int ChannelTableView::SelectedColumn() const {
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.size() < 2) {
        return 0;
    }
    const int column = cells.front().column();
    for (const QModelIndex& cell : cells) {
        if (cell.column() != column) {
            return 0;
        }
    }
    return column;
}

// One value into every selected channel in use, each through the rules; a channel whose rules
// refuse it keeps what it had.
void ChannelTableView::Fill(QWidget* editor, int column) {
    const QVariant value = ChannelDelegate::EditorValue(editor);
    const bool hadFocus = editor->hasFocus();
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
    if (!value.isValid() || model_ == nullptr) {
        return;
    }
    std::vector<int> filled;
    std::vector<int> refused;
    for (const int channel : SelectedChannels()) {
        if (!ReadChannel(model_->Image(), channel).Used()) {
            continue;
        }
        const RuleVerdict verdict = model_->Verdict(channel, column, value, CommitWay::Enter);
        if (verdict.message) {
            refused.push_back(channel);
        } else {
            model_->Write(channel, verdict.channel);
            filled.push_back(channel);
        }
    }
    emit Filled(column, filled, refused);
}

// Whole channels from the anchor's row to `row`.
void ChannelTableView::SelectRowsTo(int row, QItemSelectionModel::SelectionFlags how) {
    const int from = currentIndex().isValid() ? currentIndex().row() : row;
    QItemSelection rows(model_->index(std::min(from, row), 0),
                        model_->index(std::max(from, row), kColName));
    selectionModel()->select(rows, how);
}

// On to the next cell of the channel, from its name to the next channel's receive frequency;
// channel 128's name leaves the table.
void ChannelTableView::WalkOn() {
    const QModelIndex index = currentIndex();
    const int channel = ChannelTableModel::ChannelOf(index);
    if (index.column() < kColName) {
        GoTo(channel, index.column() + 1);
    } else if (channel < kChannelCount) {
        GoTo(channel + 1, kColRxFrequency);
    } else {
        focusNextChild();
        return;
    }
    StartEditing(kEnter);
}

// Back to the previous cell; from channel 1's receive frequency out of the table.
void ChannelTableView::WalkBack() {
    const QModelIndex index = currentIndex();
    const int channel = ChannelTableModel::ChannelOf(index);
    if (index.column() > kColRxFrequency) {
        GoTo(channel, index.column() - 1);
    } else if (channel > 1) {
        GoTo(channel - 1, kColName);
    } else {
        focusPreviousChild();
        return;
    }
    StartEditing(kEnter);
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex index = currentIndex();
    const int column = index.isValid() ? index.column() : kColChannel;
    switch (event->key()) {
    case Qt::Key_F2:
        StartEditing(0);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on a cell moves right; on "Scan" it leaves the table as Tab does.
        if (column == kColScan) {
            focusNextChild();
        } else if (index.isValid() && column < kColName) {
            GoTo(ChannelTableModel::ChannelOf(index), column + 1);
        }
        return;
    case Qt::Key_Backspace:
        StartEditing(kBackspace);
        return;
    case Qt::Key_Space:
        // Shift+Space selects the channels of the selected cells whole.
        if (event->modifiers() == Qt::ShiftModifier) {
            SelectChannels(SelectedChannels());
            return;
        }
        break;
    default:
        break;
    }
    const QString text = event->text();
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                              Qt::MetaModifier)) == 0;
    if (plain && !text.isEmpty() && column != kColChannel) {
        const char32_t key = text.toUcs4().front();
        if (!IsControl(key)) {
            if (column != kColName) {
                StartEditing(key == ' ' && IsOptionList(column) ? 0 : key);
            } else if (StartsName(key)) {
                StartEditing(key);
            }
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const Qt::KeyboardModifiers keys = event->modifiers();
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() == kColChannel) {
        // A channel's number selects the channel whole; Shift from the current one, Ctrl adds.
        Commit();
        const auto rows = QItemSelectionModel::Rows;
        if (keys.testFlag(Qt::ShiftModifier)) {
            SelectRowsTo(index.row(), QItemSelectionModel::ClearAndSelect | rows);
        } else {
            selectionModel()->setCurrentIndex(
                index.sibling(index.row(), kColRxFrequency),
                (keys.testFlag(Qt::ControlModifier) ? QItemSelectionModel::Toggle
                                                    : QItemSelectionModel::ClearAndSelect) |
                    rows);
        }
        return;
    }
    QTableView::mousePressEvent(event);
    ShowPendingMessage(); // what leaving the cell being edited brought
    const bool plain = (keys & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    if (event->button() == Qt::LeftButton && plain && index.isValid() &&
        index == currentIndex() && index.column() != kColChannel && !Editing()) {
        StartEditing(0);
    }
}

void ChannelTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && !Editing()) {
        StartEditing(0);
    }
}

// Scrolling commits the cell being edited, as leaving it does.
void ChannelTableView::scrollContentsBy(int dx, int dy) {
    if (!moving_ && Editing()) {
        Commit();
    }
    QTableView::scrollContentsBy(dx, dy);
}

void ChannelTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // The channel numbers of the rows left and entered are drawn again (the current one marked).
    if (model_ != nullptr) {
        update(model_->index(previous.row(), kColChannel));
        update(model_->index(current.row(), kColChannel));
        model_->MarkColumn(current.isValid() ? current.column() : 0);
    }
}

} // namespace tevano
