#include "grid/ui/CTevView.h"

#include "base/FillText.h"
#include "base/ui/QtText.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelOpTexts.h"
#include "grid/ChannelWords.h"
#include "grid/LanguageTables.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvTexts.h"
#include "grid/ui/ChannelTableModel.h"
#include "grid/ui/ChannelTableView.h"
#include "grid/ui/FormHelp.h"
#include "grid/ui/GridUndo.h"
#include "grid/ui/EditorUndoKeys.h"
#include "image/ui/CTevDoc.h"
#include "shell/DisplayLanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

#include <vector>

namespace tevano {

namespace {

// A message lists this many channels, then how many more.
constexpr std::size_t kMostListedChannels = 20;

// Control ids of the channel form.
constexpr int kTypeList = 1017;
constexpr int kFieldList = 1011;
constexpr int kManualList = 1019;
constexpr int kTable = 1007;

// The table's own font: Times New Roman 9 pt, or the desktop's size when that is larger.
constexpr int kTablePointSize = 9;

} // namespace

CTevView::CTevView(CTevDoc& document, const ToneTable& tones, const res::DialogTemplate& form,
                   QWidget* parent)
    : QWidget(parent), document_(document),
      built_(std::make_unique<BuiltDialog>(
          form, this, [](QWidget* tableParent) { return new ChannelTableView(tableParent); })) {
    formSize_ = built_->Size();
    setMinimumSize(formSize_);
    table_ = built_->As<ChannelTableView>(kTable);
    tableTemplateRect_ = table_->geometry();
    model_ = new ChannelTableModel(document_.Image(), tones.Names(), this);
    table_->SetChannelModel(model_);
    QFont tableFont(QStringLiteral("Times New Roman"));
    tableFont.setPointSize(std::max(kTablePointSize, QApplication::font().pointSize()));
    table_->setFont(tableFont);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(tableFont).height() + 6);
    type_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kTypeList));
    field_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kFieldList));
    manual_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kManualList));
    form_ = std::make_unique<ChannelForm>(ChannelForm{*type_, *field_, *manual_});
    for (QtChoiceList* list : {type_.get(), field_.get(), manual_.get()}) {
        connect(list->Combo(), &QComboBox::activated, this, &CTevView::FormListChanged);
    }
    connect(field_->Combo(), &QComboBox::activated, this, [this] {
        const std::string message =
            FieldBandChangedMessage(BandCheck(0), DisplayedLanguage(), kMostListedChannels);
        if (!message.empty()) {
            emit Warning(ToQt(message));
        }
    });
    connect(model_, &ChannelTableModel::ChannelEdited, this, &CTevView::OnChannelEdited);
    connect(table_, &ChannelTableView::Message, this, &CTevView::EditMessage);
    connect(table_, &ChannelTableView::Filled, this, &CTevView::OnFilled);
    // Ctrl+Z and Ctrl+Y in an editor act on its typing first; editors use the form's font.
    undoKeys_ = new EditorUndoKeys(this);
    connect(table_, &ChannelTableView::EditorOpened, this, [this](QWidget* editor) {
        editor->setFont(built_->Font());
        undoKeys_->Watch(editor);
    });
    auto* help = new FormHelp(*this, *table_);
    connect(help, &FormHelp::HelpText, this, &CTevView::StatusHelp);
    undo_ = std::make_unique<GridUndo>(*this, document_);
}

CTevView::~CTevView() = default;

CsvBandCheck CTevView::BandCheck(int channel) const {
    std::vector<ImportedChannel> channels;
    const int first = channel == 0 ? 1 : channel;
    const int last = channel == 0 ? kChannelCount : channel;
    for (int number = first; number <= last; ++number) {
        ImportedChannel shown;
        shown.channel = number;
        shown.line = number;
        shown.cells = DecodeChannel(document_.Image(), number, DisplayedLanguage());
        channels.push_back(shown);
    }
    return CheckFieldBand(channels, field_->CurSel());
}

void CTevView::OnChannelEdited(int channel, int column) {
    undo_->NameNextStep(ToQt(ChannelOpStepName(ChannelOp::Edit, DisplayedLanguage(), channel)));
    emit CellChanged();
    // Taken all the same, since the band may be about to change; but said.
    if (column == kColRxFrequency || column == kColTxFrequency) {
        const CsvBandCheck check = BandCheck(channel);
        if (!check.warnings.empty()) {
            const Language now = DisplayedLanguage();
            emit Note(ToQt(
                FillText(CsvText(CsvTextId::OutsideBandNote, now),
                         {{"{text}", CsvBandWarningText(check.warnings.front(), check.band, now)}},
                         '{', '}')));
        }
    }
}

