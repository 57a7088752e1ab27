#include "grid/ui/CTevView.h"

#include "base/FillText.h"
#include "base/ui/QtText.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/LanguageTables.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvTexts.h"
#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/GridEditing.h"
#include "grid/ui/GridUndo.h"
#include "image/ui/CTevDoc.h"
#include "shell/DisplayLanguage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollBar>

#include <vector>

namespace tevano {

namespace {

// A message lists this many channels, then how many more.
constexpr std::size_t kMostListedChannels = 20;

} // namespace

namespace {

// Control ids of the channel form and of its overlay controls.
constexpr int kTypeList = 1017;
constexpr int kFieldList = 1011;
constexpr int kManualList = 1019;
constexpr int kGrid = 1007;

// The overlay list of each option column, by control id.
constexpr std::pair<int, int> kOverlayListIds[] = {
    {kColBandwidth, 61452}, {kColScan, 61450},     {kColTxPower, 61449},     {kColOptSignal, 61448},
    {kColPttId, 61451},     {kColBusyLock, 61453}, {kColRepeatInvert, 1120},
};

// The sum of the channel form's column factors: the columns fill 11.92 W.
constexpr double kColumnFactorSum = 11.92;

} // namespace

CTevView::CTevView(CTevDoc& document, const ToneTable& tones, const res::DialogTemplate& form,
                   QWidget* parent)
    : QWidget(parent), document_(document), tones_(tones),
      built_(std::make_unique<BuiltDialog>(
          form, this, [](QWidget* gridParent) { return new CMSFlexGrid(gridParent); })) {
    formSize_ = built_->Size();
    setMinimumSize(formSize_);
    grid_ = built_->As<CMSFlexGrid>(kGrid);
    gridTemplateRect_ = grid_->geometry();
    // The grid's own font, one size above the form's, and rows just high enough for it.
    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPointSize(9);
    grid_->setFont(gridFont);
    grid_->SetRowHeight(QFontMetrics(gridFont).height() + 6);
    type_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kTypeList));
    field_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kFieldList));
    manual_ = std::make_unique<QtChoiceList>(built_->As<QComboBox>(kManualList));
    form_ = std::make_unique<ChannelForm>(ChannelForm{*grid_, *type_, *field_, *manual_});
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
    undo_ = std::make_unique<GridUndo>(*this, document_);
}

CTevView::~CTevView() = default;

CsvBandCheck CTevView::BandCheck(int row) const {
    std::vector<ImportedChannel> channels;
    for (int channel = row == 0 ? 1 : row; channel <= (row == 0 ? kChannelCount : row); ++channel) {
        ImportedChannel shown;
        shown.channel = channel;
        shown.line = channel;
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            shown.cells[static_cast<std::size_t>(col)] = grid_->TextMatrix(channel, col);
        }
        channels.push_back(shown);
    }
    return CheckFieldBand(channels, field_->CurSel());
}

QComboBox* CTevView::OverlayList(int column) const {
    const auto it = overlayLists_.find(column);
    return it == overlayLists_.end() ? nullptr : it->second;
}

void CTevView::OnInitialUpdate() {
    const Language language = DisplayedLanguage();
    if (!overlaysMade_) {
        FitGrid();
        MakeOverlays();
        ChannelEditor::Hooks hooks;
        hooks.language = [] { return DisplayedLanguage(); };
        hooks.message = [this](MessageId id) { emit EditMessage(id); };
        hooks.cellChanged = [this](int row, int col) {
            emit CellChanged();
            // Taken all the same, since the band may be about to change; but said.
            if (col == kColRxFrequency || col == kColTxFrequency) {
                const CsvBandCheck check = BandCheck(row);
                if (!check.warnings.empty()) {
                    const Language now = DisplayedLanguage();
                    emit Note(ToQt(FillText(
                        CsvText(CsvTextId::OutsideBandNote, now),
                        {{"{text}", CsvBandWarningText(check.warnings.front(), check.band, now)}},
                        '{', '}')));
                }
            }
        };
        hooks.pixelsPerInchX = [this] { return grid_->logicalDpiX(); };
        hooks.pixelsPerInchY = [this] { return grid_->logicalDpiY(); };
        editing_ = std::make_unique<GridEditing>(*this, std::move(hooks));
        connect(&editing_->PreTranslate(), &FormPreTranslate::HelpText, this,
                &CTevView::StatusHelp);
        for (std::int32_t col = 0; col < grid_->Cols(); ++col) {
            grid_->SetColAlignment(col, GridControl::kAlignCenterCenter);
        }
        overlaysMade_ = true;
        // W is what an unsized column measures: made so that the columns fill the grid.
        const int usable = grid_->width() - 2 * grid_->frameWidth() -
                           grid_->verticalScrollBar()->sizeHint().width();
        grid_->SetUnsizedColumnWidth(static_cast<int>(usable / kColumnFactorSum));
        const auto widths = ColumnWidths(grid_->ColWidth(2));
        for (int col = 0; col < kGridColumns; ++col) {
            grid_->SetColWidth(col, widths[static_cast<std::size_t>(col)]);
        }
        type_->SetCurSel(0);
        field_->SetCurSel(2);
    }
    grid_->setAccessibleName(ToQt(words::kChannelTable.In(language)));
    HideOverlays();
    ShowImage(document_.Image(), *form_, language);
    ShowFromChannelOne();
    undo_->Reset();
    // The keyboard starts on channel 1's receive frequency, where the channels are.
    grid_->setFocus(Qt::OtherFocusReason);
}

