#include "radiolink/ui/CPortSetupDlg.h"

#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "radiolink/CableReport.h"
#include "radiolink/CableScan.h"
#include "radiolink/RadioLinkTexts.h"
#include "radiolink/SerialDevices.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tevano {

namespace {

QString Text(RadioLinkTextId id, Language language) {
    return ToQt(RadioLinkText(id, language));
}

constexpr int kPathRole = Qt::UserRole;
// How often the list looks for cables plugged in or out.
constexpr int kFollowIntervalMs = 1000;

std::vector<std::string> PathsOf(const std::vector<SerialDevice>& devices) {
    std::vector<std::string> paths;
    for (const SerialDevice& device : devices) {
        paths.push_back(device.path);
    }
    return paths;
}

} // namespace

CPortSetupDlg::CPortSetupDlg(CIniFile& ini, Language language, std::string deviceRoot,
                             QWidget* parent)
    : QDialog(parent), ini_(ini), language_(language), deviceRoot_(std::move(deviceRoot)) {
    setWindowTitle(Text(RadioLinkTextId::PortSetupTitle, language_));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(Text(RadioLinkTextId::PortSetupExplanation, language_), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* rows = new QGridLayout;
    for (std::size_t index = 0; index < kPortNames.size(); ++index) {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        // A path typed in is taken as it stands, not added to the list of devices.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(40);
        box->lineEdit()->setPlaceholderText(
            ToQt(PortDevicePath(kPortNames[index], [](const std::string&) { return ""; })));
        auto* name = new QLabel(kPortNames[index], this);
        name->setBuddy(box);
        // The list and the field typed into are read by the port's name.
        box->setAccessibleName(name->text());
        box->lineEdit()->setAccessibleName(name->text());
        rows->addWidget(name, static_cast<int>(index), 0);
        rows->addWidget(box, static_cast<int>(index), 1);
        boxes_[index] = box;
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }
    rows->setColumnStretch(1, 1);
    layout->addLayout(rows);
    nothingFound_ = new QLabel(Text(RadioLinkTextId::PortSetupNothingFound, language_), this);
    layout->addWidget(nothingFound_);
    auto* diagnosisLabel = new QLabel(Text(RadioLinkTextId::PortSetupDiagnosis, language_), this);
    diagnosis_ = new QPlainTextEdit(this);
    diagnosis_->setReadOnly(true);
    // Read-only, yet its text can be selected and copied with the keyboard and the mouse.
    diagnosis_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    diagnosis_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    diagnosis_->setAccessibleName(diagnosisLabel->text().remove(QLatin1Char('&')));
    diagnosisLabel->setBuddy(diagnosis_);
    layout->addWidget(diagnosisLabel);
    layout->addWidget(diagnosis_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    refresh_ = buttons->addButton(Text(RadioLinkTextId::PortSetupRefresh, language_),
                                  QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPortSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortSetupDlg::reject);
    connect(refresh_, &QPushButton::clicked, this, [this] {
        FillDevices();
        ShowDiagnosis();
    });
    layout->addWidget(buttons);

    for (std::size_t index = 0; index < kPortNames.size(); ++index) {
        boxes_[index]->setEditText(ToQt(ini_.GetValue(kPortsSection, kPortNames[index], "")));
    }
    FillDevices();
    for (std::size_t index = 0; index < kPortNames.size(); ++index) {
        connect(boxes_[index], &QComboBox::currentTextChanged, this, [this, index] {
            if (index == pickedRow_) {
                ShowDiagnosis();
            }
        });
    }
    ShowDiagnosis();
    follow_ = new QTimer(this);
    follow_->setInterval(kFollowIntervalMs);
    connect(follow_, &QTimer::timeout, this, &CPortSetupDlg::FollowDevices);
    follow_->start();
}

bool CPortSetupDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (std::size_t index = 0; index < boxes_.size(); ++index) {
            if ((watched == boxes_[index] || watched == boxes_[index]->lineEdit()) &&
                index != pickedRow_) {
                pickedRow_ = index;
                ShowDiagnosis();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CPortSetupDlg::FollowDevices() {
    if (PathsOf(FindSerialDevices(deviceRoot_)) == devicesSeen_) {
        return false;
    }
    FillDevices();
    ShowDiagnosis();
    return true;
}

void CPortSetupDlg::ShowDiagnosis() {
    const auto deviceOfRow = [this](std::size_t index) {
        const std::string chosen = ChosenPath(index);
        return chosen.empty()
                   ? PortDevicePath(kPortNames[index], [](const std::string&) { return ""; })
                   : chosen;
    };
    // The port names as this dialog now sets them, saved or not.
    ScanPlace place = ScanPlace::ThisMachine([deviceOfRow](const std::string& portName) {
        for (std::size_t index = 0; index < kPortNames.size(); ++index) {
            if (portName == kPortNames[index]) {
                return deviceOfRow(index);
            }
        }
        return std::string();
    });
    place.root = deviceRoot_;
    const std::vector<std::string> lines =
        DeviceReportLines(ScanCables(place), place, deviceOfRow(pickedRow_), language_);
    QString text = QString::fromLatin1(kPortNames[pickedRow_]) + QLatin1Char('\n');
    for (const std::string& line : lines) {
        text += ToQt(line) + QLatin1Char('\n');
    }
    diagnosis_->setPlainText(text.trimmed());
}

std::string CPortSetupDlg::ChosenPath(std::size_t index) const {
    const QComboBox* box = boxes_.at(index);
    const QString text = box->currentText().trimmed();
    const int picked = box->findText(text, Qt::MatchExactly);
    if (picked >= 0) {
        return FromQt(box->itemData(picked, kPathRole).toString());
    }
    return FromQt(text);
}

void CPortSetupDlg::FillDevices() {
    const std::vector<SerialDevice> devices = FindSerialDevices(deviceRoot_);
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        QComboBox* box = boxes_[index];
        const QString chosen = ToQt(ChosenPath(index));
        box->clear();
        for (const SerialDevice& device : devices) {
            box->addItem(ToQt(device.label), ToQt(device.path));
        }
        // A device in the list shows under its readable name; any other path as it is.
        const int listed = box->findData(chosen, kPathRole);
        box->setCurrentIndex(listed);
        if (listed < 0) {
            box->setEditText(chosen);
        }
    }
    nothingFound_->setVisible(devices.empty());
    devicesSeen_ = PathsOf(devices);
}

void CPortSetupDlg::accept() {
    bool changed = false;
    for (std::size_t index = 0; index < kPortNames.size(); ++index) {
        const std::string chosen = ChosenPath(index);
        if (chosen != ini_.GetValue(kPortsSection, kPortNames[index], "")) {
            ini_.SetValue(kPortsSection, kPortNames[index], chosen);
            changed = true;
        }
    }
    if (changed) {
        ini_.Save(false);
        saved_ = true;
    }
    QDialog::accept();
}

void RunPortSetup(CIniFile& ini, UserPrompts& prompts, QWidget* parent) {
    CPortSetupDlg dialog(ini, DisplayedLanguage(), "", parent);
    if (dialog.exec() == QDialog::Accepted && dialog.Saved()) {
        ReportSettingsSave(prompts, parent, ini);
    }
}

} // namespace tevano
