// Read From Radio and Write To Radio in the desktop program: the two commands that open the
// progress dialog, and the start-transfer handler that runs the clone exchange on the window's
// thread once Start is pressed, then closes the dialog and shows what a read brought.
#pragma once

#include "image/RadioImage.h"
#include "report/ComparisonTexts.h"
#include "report/ImageComparison.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace tevano {

class CIniFile;
class ExchangeHook;
class PosixSerialPort;
class CProgressDlg;
class CTevView;
class CommandRegistry;
class ProgramWindow;
class ResourceModule;
class UserPrompts;

struct TransferContext {
    CTevView& view;               // the grid, its undo, the document and the port name
    const ResourceModule& module; // the progress dialog's template in the language in force
    CIniFile& ini;                // [PORTS] names the serial device of each port; [MAIN] keeps
                                  // whether a write is read back and compared
    UserPrompts& prompts;
    ProgramWindow& window;
    // Before a read replaces the grid: asks whether to save unsaved changes; false (Cancel, or
    // a save that did not happen) stops the read before its dialog opens.
    std::function<bool()> saveModified;
};

class TransferCommands : public QObject {
    Q_OBJECT

public:
    TransferCommands(const TransferContext& context, QObject* parent);

    void OnReadFromRadio();
    void OnWriteToRadio();
    // Compare With File: a channel data file picked in the backups folder, compared with the
    // document.
    void OnCompareWithFile();
    // Reads the radio into an image of its own and shows how it differs from the document.
    void OnCompareWithRadio();
    // Verify After Write: whether a completed write is read back and compared, kept in MAIN.ini.
    bool VerifyAfterWrite() const;
    void ToggleVerifyAfterWrite();

    // The progress window of the next or the running transfer; nullptr when none is open.
    CProgressDlg* ProgressWindow() const;

private:
    enum class Direction { Read, Write, Compare };

    void OpenProgress(Direction direction);
    void OnStartTransfer();
    void CloseProgress();
    // The radio read back after a completed write, compared with what was written: a note in
    // the status bar when it holds the document, the differences in a window when not.
    std::string Verify(ExchangeHook& hook, PosixSerialPort& port, const std::string& device,
                       const RadioImage& written);
    // The document as a write would send it: the image with the grid's channels put in.
    RadioImage DocumentImage();
    void ShowDifferences(ComparisonTextId title, const std::string& summary,
                         const ImageComparison& comparison);
    std::string DevicePath() const;

    TransferContext context_;
    Direction direction_ = Direction::Read;
    QPointer<CProgressDlg> progress_;
    bool transferring_ = false; // no second exchange from inside the pump turns of the first
    // Differences found by the exchange, shown once its progress window is gone.
    std::optional<ImageComparison> pendingDifferences_;
    std::string pendingSummary_;
};

// Makes the commands of the program's window (they live as long as its view) and registers them.
void RegisterTransferCommands(CommandRegistry& registry, const TransferContext& context);

} // namespace tevano
