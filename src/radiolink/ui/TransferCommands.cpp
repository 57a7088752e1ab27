#include "radiolink/ui/TransferCommands.h"

#include "base/FileMessages.h"
#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelEncode.h"
#include "grid/ui/ChannelTableView.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/GridUndo.h"
#include "image/ChannelFile.h"
#include "image/ui/CTevDoc.h"
#include "image/ui/FileCommands.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PortNames.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/RadioLinkTexts.h"
#include "radiolink/ReadBackups.h"
#include "radiolink/ShortReplies.h"
#include "radiolink/ui/CProgressDlg.h"
#include "radiolink/ui/ComparisonDialog.h"
#include "radiolink/ui/StatusBarNotes.h"
#include "radiolink/ui/WindowExchangeHook.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"
#include "shell/ResourceModule.h"

#include <QAction>
#include <QFileInfo>

namespace tevano {

namespace {

constexpr const char* kMainSection = "MAIN";
constexpr const char* kVerifyKey = "VERIFY_AFTER_WRITE";

} // namespace

TransferCommands::TransferCommands(const TransferContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

void TransferCommands::OnReadFromRadio() {
    OpenProgress(Direction::Read);
}

void TransferCommands::OnWriteToRadio() {
    OpenProgress(Direction::Write);
}

void TransferCommands::OnCompareWithRadio() {
    OpenProgress(Direction::Compare);
}

void TransferCommands::OnCompareWithFile() {
    context_.view.Commit();
    const Language language = DisplayedLanguage();
    // The backups are what a user most often compares with: the radio as it was last read.
    const QString path = context_.prompts.OpenFileNameIn(
        context_.window.Widget(), ToQt(BackupDirectory()), FileCommands::Filter(language));
    if (path.isEmpty()) {
        return;
    }
    RadioImage other{};
    const FileResult loaded = LoadChannelFile(FromQt(path), other);
    if (!loaded.Ok()) {
        context_.prompts.Ask(context_.window.Widget(),
                             ToQt(FileErrorText(loaded, FromQt(path), language)), Buttons::Ok,
                             BoxIcon::Error);
        return;
    }
    const ImageComparison comparison = CompareImages(DocumentImage(), other, language);
    const std::string name = QFileInfo(path).fileName().toStdString();
    const std::string summary = ComparisonSummary(comparison, name, language);
    context_.window.ShowNote(ToQt(summary));
    if (comparison.Same()) {
        context_.prompts.Ask(context_.window.Widget(), ToQt(summary), Buttons::Ok);
        return;
    }
    ShowDifferences(ComparisonTextId::FileTitle, summary, comparison);
}

bool TransferCommands::VerifyAfterWrite() const {
    return context_.ini.GetValue(kMainSection, kVerifyKey, "0") == "1";
}

void TransferCommands::ToggleVerifyAfterWrite() {
    context_.ini.SetValue(kMainSection, kVerifyKey, VerifyAfterWrite() ? "0" : "1");
    // Kept at once, so that a choice that cannot be kept is told now.
    context_.ini.Save(false);
    ReportSettingsSave(context_.prompts, context_.window.Widget(), context_.ini);
}

RadioImage TransferCommands::DocumentImage() {
    RadioImage image = context_.view.Document().Image();
    EncodeChannels(context_.view.Form(), image);
    return image;
}

void TransferCommands::ShowDifferences(ComparisonTextId title, const std::string& summary,
                                       const ImageComparison& comparison) {
    const Language language = DisplayedLanguage();
    ComparisonDialog dialog(ToQt(ComparisonText(title, language)), ToQt(summary), comparison,
                            language, context_.window.Widget());
    dialog.exec();
}

std::string TransferCommands::Verify(ExchangeHook& hook, PosixSerialPort& port,
                                     const std::string& device, const RadioImage& written) {
    const Language language = DisplayedLanguage();
    // Every byte starts unlike the one written: a byte that a short reply did not bring back
    // cannot pass for a verified one.
    RadioImage readBack{};
    for (std::size_t offset = 0; offset < written.size(); ++offset) {
        readBack[offset] = static_cast<std::uint8_t>(~written[offset]);
    }
    if (progress_ != nullptr) {
        // Reading back: a stop now leaves the radio as it was written.
        progress_->SetWriting(false);
        progress_->Retitle(ToQt(ComparisonText(ComparisonTextId::VerifyTitle, language)));
    }
    const CloneOutcome outcome = ReadFromRadio(port, device, hook, readBack);
    if (outcome.ending != CloneEnding::Completed) {
        return RadioLinkText(RadioLinkTextId::VerifyNotRead, language);
    }
    const ImageComparison comparison = CompareImages(written, readBack, language);
    if (comparison.Same()) {
        return ComparisonText(ComparisonTextId::RadioHoldsDocument, language);
    }
    pendingDifferences_ = comparison;
    return ComparisonText(ComparisonTextId::RadioDiffers, language,
                          {{"<places>", PlacesOf(comparison, language)}});
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
        direction == Direction::Write ? TextId::WritingTitle : TextId::ReadingTitle;
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
    const QWidget& grid = view.Table();
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
        // Before the port is opened: the image is encoded even when the exchange fails at once.
        // What was changed before is a step of its own; the encode is none.
        view.Undo().Flush();
        EncodeChannels(view.Form(), document.Image());
        view.Undo().Rebase();
    }
    // Compare With Radio reads into an image of its own; the document stays as it is.
    RadioImage radio{};
    RadioImage ours{};
    if (direction == Direction::Compare) {
        ours = DocumentImage();
        MakeNewImage(radio);
    }
    pendingDifferences_.reset();
    if (direction == Direction::Read) {
        // A completed read is one step of Undo, which puts the old image and grid back.
        view.Undo().BeginBulkChange();
    }
    WindowExchangeHook window(dialog, context_.prompts, context_.window.Widget());
    PosixSerialPort port;
    const std::string device = DevicePath();
    PortReasonHook hook(window, port, context_.view.PortName(), device, &context_.window);
    // A read hands the radio's memory to the document only when every block has come.
    CloneOutcome outcome;
    switch (direction) {
    case Direction::Read:
        outcome = ReadFromRadio(port, device, hook, document.Image());
        break;
    case Direction::Write:
        outcome = WriteToRadio(port, device, hook, document.Image());
        break;
    case Direction::Compare:
        outcome = ReadFromRadio(port, device, hook, radio);
        break;
    }
    const bool completed = outcome.ending == CloneEnding::Completed;
    if (completed && direction == Direction::Compare) {
        const Language language = DisplayedLanguage();
        const ImageComparison comparison = CompareImages(ours, radio, language);
        const std::string where = view.PortName() + " (" + device + ")";
        const std::string summary = ComparisonSummary(comparison, where, language);
        context_.window.ShowNote(ToQt(summary));
        if (!comparison.Same()) {
            pendingDifferences_ = comparison;
            pendingSummary_ = summary;
        }
    } else if (completed) {
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
        if (direction == Direction::Write && VerifyAfterWrite()) {
            context_.window.ShowNote(ToQt(note));
            note += " " + Verify(hook, port, device, document.Image());
            pendingSummary_ = note;
        }
        context_.window.ShowNote(ToQt(note));
    }
    if (completed && progress_ != nullptr) {
        progress_->FillBar();
    }
    CloseProgress();
    transferring_ = false;
    if (direction == Direction::Read && completed) {
        ShowImage(document.Image(), view.Form());
        view.ImageChanged();
        view.ShowFromChannelOne();
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
    if (pendingDifferences_) {
        const ImageComparison comparison = std::move(*pendingDifferences_);
        pendingDifferences_.reset();
        ShowDifferences(direction == Direction::Write ? ComparisonTextId::VerifyTitle
                                                      : ComparisonTextId::RadioTitle,
                        pendingSummary_, comparison);
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
    // The commands live as long as the view; a command that comes after is dropped.
    const auto add = [&registry, commands](int commandId, void (TransferCommands::*handler)()) {
        registry.AddCommand(commandId, [commands, handler] {
            if (commands != nullptr) {
                (commands.data()->*handler)();
            }
        });
    };
    add(res::cmd::kReadFromRadio, &TransferCommands::OnReadFromRadio);
    add(res::cmd::kWriteToRadio, &TransferCommands::OnWriteToRadio);
    add(res::cmd::kCompareWithFile, &TransferCommands::OnCompareWithFile);
    add(res::cmd::kCompareWithRadio, &TransferCommands::OnCompareWithRadio);
    add(res::cmd::kVerifyAfterWrite, &TransferCommands::ToggleVerifyAfterWrite);
    ProgramWindow& window = context.window;
    registry.AddMenuUpdate([commands, &window] {
        if (QAction* action = window.Action(res::cmd::kVerifyAfterWrite);
            action != nullptr && commands != nullptr) {
            action->setCheckable(true);
            action->setChecked(commands->VerifyAfterWrite());
        }
    });
}

} // namespace tevano
