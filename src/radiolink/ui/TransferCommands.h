// Read From Radio and Write To Radio in the desktop program: the two commands that open the
// progress dialog, and the start-transfer handler that runs the clone exchange on the window's
// thread once Start is pressed, then closes the dialog and shows what a read brought.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

namespace tevano {

class CIniFile;
class CProgressDlg;
class CTevView;
class CommandRegistry;
class ProgramWindow;
class ResourceModule;
class UserPrompts;

struct TransferContext {
    CTevView& view;               // the grid, its undo, the document and the port name
    const ResourceModule& module; // the progress dialog's template in the language in force
    const CIniFile& ini;          // [PORTS] names the serial device of each port
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

    // The progress window of the next or the running transfer; nullptr when none is open.
    CProgressDlg* ProgressWindow() const;

private:
    enum class Direction { Read, Write };

    void OpenProgress(Direction direction);
    void OnStartTransfer();
    void CloseProgress();
    std::string DevicePath() const;

    TransferContext context_;
    Direction direction_ = Direction::Read;
    QPointer<CProgressDlg> progress_;
    bool transferring_ = false; // no second exchange from inside the pump turns of the first
};

// Makes the commands of the program's window (they live as long as its view) and registers them.
void RegisterTransferCommands(CommandRegistry& registry, const TransferContext& context);

} // namespace tevano
