#include "grid/ui/ChannelTableModel.h"

#include "base/ui/QtText.h"
#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"

#include <QFont>

#include <algorithm>

namespace tevano {

ChannelTableModel::ChannelTableModel(RadioImage& image, std::span<const std::string> toneNames,
                                     QObject* parent)
    : QAbstractTableModel(parent), image_(image), toneNames_(toneNames) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int channel = ChannelOf(index);
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole: {
        if (column == kColChannel) {
            return QString::number(channel);
        }
        const ChannelRowTexts texts = DecodeChannel(image_, channel, language_);
        return ToQt(texts[static_cast<std::size_t>(column)]);
    }
    case kOptionValueRole:
        return OptionValue(ReadChannel(image_, channel), column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::FontRole && orientation == Qt::Horizontal && section == markedColumn_ &&
        section != kColChannel) {
        QFont marked;
        marked.setBold(true);
        return marked;
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    return ToQt(ChannelHeader(section, language_, switchedHeaders_));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() == kColChannel) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == kColChannel) {
        return false;
    }
    const int number = ChannelOf(index);
    const int column = index.column();
    const CommitWay way = way_;
    way_ = CommitWay::Leave;
    const RuleVerdict verdict = Verdict(number, column, value, way);
    const bool changed = verdict.channel != ReadChannel(image_, number);
    if (changed) {
        Write(number, verdict.channel);
        emit ChannelEdited(number, column);
    }
    if (verdict.message) {
        emit Refused(*verdict.message);
    }
    return changed;
}

RuleVerdict ChannelTableModel::Verdict(int channel, int column, const QVariant& value,
                                       CommitWay way) const {
    const Channel current = ReadChannel(image_, channel);
    const std::string text = FromQt(value.toString());
    switch (column) {
    case kColRxFrequency:
    case kColTxFrequency:
        return EnterFrequency(current, column, text, way);
    case kColRxTone:
    case kColTxTone:
        return EnterTone(current, column, text, toneNames_);
    case kColName:
        return EnterName(current, text, way);
    default:
        return PickOption(current, column, value.toInt());
    }
}

void ChannelTableModel::Write(int channel, const Channel& value) {
    WriteChannel(value, channel, image_);
    emit dataChanged(index(channel - 1, kColRxFrequency), index(channel - 1, kColName));
}

void ChannelTableModel::SetLanguage(Language language, bool switchedHeaders) {
    language_ = language;
    switchedHeaders_ = switchedHeaders;
    emit headerDataChanged(Qt::Horizontal, 0, kGridColumns - 1);
    ImageChanged();
}

void ChannelTableModel::MarkColumn(int column) {
    if (column == markedColumn_) {
        return;
    }
    const int before = markedColumn_;
    markedColumn_ = column;
    emit headerDataChanged(Qt::Horizontal, std::min(before, column), std::max(before, column));
}

void ChannelTableModel::ImageChanged() {
    emit dataChanged(index(0, 0), index(kChannelCount - 1, kGridColumns - 1));
}

} // namespace tevano
