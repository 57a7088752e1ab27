// The document's 128 channels as a Qt table: column 0 the channel number, 1 to 12 the fields.
// Texts are made from the image's typed values when drawn; an edit goes through the channel
// rules and is written into the image at once, with the message the rules bring.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "grid/ChannelRules.h"
#include "image/RadioImage.h"

#include <QAbstractTableModel>

#include <span>
#include <string>

namespace tevano {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Besides the text: the value of an option column (OptionValue), for its list.
    static constexpr int kOptionValueRole = Qt::UserRole + 1;

    ChannelTableModel(RadioImage& image, std::span<const std::string> toneNames,
                      QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A text for the frequency, tone and name columns, an option value for the others.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // What committing `value` into a channel's column would give, changing nothing.
    RuleVerdict Verdict(int channel, int column, const QVariant& value, CommitWay way) const;
    // Writes a channel into the image and draws its row again; no ChannelEdited.
    void Write(int channel, const Channel& value);

    // How the next setData commits: Enter or leaving the cell. Leaving, unless told otherwise.
    void SetCommitWay(CommitWay way) { way_ = way; }

    // The words the texts and headers are made in.
    void SetLanguage(Language language, bool switchedHeaders);
    Language DisplayLanguage() const { return language_; }
    bool SwitchedHeaders() const { return switchedHeaders_; }

    // The column of the current cell, whose header is drawn marked; 0 for none.
    void MarkColumn(int column);

    // The image changed under the table (a new document, a read, an import, undo): draw again.
    void ImageChanged();

    std::span<const std::string> ToneNames() const { return toneNames_; }
    const RadioImage& Image() const { return image_; }

    // The channel (1 to 128) of a row.
    static int ChannelOf(const QModelIndex& index) { return index.row() + 1; }

signals:
    // The rules refused an entry or emptied a cell for it: the message to show, with an OK
    // button. Emitted after the change is written, so a queued connection shows it afterwards.
    void Refused(tevano::MessageId id);
    // An entry changed a channel: its number and the column that was edited.
    void ChannelEdited(int channel, int column);

private:
    RadioImage& image_;
    std::span<const std::string> toneNames_;
    CommitWay way_ = CommitWay::Leave;
    Language language_ = Language::English;
    bool switchedHeaders_ = false;
    int markedColumn_ = 0;
};

} // namespace tevano
