#include "radiolink/ui/TransferCommands.h"

#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelEncode.h"
#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/GridUndo.h"
#include "image/ui/CTevDoc.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PortNames.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ShortReplies.h"
#include "radiolink/ui/CProgressDlg.h"
#include "radiolink/ui/StatusBarNotes.h"
#include "radiolink/ui/WindowExchangeHook.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"

namespace tevano {

TransferCommands::TransferCommands(CTevApp& app, CIniFile& ini, UserPrompts& prompts,
                                   QObject* parent)
    : QObject(parent), app_(app), ini_(ini), prompts_(prompts) {}

void TransferCommands::OnReadFromRadio() {
    OpenProgress(Direction::Read);
}

void TransferCommands::OnWriteToRadio() {
    OpenProgress(Direction::Write);
}

// A window cancelled before Start hides at once and goes at the next turn of the event loop.
CProgressDlg* TransferCommands::ProgressWindow() const {
    return progress_ != nullptr && !progress_->isHidden() ? progress_.data() : nullptr;
}

void TransferCommands::OpenProgress(Direction direction) {
    CTevView& view = *app_.View();
    view.Commit();
    CProgressDlg* open = ProgressWindow();
    if (transferring_ || (open != nullptr && open->Running())) {
        // Start was pressed: the transfer goes the way its window says, even while it waits
        // for its turn in the event loop.
        return;
    }
    direction_ = direction;
    const TextId titleId =
        direction == Direction::Read ? TextId::ReadingTitle : TextId::WritingTitle;
    const QString title = ToQt(UiText(titleId, IsEnglish()));
    if (open != nullptr) {
        // A window opened before and not started: its Start now goes the new way, and its
        // caption must say which way that is.
        open->Retitle(title);
        return;
    }
    const res::DialogTemplate* layout = app_.Module().FindDialog(res::ids::kProgressDialog);
    if (layout == nullptr) {
        return;
    }
    auto* dialog = new CProgressDlg(*layout, title, prompts_, app_.MainFrame());
    connect(dialog, &CProgressDlg::StartTransfer, this, &TransferCommands::OnStartTransfer,
            Qt::QueuedConnection);
    progress_ = dialog;
    dialog->show();
    // Over the middle of the channel grid, where the user's eyes are.
    const CMSFlexGrid& grid = view.Grid();
    QRect frame(QPoint(0, 0), dialog->frameGeometry().size());
    frame.moveCenter(grid.mapToGlobal(grid.rect().center()));
    dialog->move(frame.topLeft());
}

void TransferCommands::OnStartTransfer() {
    CProgressDlg* dialog = ProgressWindow();
    if (dialog == nullptr || transferring_) {
        return;
    }
    transferring_ = true;
    const Direction direction = direction_;
    CTevView& view = *app_.View();
    CTevDoc& document = *app_.Document();
    if (direction == Direction::Write) {
        // Before the port is opened: the image holds the grid even when the exchange fails at once.
        EncodeChannels(view.Form(), document.Image());
    }
    if (direction == Direction::Read) {
        // A completed read is one step of Undo, which puts the old image and grid back.
        view.Undo().BeginBulkChange();
    }
    WindowExchangeHook window(dialog, prompts_, app_.MainFrame());
    PosixSerialPort port;
    const std::string device = DevicePath();
    PortReasonHook hook(window, port, device, app_.MainFrame());
    // A read hands the radio's memory to the document only when every block has come.
    const CloneOutcome outcome = direction == Direction::Read
                                     ? ReadFromRadio(port, device, hook, document.Image())
                                     : WriteToRadio(port, device, hook, document.Image());
    if (direction == Direction::Read && outcome.ending == CloneEnding::Completed) {
        // The radio's memory as it came off the cable, before the grid or anything else sees it.
        BackUpCompletedRead(document.Image(),
                            outcome.shortReplies.empty() ? ReadKind::Whole : ReadKind::Incomplete,
                            app_.MainFrame());
    }
    const bool completed = outcome.ending == CloneEnding::Completed;
    if (completed && progress_ != nullptr) {
        progress_->FillBar();
    }
    CloseProgress();
    transferring_ = false;
    if (direction == Direction::Read && completed) {
        DecodeChannels(document.Image(), view.Form(), IsEnglish());
        view.ShowFromChannelOne();
        view.Grid().Refresh();
        // The grid now shows what is in the radio, not what is in the file: the file that was
        // open is no place to save another radio's memory without being asked.
        document.DetachFromFile();
    }
    if (direction == Direction::Read) {
        view.Undo().EndBulkChange();
    }
    if (direction == Direction::Read && completed && !outcome.shortReplies.empty()) {
        // The read stands; the user learns which bytes did not come from the radio.
        prompts_.Ask(app_.MainFrame(), ToQt(ShortRepliesText(outcome.shortReplies, IsEnglish())),
                     Buttons::Ok, BoxIcon::Warning);
    }
    if (direction == Direction::Write && WriteEndedPartway(outcome)) {
        // However it ended (Cancel, Esc, the close box, an interruption, a refused block), the
        // radio must not be taken away believing it holds the file.
        prompts_.ShowWith(app_.MainFrame(), MessageId::PartlyWritten,
                          std::to_string(outcome.blocksDone), IsEnglish(), BoxIcon::Warning);
    }
}

void TransferCommands::CloseProgress() {
    if (progress_ == nullptr) {
        return;
    }
    // Its going away takes the activation from it; that is no interruption.
    progress_->SetInterruptionWatch(false);
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
}

std::string TransferCommands::DevicePath() const {
    return PortDevicePath(app_.View()->PortName(), [this](const std::string& key) {
        return ini_.GetValue(kPortsSection, key, "");
    });
}

void RegisterTransferCommands(CTevApp& app, CIniFile& ini, UserPrompts& prompts) {
    const QPointer<TransferCommands> commands = new TransferCommands(app, ini, prompts, app.View());
    app.AddCommand(res::cmd::kReadFromRadio, [commands] {
        if (commands != nullptr) {
            commands->OnReadFromRadio();
        }
    });
    app.AddCommand(res::cmd::kWriteToRadio, [commands] {
        if (commands != nullptr) {
            commands->OnWriteToRadio();
        }
    });
}

} // namespace tevano
