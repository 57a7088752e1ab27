// Port Setup: which serial device each of the port names COM1 to COM4 stands for on this
// machine. Each row offers the USB serial adapters plugged in (by their stable by-id names,
// shown readably; the list follows cables plugged in and out) and takes any other path typed in;
// under the rows, the cable check of the row picked. OK writes section [PORTS] of the program's
// INI file, which the window and tevano-cli both read.
#pragma once

#include "base/Language.h"
#include "radiolink/PortNames.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tevano {

class CIniFile;
class UserPrompts;

class CPortSetupDlg : public QDialog {
    Q_OBJECT

public:
    // Shows the ports as the INI store maps them and the devices found under deviceRoot + "/dev"
    // ("" for this machine's).
    CPortSetupDlg(CIniFile& ini, Language language, std::string deviceRoot, QWidget* parent);

    // Writes the rows that changed into [PORTS] and saves the file at once, so that a
    // tevano-cli started now finds them.
    void accept() override;
    // Whether OK saved the file (its outcome is the store's LastSave).
    bool Saved() const { return saved_; }

    QComboBox* PortBox(std::size_t index) const { return boxes_.at(index); }
    QPushButton* RefreshButton() const { return refresh_; }
    // Shown while no device is plugged in.
    QLabel* NothingFoundLabel() const { return nothingFound_; }
    // The cable check's lines for the row picked last, to read and copy.
    QPlainTextEdit* DiagnosisText() const { return diagnosis_; }
    // Looks at the devices now, as the dialog does every second; true when they changed.
    bool FollowDevices();

    // The device a row names: the path of the device picked, or the text typed ("" for the
    // port's default).
    std::string ChosenPath(std::size_t index) const;

private:
    // Looks for the devices again; every row keeps what it names.
    void FillDevices();
    // The cable check of the row picked.
    void ShowDiagnosis();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CIniFile& ini_;
    Language language_;
    std::string deviceRoot_;
    std::array<QComboBox*, kPortNames.size()> boxes_{};
    QLabel* nothingFound_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPlainTextEdit* diagnosis_ = nullptr;
    QTimer* follow_ = nullptr;
    std::vector<std::string> devicesSeen_;
    std::size_t pickedRow_ = 0;
    bool saved_ = false;
};

// Opens the dialog over the program's window; a save of the INI file that failed is reported
// when it closes.
void RunPortSetup(CIniFile& ini, UserPrompts& prompts, QWidget* parent);

} // namespace tevano
