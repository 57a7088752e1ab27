#include "testmode/ui/CalibrationStart.h"

#include "base/ui/UserPrompts.h"
#include "radiolink/ExchangeHook.h"
#include "radiolink/PortNames.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ui/StatusBarNotes.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"
#include "testmode/CalibrationExchange.h"

#include <QApplication>
#include <QCursor>

namespace tevano {

namespace {

// The calibration pumps no events: the dialog does not answer until the exchange ends, so the
// cursor says it is busy, except while a question waits for the user.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The calibration needs only the message boxes of the hook; it has no progress to show and
// cannot be cancelled while it talks to the radio.
class DialogCalibrationHook : public ExchangeHook {
public:
    DialogCalibrationHook(UserPrompts& prompts, QWidget* dialog)
        : prompts_(prompts), dialog_(dialog) {}

    void PumpTurn() override {}
    bool CancelRequested() override { return false; }
    void ShowStatus(TextId) override {}
    void StepProgress(int) override {}
    void SetInterruptionWatch(bool) override {}

    Answer Ask(MessageId message) override {
        QApplication::restoreOverrideCursor();
        const Answer answer = prompts_.Show(dialog_, message, DisplayedLanguage());
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        return answer;
    }

private:
    UserPrompts& prompts_;
    QWidget* dialog_;
};

} // namespace

CTestModeDlg::StartCalibration CalibrationOnPort(std::string portName, const CIniFile& ini,
                                                 UserPrompts& prompts, ProgramWindow* window) {
    return [portName = std::move(portName), &ini, &prompts,
            window](QWidget* dialog, const CalibrationRequest& request) {
        const std::string device = PortDevicePath(portName, [&ini](const std::string& key) {
            return ini.GetValue(kPortsSection, key, "");
        });
        const BusyCursor busy;
        PosixSerialPort port;
        DialogCalibrationHook boxes(prompts, dialog);
        PortReasonHook hook(boxes, port, portName, device, window);
        // Every ending, the success too, was shown through the hook; nothing is left to do.
        static_cast<void>(RunCalibration(port, device, hook, request));
    };
}

} // namespace tevano
