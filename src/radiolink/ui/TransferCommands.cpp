#include "radiolink/ui/TransferCommands.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
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
#include "shell/ResourceModule.h"

namespace tevano {

TransferCommands::TransferCommands(const TransferContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

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
    CTevView& view = context_.view;
    view.Commit();
    CProgressDlg* open = ProgressWindow();
    if (transferring_ || (open != nullptr && open->Running())) {
        // Start was pressed: the transfer goes the way its window says, even while it waits
        // for its turn in the event loop.
        return;
    }
    if (direction == Direction::Read && context_.saveModified && !context_.saveModified()) {
        return;
    }
    direction_ = direction;
    const TextId titleId =
        direction == Direction::Read ? TextId::ReadingTitle : TextId::WritingTitle;
    const QString title = ToQt(UiText(titleId, DisplayedLanguage()));
    if (open != nullptr) {
        // A window opened before and not started: its Start now goes the new way, and its
        // caption must say which way that is.
        open->Retitle(title);
        return;
    }
    const res::DialogTemplate* layout = context_.module.FindDialog(res::ids::kProgressDialog);
    if (layout == nullptr) {
        return;
    }
    auto* dialog = new CProgressDlg(*layout, title, context_.prompts, context_.window.Widget());
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
    dialog->SetWriting(direction == Direction::Write);
    CTevView& view = context_.view;
    CTevDoc& document = view.Document();
    if (direction == Direction::Write) {
        // Before the port is opened: the image holds the grid even when the exchange fails at once.
        EncodeChannels(view.Form(), document.Image());
    }
    if (direction == Direction::Read) {
        // A completed read is one step of Undo, which puts the old image and grid back.
        view.Undo().BeginBulkChange();
    }
    WindowExchangeHook window(dialog, context_.prompts, context_.window.Widget());
    PosixSerialPort port;
    const std::string device = DevicePath();
    PortReasonHook hook(window, port, context_.view.PortName(), device, &context_.window);
    // A read hands the radio's memory to the document only when every block has come.
    const CloneOutcome outcome = direction == Direction::Read
                                     ? ReadFromRadio(port, device, hook, document.Image())
                                     : WriteToRadio(port, device, hook, document.Image());
    const bool completed = outcome.ending == CloneEnding::Completed;
    if (completed) {
        std::string note = TransferDoneText(direction == Direction::Write, outcome.blocksDone,
                                            view.PortName(), device);
        if (hook.EchoNoted()) {
            note += " " + EchoingCableText();
        }
        if (direction == Direction::Read) {
            // The radio's memory as it came off the cable, before the grid or anything else
            // sees it.
            note += " " + BackUpCompletedRead(document.Image(), ReadKindOf(outcome));
        }
        context_.window.ShowNote(ToQt(note));
    }
    if (completed && progress_ != nullptr) {
        progress_->FillBar();
    }
    CloseProgress();
    transferring_ = false;
    if (direction == Direction::Read && completed) {
        DecodeChannels(document.Image(), view.Form(), DisplayedLanguage());
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
        context_.prompts.Ask(context_.window.Widget(),
                             ToQt(ShortRepliesText(outcome.shortReplies, DisplayedLanguage())),
                             Buttons::Ok, BoxIcon::Warning);
    }
    if (direction == Direction::Write && WriteEndedPartway(outcome)) {
        // However it ended (Cancel, Esc, the close box, an interruption, a refused block), the
        // radio must not be taken away believing it holds the file.
        context_.prompts.ShowWith(context_.window.Widget(), MessageId::PartlyWritten,
                                  std::to_string(outcome.blocksDone), DisplayedLanguage(),
                                  BoxIcon::Warning);
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
    return PortDevicePath(context_.view.PortName(), [this](const std::string& key) {
        return context_.ini.GetValue(kPortsSection, key, "");
    });
}

void RegisterTransferCommands(CommandRegistry& registry, const TransferContext& context) {
    const QPointer<TransferCommands> commands = new TransferCommands(context, &context.view);
    registry.AddCommand(res::cmd::kReadFromRadio, [commands] {
        if (commands != nullptr) {
            commands->OnReadFromRadio();
        }
    });
    registry.AddCommand(res::cmd::kWriteToRadio, [commands] {
        if (commands != nullptr) {
            commands->OnWriteToRadio();
        }
    });
}

} // namespace tevano
