#include "grid/ui/ColumnClipboard.h"

#include "base/ui/QtText.h"
#include "grid/Channel.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelOpTexts.h"
#include "grid/ChannelRules.h"
#include "grid/ChannelWords.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/ChannelTableModel.h"
#include "grid/ui/ChannelTableView.h"
#include "grid/ui/GridUndo.h"
#include "image/ui/CTevDoc.h"
#include "shell/DisplayLanguage.h"

#include <QMimeData>
#include <QStringList>

namespace tevano {

void PutColumnOnClipboard(QMimeData& data, const ChannelTableView& table, int column,
                          const std::vector<int>& channels) {
    QStringList texts;
    for (const int channel : channels) {
        texts << table.model()->index(channel - 1, column).data().toString();
    }
    data.setText(texts.join('\n'));
    data.setData(kColumnMimeType, (QString::number(column) + '\n' + texts.join('\n')).toUtf8());
}

bool PasteColumnFromClipboard(const QMimeData& data, CTevView& view, int first) {
    if (!data.hasFormat(kColumnMimeType)) {
        return false;
    }
    QStringList lines = QString::fromUtf8(data.data(kColumnMimeType)).split('\n');
    bool isNumber = false;
    const int column = lines.isEmpty() ? 0 : lines.takeFirst().toInt(&isNumber);
    if (!isNumber || column <= kColChannel || column > kColName) {
        return false;
    }
    ChannelTableModel& model = view.Model();
    view.Undo().Flush();
    std::vector<int> pasted;
    std::vector<int> refused;
    for (int i = 0; i < lines.size() && first + i <= kChannelCount; ++i) {
        const int channel = first + i;
        QVariant value = lines[i];
        if (column >= kColBandwidth && column <= kColRepeatInvert) {
            Channel read;
            SetOptionFromWord(read, column, FromQt(lines[i]));
            value = OptionValue(read, column);
        }
        const RuleVerdict verdict = model.Verdict(channel, column, value, CommitWay::Leave);
        if (verdict.message) {
            refused.push_back(channel);
        } else {
            model.Write(channel, verdict.channel);
            pasted.push_back(channel);
        }
    }
    const Language language = DisplayedLanguage();
    view.Undo().NameNextStep(ToQt(ChannelOpStepName(ChannelOp::Paste, language)));
    view.Undo().Flush();
    view.Document().SetModifiedFlag(true);
    emit view.Note(ToQt(ChannelOpDoneText(ChannelOp::Paste, pasted, language)));
    if (!refused.empty()) {
        emit view.Warning(ToQt(ChannelOpText(ChannelOpTextId::FillRefused, language))
                              .replace("<column>", model.headerData(column, Qt::Horizontal)
                                                       .toString()
                                                       .trimmed())
                              .replace("<channels>", ToQt(ChannelRanges(refused))));
    }
    return true;
}

} // namespace tevano
