#include "testmode/ui/CTestModeDlg.h"

#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "resources/layout/TestModeLayout.h"
#include "resources/ui/DialogBuilder.h"
#include "shell/DisplayLanguage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTreeWidget>

namespace tevano {

namespace {

namespace ids = res::testmode;

constexpr TestSide kSides[] = {TestSide::Receive, TestSide::Transmit};

// The controls of one side of the frequency view.
struct SideIds {
    int field;
    int tone;
    int qt;
    int dqt;
    int step500;
    int step625;
};

constexpr SideIds kReceiveIds{ids::kReceiveFrequency, ids::kReceiveTone,    ids::kReceiveQt,
                              ids::kReceiveDqt,       ids::kReceiveStep500, ids::kReceiveStep625};
constexpr SideIds kTransmitIds{ids::kTransmitFrequency, ids::kTransmitTone,
                               ids::kTransmitQt,        ids::kTransmitDqt,
                               ids::kTransmitStep500,   ids::kTransmitStep625};

constexpr const SideIds& IdsOf(TestSide side) {
    return side == TestSide::Receive ? kReceiveIds : kTransmitIds;
}

// What the tree switches: the frequency view ("F") and the item view ("I").
constexpr int kFrequencyView[] = {
    ids::kReceiveGroup,
    ids::kTransmitGroup,
    ids::kReceiveFrequencyLabel,
    ids::kReceiveFrequency,
    ids::kTransmitFrequencyLabel,
    ids::kTransmitFrequency,
    ids::kReceiveToneLabel,
    ids::kReceiveTone,
    ids::kTransmitToneLabel,
    ids::kTransmitTone,
    ids::kReceiveMethodLabel,
    ids::kReceiveQt,
    ids::kReceiveDqt,
    ids::kTransmitMethodLabel,
    ids::kTransmitQt,
    ids::kTransmitDqt,
    ids::kReceiveStepLabel,
    ids::kReceiveStep500,
    ids::kReceiveStep625,
    ids::kTransmitStepLabel,
    ids::kTransmitStep500,
    ids::kTransmitStep625,
};
constexpr int kItemView[] = {
    ids::kFrequencyChoiceGroup, ids::kHigh,     ids::kMiddle,      ids::kLow,
    ids::kValueGroup,           ids::kMinLabel, ids::kValueSlider, ids::kMaxLabel,
    ids::kCurrentValue,         ids::kStart,
};

struct DebugFrequencyButton {
    int id;
    TestFrequency frequency;
};
constexpr DebugFrequencyButton kDebugFrequencyButtons[] = {
    {ids::kHigh, TestFrequency::High},
    {ids::kMiddle, TestFrequency::Middle},
    {ids::kLow, TestFrequency::Low},
};

} // namespace

CTestModeDlg::CTestModeDlg(const res::DialogTemplate& dialog, const ToneTable& tones,
                           double baseMHz, UserPrompts& prompts, StartCalibration start,
                           QWidget* parent)
    : QDialog(parent), model_(baseMHz, tones), tones_(tones), prompts_(prompts),
      start_(std::move(start)), built_(std::make_unique<BuiltDialog>(dialog, this)) {
    setWindowTitle(QString::fromUtf8(dialog.caption));
    setFixedSize(built_->Size());
    for (TestSide side : kSides) {
        if (auto* list = built_->As<QComboBox>(IdsOf(side).tone)) {
            // Start sends the picked entry; typed text would only hide which one that is.
            list->setEditable(false);
            QWidget* popup = list->view()->window();
            tonePopups_[popup] = side;
            popup->installEventFilter(this);
        }
    }
    if (auto* slider = built_->As<QSlider>(ids::kValueSlider)) {
        slider->setRange(0, kSliderMax);
    }
    MakeTree();
    Connect();
    Refresh();
}

CTestModeDlg::~CTestModeDlg() = default;

QWidget* CTestModeDlg::Control(int id) const {
    return built_->Control(id);
}

QTreeWidgetItem* CTestModeDlg::TreeItem(TestModeTreeItem item) const {
    const auto it = treeItems_.find(item);
    return it == treeItems_.end() ? nullptr : it->second;
}

void CTestModeDlg::MakeTree() {
    auto* tree = built_->As<QTreeWidget>(ids::kTree);
    if (tree == nullptr) {
        return;
    }
    const Language language = DisplayedLanguage();
    QTreeWidgetItem* branch = nullptr;
    for (int index = 0; index < kTestModeTreeItemCount; ++index) {
        const auto entry = static_cast<TestModeTreeItem>(index);
        QTreeWidgetItem* item =
            IsTopLevel(entry) ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(branch);
        if (IsTopLevel(entry)) {
            branch = item;
        }
        item->setText(0, ToQt(TreeItemText(entry, language)));
        item->setData(0, Qt::UserRole, index);
        treeItems_[entry] = item;
    }
    treeItems_[TestModeTreeItem::DebugFrequency]->setExpanded(true);
    // No label beside it: the tree is read by the branch that holds the items to adjust.
    tree->setAccessibleName(ToQt(TreeItemText(TestModeTreeItem::DebugItem, language)));
    connect(tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnTreeSelection(current); });
}

