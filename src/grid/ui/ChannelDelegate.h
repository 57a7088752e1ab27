// The editors of the channel table: a line edit for frequencies (with "." or "," as decimal
// mark) and names (capitals, at most six of the characters a name may hold), an editable list of
// the tone table for tones, and the word lists of the option columns, which give typed values.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace tevano {

class ChannelDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The keys an open editor hands to the table instead of using them itself.
    enum class EditorKey { Enter, Tab, BackTab, Up, Down };

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // The editor open now, if any.
    QWidget* OpenEditor() const { return editor_; }
    // What the editor holds, as setModelData would commit it: a text, or a list entry's value
    // (invalid when no entry is picked).
    static QVariant EditorValue(const QWidget* editor);
    // Whether the open editor holds something other than what its cell shows.
    bool EditorHoldsChange() const;

signals:
    void KeyInEditor(QWidget* editor, tevano::ChannelDelegate::EditorKey key);

protected:
    // The current row's channel number is marked, as a table marks its current row's header.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    mutable QPointer<QWidget> editor_;
    mutable QPersistentModelIndex index_;
};

} // namespace tevano
