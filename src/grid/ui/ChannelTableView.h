// The channel table's keys and clicks: a click, F2 or a character typed on a cell opens its
// editor; Enter and Tab commit and walk through the channel and on to the next one's receive
// frequency, Shift+Tab walks back; Up and Down commit and move; Escape drops the typing. The
// focus stays in the table through every commit, refusal and Escape.
#pragma once

#include "base/Messages.h"
#include "grid/ui/ChannelDelegate.h"

#include <QTableView>

#include <vector>

namespace tevano {

class ChannelTableModel;

class ChannelTableView : public QTableView {
    Q_OBJECT

public:
    explicit ChannelTableView(QWidget* parent = nullptr);

    void SetChannelModel(ChannelTableModel* model);
    ChannelTableModel* ChannelModel() const { return model_; }
    ChannelDelegate& Delegate() { return *delegate_; }

    // Moves the current cell to a channel (1 to 128) and column, nothing being edited.
    void GoTo(int channel, int column);

    // Opens the current cell's editor as typing `key` on it does: 0 (a click, F2), Enter (a walk),
    // Backspace or a character.
    void StartEditing(char32_t key);

    // Commits the open editor into its cell, as leaving the cell does, and closes it.
    void Commit();
    // Closes the open editor without committing it.
    void DropEditing();
    bool Editing() const { return delegate_->OpenEditor() != nullptr; }

    // The channels of the selected cells, in rising order; the current channel when no cell is
    // selected.
    std::vector<int> SelectedChannels() const;
    // Selects these channels whole, the first of them current.
    void SelectChannels(const std::vector<int>& channels);
    // The column when the selection is cells of one channel column in more than one channel;
    // 0 otherwise.
    int SelectedColumn() const;

signals:
    // A message with an OK button: a refused entry, or a character where a number belongs.
    void Message(tevano::MessageId id);
    // An editor was opened over the current cell.
    void EditorOpened(QWidget* editor);
    // Enter committed one value into a column of several selected channels: those in use that
    // took it, and those whose rules refused it (they keep what they had).
    void Filled(int column, const std::vector<int>& filled, const std::vector<int>& refused);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void OnEditorKey(QWidget* editor, ChannelDelegate::EditorKey key);
    void Fill(QWidget* editor, int column);
    void SelectRowsTo(int row, QItemSelectionModel::SelectionFlags how);
    void CommitEditor(QWidget* editor, bool byEnter);
    void WalkOn();
    void WalkBack();
    void ShowPendingMessage();
    void Prepare(QWidget* editor, char32_t key);

    ChannelTableModel* model_ = nullptr;
    ChannelDelegate* delegate_ = nullptr;
    std::vector<MessageId> pending_;
    bool moving_ = false; // the table moves or scrolls itself: an open editor stays
};

} // namespace tevano