void CTestModeDlg::Connect() {
    for (TestSide side : kSides) {
        ConnectSide(side);
    }
    for (const DebugFrequencyButton& button : kDebugFrequencyButtons) {
        if (auto* radio = built_->As<QRadioButton>(button.id)) {
            connect(radio, &QRadioButton::clicked, this, [this, button] {
                model_.ClickDebugFrequency(button.frequency);
                Refresh();
            });
        }
    }
    if (auto* slider = built_->As<QSlider>(ids::kValueSlider)) {
        connect(slider, &QSlider::valueChanged, this, [this](int position) {
            if (!refreshing_) {
                model_.MoveSlider(position);
                Refresh();
            }
        });
    }
    if (auto* button = built_->As<QPushButton>(ids::kDefault)) {
        connect(button, &QPushButton::clicked, this, &CTestModeDlg::OnDefault);
    }
    if (auto* button = built_->As<QPushButton>(ids::kStart)) {
        connect(button, &QPushButton::clicked, this, &CTestModeDlg::OnStart);
    }
}

void CTestModeDlg::ConnectSide(TestSide side) {
    const SideIds& sideIds = IdsOf(side);
    if (auto* field = built_->As<QLineEdit>(sideIds.field)) {
        connect(field, &QLineEdit::textEdited, this,
                [this, side](const QString& text) { model_.EditField(side, FromQt(text)); });
    }
    const auto onClick = [this](int id, auto action) {
        if (auto* radio = built_->As<QRadioButton>(id)) {
            connect(radio, &QRadioButton::clicked, this, [this, action] {
                action();
                Refresh();
            });
        }
    };
    onClick(sideIds.qt, [this, side] { model_.ClickToneMethod(side, ToneMethod::Qt); });
    onClick(sideIds.dqt, [this, side] { model_.ClickToneMethod(side, ToneMethod::Dqt); });
    onClick(sideIds.step500, [this, side] { model_.ClickStep(side, FrequencyStep::Khz5_00); });
    onClick(sideIds.step625, [this, side] { model_.ClickStep(side, FrequencyStep::Khz6_25); });
    if (auto* list = built_->As<QComboBox>(sideIds.tone)) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, side](int position) {
            if (!refreshing_) {
                model_.PickTone(side, position);
            }
        });
    }
}

void CTestModeDlg::OnTreeSelection(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const auto entry = static_cast<TestModeTreeItem>(item->data(0, Qt::UserRole).toInt());
    const bool exitDebug = model_.SelectTreeItem(entry);
    Refresh();
    if (exitDebug) {
        accept();
    }
}

void CTestModeDlg::OnDefault() {
    if (const std::optional<MessageId> message = model_.Default()) {
        prompts_.Show(this, *message, DisplayedLanguage());
    }
    Refresh();
}

void CTestModeDlg::OnStart() {
    const StartInputs start = model_.PrepareStart();
    // The fields show what goes out, rounded and held to the band as Enter does it.
    Refresh();
    if (start.emptyField) {
        prompts_.Show(this,
                      *start.emptyField == TestSide::Receive ? MessageId::ReceiveFrequencyMissing
                                                             : MessageId::TransmitFrequencyMissing,
                      DisplayedLanguage());
        return;
    }
    if (start_) {
        start_(this, start.request);
    }
}