void CTevView::ShowFromChannelOne() {
    DropEditing();
    grid_->setFocus(Qt::OtherFocusReason);
    grid_->SetRow(1);
    grid_->SetCol(kColRxFrequency);
    grid_->verticalScrollBar()->setValue(0);
    grid_->horizontalScrollBar()->setValue(0);
    ReloadCurrentCell();
}

void CTevView::ReloadCurrentCell() {
    if (editing_) {
        editing_->Editor().EnterCell();
    }
}

void CTevView::Commit() {
    if (editing_) {
        editing_->Editor().Commit();
    }
}

bool CTevView::EditingHoldsChange() const {
    const std::string cell = grid_->Text();
    for (const QLineEdit* edit : {frequencyEdit_, nameEdit_}) {
        if (edit != nullptr && edit->isVisible()) {
            return FromQt(edit->text()) != cell;
        }
    }
    // A list shows an entry even on an empty channel, where committing it writes nothing.
    const int row = grid_->Row();
    const bool emptyChannel = grid_->TextMatrix(row, kColRxFrequency).empty() &&
                              grid_->TextMatrix(row, kColTxFrequency).empty();
    std::vector<const QComboBox*> lists = {toneList_};
    for (const auto& [column, list] : overlayLists_) {
        lists.push_back(list);
    }
    for (const QComboBox* list : lists) {
        if (list != nullptr && list->isVisible()) {
            return !emptyChannel && FromQt(list->currentText()) != cell;
        }
    }
    return false;
}

void CTevView::DropEditing() {
    if (editing_) {
        editing_->Editor().HideOverlays();
    }
}

void CTevView::MakeOverlays() {
    const Language language = DisplayedLanguage();
    const auto makeList = [this](bool editable) {
        auto* list = new QComboBox(grid_);
        list->setEditable(editable);
        list->setFont(built_->Font());
        list->hide();
        return list;
    };
    frequencyEdit_ = new QLineEdit(grid_);
    nameEdit_ = new QLineEdit(grid_);
    for (QLineEdit* edit : {frequencyEdit_, nameEdit_}) {
        edit->setFont(built_->Font());
        edit->hide();
    }
    nameEdit_->setValidator(new UpperCaseValidator(nameEdit_));
    toneList_ = makeList(true);
    // A typed tone is looked up by Enter, never added to the list or completed on the way.
    toneList_->setInsertPolicy(QComboBox::NoInsert);
    toneList_->setCompleter(nullptr);
    for (const std::string& name : tones_.Names()) {
        toneList_->addItem(ToQt(name));
    }
    for (const auto& entry : kOverlayListIds) {
        const int column = entry.first;
        QComboBox* list = makeList(false);
        for (const std::string& word : OverlayListEntries(column, language)) {
            list->addItem(ToQt(word));
        }
        overlayLists_[column] = list;
    }
}

void CTevView::HideOverlays() {
    frequencyEdit_->clear();
    frequencyEdit_->hide();
    nameEdit_->clear();
    nameEdit_->hide();
    nameEdit_->setMaxLength(static_cast<int>(kChannelNameLength));
    toneList_->hide();
    for (auto& [column, list] : overlayLists_) {
        list->hide();
    }
}

void CTevView::RefreshLanguage(Language language) {
    // What was changed before the switch is a step in the words it was made in.
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
    grid_->setAccessibleName(ToQt(words::kChannelTable.In(language)));
    for (int col = 0; col < kGridColumns; ++col) {
        grid_->SetTextMatrix(0, col, SwitchedHeader(col, language));
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
            grid_->SetTextMatrix(row, col,
                                 TranslateCell(col, grid_->TextMatrix(row, col), language));
        }
    }
    for (const SwitchedList& switched : ListsAfterSwitch()) {
        QComboBox* combo = nullptr;
        if (switched.controlId == kManualList) {
            combo = manual_->Combo();
        } else {
            for (const auto& [column, id] : kOverlayListIds) {
                if (id == switched.controlId) {
                    combo = overlayLists_[column];
                }
            }
        }
        if (combo == nullptr) {
            continue;
        }
        const int picked = combo->currentIndex();
        combo->clear();
        for (const std::string& entry : switched.Entries(language)) {
            combo->addItem(ToQt(entry));
        }
        combo->setCurrentIndex(switched.keepsSelection ? picked : -1);
    }
    ReloadCurrentCell();
    undo_->Rebase();
}

void CTevView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitGrid();
}

void CTevView::FitGrid() {
    // The grid keeps the form's margins and grows with the window.
    const int rightMargin = formSize_.width() - gridTemplateRect_.right();
    const int bottomMargin = formSize_.height() - gridTemplateRect_.bottom();
    QRect rect = gridTemplateRect_;
    rect.setWidth(std::max(gridTemplateRect_.width(), width() - rect.left() - rightMargin));
    rect.setHeight(std::max(gridTemplateRect_.height(), height() - rect.top() - bottomMargin));
    grid_->setGeometry(rect);
}

} // namespace tevano
