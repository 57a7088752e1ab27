#include "options/ui/COptionalFeaturesDlg.h"

#include "base/ui/QtText.h"
#include "image/ui/CTevDoc.h"
#include "resources/layout/ControlBuilders.h"
#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/ui/DialogBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tevano {

namespace {

namespace ids = res::features;

// The lists that show a number of the state: a position, -1 for no pick.
struct ListBinding {
    int id;
    int OptionalFeaturesState::*position;
};

constexpr ListBinding kLists[] = {
    {ids::kSquelchLevel, &OptionalFeaturesState::squelchLevel},
    {ids::kLanguageChoose, &OptionalFeaturesState::language},
    {ids::kVoxSwitch, &OptionalFeaturesState::voxSwitch},
    {ids::kVoxGainLevel, &OptionalFeaturesState::voxGain},
    {ids::kPriorityChannel, &OptionalFeaturesState::priorityChannel},
    {ids::kRoger, &OptionalFeaturesState::roger},
    {ids::kOptSignal, &OptionalFeaturesState::optSignal},
};

struct CheckBinding {
    int id;
    bool OptionalFeaturesState::*flag;
};

constexpr CheckBinding kChecks[] = {
    {ids::kBeep, &OptionalFeaturesState::beep},
    {ids::kBatterySave, &OptionalFeaturesState::batterySave},
    {ids::kScramblerActivation, &OptionalFeaturesState::scrambler},
    {ids::kBeginOfTx, &OptionalFeaturesState::beginOfTx},
    {ids::kEndOfTx, &OptionalFeaturesState::endOfTx},
};

struct TextBinding {
    int id;
    std::string OptionalFeaturesState::*text;
};

constexpr TextBinding kTexts[] = {
    {ids::kGroupId, &OptionalFeaturesState::groupId},
    {ids::kId, &OptionalFeaturesState::id},
    {ids::kCallId, &OptionalFeaturesState::callId},
    {ids::kCheckId, &OptionalFeaturesState::checkId},
    {ids::kKillId, &OptionalFeaturesState::killId},
    {ids::kListenId, &OptionalFeaturesState::listenId},
};

// The radio takes one byte per ID character; a character outside Latin-1 stays one character
// (stored as "0") instead of becoming several bytes.
std::string IdBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// The key codes of the "ID" field's filter: digits and letters by their key cap, Backspace.
int FilterKeyCode(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Backspace:
        return kBackspaceKey;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kTabKey;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterKey;
    case Qt::Key_Escape:
        return kEscapeKey;
    default:
        return key.key();
    }
}

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(const res::DialogTemplate& dialog, CTevDoc& document,
                                           QWidget* parent)
    : QDialog(parent), document_(document), built_(std::make_unique<BuiltDialog>(dialog, this)) {
    setWindowTitle(QString::fromUtf8(dialog.caption));
    setFixedSize(built_->Size());

    // The dialog reads only the picked entry of a list, never typed text, so no list takes any.
    for (const ListBinding& list : kLists) {
        if (auto* combo = built_->As<QComboBox>(list.id)) {
            combo->setEditable(false);
        }
    }
    if (auto* priority = built_->As<QComboBox>(ids::kPriorityChannel)) {
        priority->clear();
        for (const std::string& entry : PriorityChannelEntries()) {
            priority->addItem(ToQt(entry));
        }
    }
    if (auto* spin = built_->As<DialogSpinBox>(ids::kTimeOutTimer)) {
        spin->setRange(0, kTimeOutMaxSteps);
        spin->SetTextRule([](int steps) { return ToQt(TimeOutText(steps)); });
    }
    idField_ = built_->Control(ids::kId);
    if (idField_ != nullptr) {
        idField_->installEventFilter(this);
    }
    if (auto* ok = built_->As<QPushButton>(res::build::kIdOk)) {
        connect(ok, &QPushButton::clicked, this, &COptionalFeaturesDlg::accept);
    }
    if (auto* cancel = built_->As<QPushButton>(res::build::kIdCancel)) {
        connect(cancel, &QPushButton::clicked, this, &COptionalFeaturesDlg::reject);
    }

    ShowState(OpenOptionalFeatures(document_.Image()));
}

COptionalFeaturesDlg::~COptionalFeaturesDlg() = default;

QWidget* COptionalFeaturesDlg::Control(int id) const {
    return built_->Control(id);
}

void COptionalFeaturesDlg::ShowState(const OptionalFeaturesState& state) {
    if (auto* spin = built_->As<DialogSpinBox>(ids::kTimeOutTimer)) {
        spin->setValue(state.timeOutSteps);
    }
    for (const ListBinding& list : kLists) {
        if (auto* combo = built_->As<QComboBox>(list.id)) {
            combo->setCurrentIndex(state.*list.position);
        }
    }
    for (const CheckBinding& check : kChecks) {
        if (auto* box = built_->As<QCheckBox>(check.id)) {
            box->setChecked(state.*check.flag);
        }
    }
    for (const TextBinding& text : kTexts) {
        if (auto* edit = built_->As<QLineEdit>(text.id)) {
            edit->setText(ToQt(state.*text.text));
        }
    }
}

OptionalFeaturesState COptionalFeaturesDlg::ReadControls() const {
    OptionalFeaturesState state;
    if (auto* spin = built_->As<DialogSpinBox>(ids::kTimeOutTimer)) {
        SetTimeOutSteps(state, spin->value());
    }
    for (const ListBinding& list : kLists) {
        if (auto* combo = built_->As<QComboBox>(list.id)) {
            state.*list.position = combo->currentIndex();
        }
    }
    for (const CheckBinding& check : kChecks) {
        if (auto* box = built_->As<QCheckBox>(check.id)) {
            state.*check.flag = box->isChecked();
        }
    }
    for (const TextBinding& text : kTexts) {
        if (auto* edit = built_->As<QLineEdit>(text.id)) {
            state.*text.text = IdBytes(edit->text());
        }
    }
    return state;
}

void COptionalFeaturesDlg::accept() {
    const OptionalFeaturesState state = ReadControls();
    RadioImage& image = document_.Image();
    const RadioImage before = image;
    AcceptOptionalFeatures(state, image);
    if (AcceptChangedDocument(before, image)) {
        document_.SetModifiedFlag(true);
    }
    QDialog::accept();
}

bool COptionalFeaturesDlg::eventFilter(QObject* watched, QEvent* event) {
    // While "ID" has the focus, only digits, letters and Backspace go into it; the keys that
    // leave a field or the dialog do as they do everywhere.
    if (watched == idField_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return !IdFieldKeyPasses(FilterKeyCode(*key), key->modifiers() & Qt::KeypadModifier);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tevano