void CTestModeDlg::Refresh() {
    refreshing_ = true;
    const Language language = DisplayedLanguage();
    const TestModeView view = model_.View();
    for (int id : kFrequencyView) {
        if (QWidget* control = built_->Control(id)) {
            control->setVisible(view == TestModeView::Frequency);
        }
    }
    for (int id : kItemView) {
        if (QWidget* control = built_->Control(id)) {
            control->setVisible(view == TestModeView::Item);
        }
    }
    if (QWidget* button = built_->Control(ids::kDefault)) {
        button->setVisible(model_.DefaultButtonShown());
    }
    if (auto* group = built_->As<DialogGroupBox>(ids::kViewGroup)) {
        group->setTitle(ToQt(model_.GroupCaption(language)));
    }
    for (TestSide side : kSides) {
        RefreshSide(side);
    }
    for (const DebugFrequencyButton& button : kDebugFrequencyButtons) {
        if (auto* radio = built_->As<QRadioButton>(button.id)) {
            radio->setChecked(model_.DebugFrequencyButton() == button.frequency);
        }
    }
    if (auto* slider = built_->As<QSlider>(ids::kValueSlider)) {
        slider->setValue(model_.SliderPosition());
    }
    if (view == TestModeView::Item) {
        if (auto* label = built_->As<QLabel>(ids::kCurrentValue)) {
            label->setText(ToQt(model_.PositionText(language)));
        }
    }
    refreshing_ = false;
}

void CTestModeDlg::RefreshSide(TestSide side) {
    const SideIds& sideIds = IdsOf(side);
    if (auto* field = built_->As<QLineEdit>(sideIds.field)) {
        const QString text = ToQt(model_.FieldText(side));
        if (field->text() != text) {
            field->setText(text);
        }
    }
    const auto check = [this](int id, bool checked) {
        if (auto* radio = built_->As<QRadioButton>(id)) {
            radio->setChecked(checked);
        }
    };
    check(sideIds.qt, model_.Method(side) == ToneMethod::Qt);
    check(sideIds.dqt, model_.Method(side) == ToneMethod::Dqt);
    check(sideIds.step500, model_.Step(side) == FrequencyStep::Khz5_00);
    check(sideIds.step625, model_.Step(side) == FrequencyStep::Khz6_25);
    auto* list = built_->As<QComboBox>(sideIds.tone);
    if (list == nullptr) {
        return;
    }
    const ToneRange range = model_.ListRange(side);
    const auto filled = filledRanges_.find(side);
    if (filled == filledRanges_.end() || filled->second.first != range.first ||
        filled->second.count != range.count) {
        list->clear();
        for (int index = range.first; index < range.first + range.count; ++index) {
            list->addItem(ToQt(tones_.Name(index)));
        }
        filledRanges_[side] = range;
    }
    list->setCurrentIndex(model_.ListSelection(side));
}

void CTestModeDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget* focus = focusWidget();
    if (focus != nullptr && focus == built_->Control(kReceiveIds.field)) {
        model_.RoundField(TestSide::Receive);
        Refresh();
        focusNextChild();
    } else if (focus != nullptr && focus == built_->Control(kTransmitIds.field)) {
        model_.RoundField(TestSide::Transmit);
        Refresh();
        focusNextChild();
    } else if (focus != nullptr && focus == built_->Control(ids::kDefault)) {
        OnDefault();
    } else if (focus != nullptr && focus == built_->Control(ids::kStart)) {
        OnStart();
    } else {
        focusNextChild();
    }
    event->accept();
}

bool CTestModeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        if (const auto it = tonePopups_.find(watched); it != tonePopups_.end()) {
            // The list takes the picked entry only after its drop-down has gone, so the entry
            // is stored once this event is through.
            const TestSide side = it->second;
            QMetaObject::invokeMethod(
                this, [this, side] { model_.CloseToneList(side); }, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tevano