void CTevView::OnFilled(int column, const std::vector<int>& filled,
                        const std::vector<int>& refused) {
    const Language language = DisplayedLanguage();
    const std::string header =
        FromQt(model_->headerData(column, Qt::Horizontal).toString().trimmed());
    if (!filled.empty()) {
        undo_->NameNextStep(ToQt(ChannelOpStepName(ChannelOp::Fill, language)));
        undo_->Flush();
        emit CellChanged();
        emit Note(ToQt(ChannelOpDoneText(ChannelOp::Fill, filled, language, header)));
    } else if (refused.empty()) {
        emit Note(ToQt(ChannelOpText(ChannelOpTextId::NothingSelected, language)));
    }
    if (!refused.empty()) {
        emit Warning(ToQt(FillText(ChannelOpText(ChannelOpTextId::FillRefused, language),
                                   {{"<column>", header}, {"<channels>", ChannelRanges(refused)}})));
    }
}

void CTevView::OnInitialUpdate() {
    const Language language = DisplayedLanguage();
    if (!columnsSized_) {
        FitTable();
        SizeColumns();
        columnsSized_ = true;
        type_->SetCurSel(0);
        field_->SetCurSel(2);
    }
    table_->setAccessibleName(ToQt(words::kChannelTable.In(language)));
    model_->SetLanguage(language, form_->switchedHeaders);
    ShowImage(document_.Image(), *form_);
    ShowFromChannelOne();
    undo_->Reset();
}

// W is what an unsized column measures: made so that the columns fill the table.
void CTevView::SizeColumns() {
    const int usable = table_->width() - 2 * table_->frameWidth() -
                       table_->verticalScrollBar()->sizeHint().width();
    const auto widths = ColumnWidths(static_cast<int>(usable / kColumnFactorSum));
    for (int col = 0; col < kGridColumns; ++col) {
        table_->setColumnWidth(col, widths[static_cast<std::size_t>(col)]);
    }
}

void CTevView::ShowFromChannelOne() {
    table_->DropEditing();
    table_->setFocus(Qt::OtherFocusReason);
    table_->GoTo(1, kColRxFrequency);
    table_->verticalScrollBar()->setValue(0);
    table_->horizontalScrollBar()->setValue(0);
}

void CTevView::ImageChanged() {
    model_->ImageChanged();
}

void CTevView::BeforeEncode() {
    Commit();
    undo_->Flush();
}

void CTevView::AfterEncode() {
    undo_->Rebase();
}

void CTevView::Commit() {
    table_->Commit();
}

void CTevView::RefreshLanguage(Language language) {
    // What was typed before the switch is committed in the words it was typed in.
    Commit();
    undo_->Flush();
    for (const FormLabel& label : FormLabelsAfterSwitch()) {
        if (auto* widget = qobject_cast<QLabel*>(built_->Control(label.controlId))) {
            widget->setText(ToQt(label.text.In(language)));
        } else if (auto* box = qobject_cast<DialogGroupBox*>(built_->Control(label.controlId))) {
            box->setTitle(ToQt(label.text.In(language)));
        }
    }
    // The lists are named by the labels beside them, in the new words.
    built_->NameControls();
    table_->setAccessibleName(ToQt(words::kChannelTable.In(language)));
    form_->switchedHeaders = true;
    model_->SetLanguage(language, true);
    for (const SwitchedList& switched : ListsAfterSwitch()) {
        if (switched.controlId != kManualList) {
            continue; // the table's lists are made in the new words each time one opens
        }
        QComboBox* combo = manual_->Combo();
        const int picked = combo->currentIndex();
        combo->clear();
        for (const std::string& entry : switched.Entries(language)) {
            combo->addItem(ToQt(entry));
        }
        combo->setCurrentIndex(switched.keepsSelection ? picked : -1);
    }
    undo_->Rebase();
}

void CTevView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitTable();
}

void CTevView::FitTable() {
    // The table keeps the form's margins and grows with the window.
    const int rightMargin = formSize_.width() - tableTemplateRect_.right();
    const int bottomMargin = formSize_.height() - tableTemplateRect_.bottom();
    QRect rect = tableTemplateRect_;
    rect.setWidth(std::max(tableTemplateRect_.width(), width() - rect.left() - rightMargin));
    rect.setHeight(std::max(tableTemplateRect_.height(), height() - rect.top() - bottomMargin));
    table_->setGeometry(rect);
}

} // namespace tevano
