#include "shell/ui/CTevApp.h"

#include "base/FileMessages.h"
#include "base/Messages.h"
#include "base/NoteTexts.h"
#include "base/PrintableText.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ui/CTevView.h"
#include "grid/ui/ChannelCommands.h"
#include "grid/ui/CsvCommands.h"
#include "grid/ui/UndoCommands.h"
#include "image/ui/CTevDoc.h"
#include "image/ui/FileCommands.h"
#include "options/ui/DialogCommands.h"
#include "radiolink/ui/RadioLinkCommands.h"
#include "radiolink/ui/TransferCommands.h"
#include "report/ui/ReportPrintCommands.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"
#include "shell/ProgramLayout.h"
#include "shell/ProgramName.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CMainFrame.h"
#include "testmode/ui/TestModeCommand.h"

#include <QApplication>
#include <QFileInfo>
#include <QLayout>
#include <QLibraryInfo>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace tevano {

namespace {

struct PortCommand {
    int commandId;
    const char* portName;
};

constexpr PortCommand kPortCommands[] = {
    {res::cmd::kPortCom1, "COM1"},
    {res::cmd::kPortCom2, "COM2"},
    {res::cmd::kPortCom3, "COM3"},
    {res::cmd::kPortCom4, "COM4"},
};

// The commands that act on what the grid holds. Menus and the toolbar leave the focus in the
// cell being edited, so its value is committed into the image first.
constexpr int kCommandsAfterCommit[] = {
    res::cmd::kFileNew,    res::cmd::kFileOpen,       res::cmd::kFileSave,
    res::cmd::kFileSaveAs, res::cmd::kSwitchLanguage,
};

} // namespace

CTevApp::CTevApp(CIniFile& ini, UserPrompts& prompts, StartupOptions options)
    : ini_(ini), prompts_(prompts), options_(std::move(options)) {}

CTevApp::~CTevApp() = default;

bool CTevApp::LoadModule(const std::string& language, ResourceModule& module) const {
    module = ResourceModule::Load(language, programDirectory_);
    if (!module.Loaded()) {
        // For whoever installed the program: which file, and where it was looked for.
        std::fprintf(stderr, "tevano: %s", ModuleFailureText(module).c_str());
    }
    return module.Loaded();
}

bool CTevApp::InitInstance() {
    baseName_ = ProgramBaseName(options_.programPath);
    programDirectory_ = ProgramDirectory(options_.programPath);
    QString fileToOpen;
    for (const QString& argument : options_.arguments) {
        if (!argument.startsWith('-') && fileToOpen.isEmpty()) {
            fileToOpen = argument;
        }
    }

    QGuiApplication::setDesktopFileName(QStringLiteral("tevano"));
    OpenProgramIni(ini_, baseName_ + ".ini", FindProgramLayout(programDirectory_, baseName_));
    SetLanguageBaseName(baseName_);
    SetDisplayLanguage(ChooseLanguageAtStart(baseName_, SystemLanguageIsChinese(), ini_));
    if (!LoadModule(DisplayLanguage(), module_)) {
        prompts_.Show(nullptr, MessageId::ResourceModuleMissingAtStart, Language::English);
        return false;
    }

    const res::DialogTemplate* form = module_.FindDialog(res::ids::kFormView);
    if (form == nullptr) {
        prompts_.Show(nullptr, MessageId::ResourceModuleMissingAtStart, Language::English);
        return false;
    }
    document_ = std::make_unique<CTevDoc>();
    frame_ = std::make_unique<CMainFrame>();
    view_ = new CTevView(*document_, tones_, *form, frame_.get());
    frame_->setCentralWidget(view_);
    history_.Open();
    prompts_.SetHistory(&history_);
    files_ = std::make_unique<FileCommands>(*document_, *view_, prompts_, *frame_, history_);
    RegisterCommands();
    ApplyLanguage();

    connect(frame_.get(), &CMainFrame::Command, this, &CTevApp::OnCommand);
    connect(frame_.get(), &CMainFrame::UpdateCommands, this, &CTevApp::UpdateCommandUi);
    connect(frame_.get(), &CMainFrame::FilesDropped, this, [this](const QStringList& paths) {
        view_->Commit();
        files_->OpenPath(paths.first());
    });
    connect(frame_.get(), &CMainFrame::RecentFileChosen, this, &CTevApp::OpenRecentFile);
    connect(frame_.get(), &CMainFrame::CloseRequested, this, [this](bool& accept) {
        view_->Commit();
        accept = files_->SaveModified();
    });
    connect(view_, &CTevView::FormListChanged, document_.get(),
            [this] { document_->SetModifiedFlag(true); });
    connect(view_, &CTevView::CellChanged, document_.get(),
            [this] { document_->SetModifiedFlag(true); });
    connect(view_, &CTevView::EditMessage, this,
            [this](MessageId id) { prompts_.Show(frame_.get(), id, DisplayedLanguage()); });
    connect(view_, &CTevView::StatusHelp, frame_.get(), &CMainFrame::ShowHelpText);
    connect(view_, &CTevView::Note, frame_.get(), &CMainFrame::ShowNote);
    connect(view_, &CTevView::Warning, this, [this](const QString& text) {
        prompts_.Ask(frame_.get(), text, Buttons::Ok, BoxIcon::Warning);
    });

    // The window has its size before the form is first shown in it, so that the grid's
    // columns are sized to the grid as the user will see it.
    frame_->resize(frame_->FirstSize());
    frame_->layout()->activate();
    document_->OnNewDocument();
    if (!fileToOpen.isEmpty()) {
        // A file that cannot be opened ends the start-up after the error has been shown.
        const FileResult result = document_->OnOpenDocument(fileToOpen);
        if (!result.Ok() && PrintSwitchGiven(options_.arguments)) {
            // Printing shows no window: the one who ran it reads stderr.
            std::fprintf(
                stderr, "tevano: %s\n",
                FileErrorText(result, fileToOpen.toStdString(), DisplayedLanguage()).c_str());
            return false;
        }
        if (!result.Ok()) {
            files_->OpenWithoutQuestion(fileToOpen);
            return false;
        }
    }
    view_->OnInitialUpdate();
    if (!fileToOpen.isEmpty()) {
        files_->AddToHistory(fileToOpen);
    }
    ShowRecentFiles();
    if (PrintSwitchGiven(options_.arguments)) {
        RunPrintSwitch({*view_, prompts_,
                        *frame_}); // prints without showing the window, then ends the program
        return true;
    }
    frame_->show();
    return true;
}

int CTevApp::ExitInstance(int status) {
    // The store would write a language switch when it goes, after the window: it is saved here,
    // while a failure can still be told.
    if (ini_.Changed()) {
        ini_.Save(false);
        ReportSettingsSave(prompts_, frame_.get(), ini_);
    }
    prompts_.SetHistory(nullptr);
    frame_.reset();
    files_.reset();
    document_.reset();
    module_ = ResourceModule();
    if (qtTranslator_) {
        QCoreApplication::removeTranslator(qtTranslator_.get());
    }
    return status;
}

// Everything that follows the language in force: Qt's own texts, the frame's resources and the
// message boxes' caption.
void CTevApp::ApplyLanguage() {
    if (qtTranslator_) {
        QCoreApplication::removeTranslator(qtTranslator_.get());
        qtTranslator_.reset();
    }
    if (!IsEnglish()) {
        qtTranslator_ = std::make_unique<QTranslator>();
        if (qtTranslator_->load("qtbase_zh_CN",
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator_.get());
        }
    }
    frame_->LoadFrameResources(module_);
    prompts_.SetTitle(QString::fromStdString(module_.String(res::ids::kAppTitleString)));
}

void CTevApp::AddCommand(int commandId, std::function<void()> handler) {
    commands_[commandId] = std::move(handler);
}

void CTevApp::AddMenuUpdate(std::function<void()> update) {
    menuUpdates_.push_back(std::move(update));
}

// Each subsystem gets what its commands work with, and no more.
void CTevApp::RegisterCommands() {
    ProgramWindow& window = *frame_;
    RegisterTransferCommands(*this, {*view_, module_, ini_, prompts_, window,
                                     [this] { return files_->SaveModified(); }});
    AddDialogCommands(*this, {*document_, module_, window});
    AddTestModeCommand(*this, {*view_, tones_, module_, ini_, prompts_, window});
    AddPrintCommands(*this, {*view_, prompts_, window});
    AddRadioLinkCommands(*this, ini_, prompts_, window);
    AddCsvCommands(*this, {*view_, prompts_, window});
    AddChannelCommands(*this, {*view_, prompts_, window});
    AddUndoCommands(*this, view_->Undo(), window);
}

void CTevApp::OnCommand(int commandId) {
    if (std::find(std::begin(kCommandsAfterCommit), std::end(kCommandsAfterCommit), commandId) !=
        std::end(kCommandsAfterCommit)) {
        view_->Commit();
    }
    if (const auto it = commands_.find(commandId); it != commands_.end()) {
        it->second();
        return;
    }
    switch (commandId) {
    case res::cmd::kFileNew:
        files_->New();
        return;
    case res::cmd::kFileOpen:
        files_->Open();
        return;
    case res::cmd::kFileSave:
        files_->Save();
        return;
    case res::cmd::kFileSaveAs:
        files_->SaveAs();
        return;
    case res::cmd::kAppExit:
        frame_->close();
        return;
    case res::cmd::kViewToolbar:
        frame_->ToolBar()->setVisible(!frame_->ToolBar()->isVisible());
        return;
    case res::cmd::kViewStatusBar:
        frame_->statusBar()->setVisible(!frame_->statusBar()->isVisible());
        return;
    case res::cmd::kSwitchLanguage:
        OnSwitchLanguage();
        return;
    case res::cmd::kAppAbout:
        ShowAbout();
        return;
    case res::cmd::kHelpTopics:
    case res::cmd::kHelp:
    case res::cmd::kContextHelp:
    case res::cmd::kDefaultHelp:
        ShowHelp();
        return;
    default:
        break;
    }
    for (const PortCommand& port : kPortCommands) {
        if (port.commandId == commandId) {
            view_->SetPortName(port.portName);
            return;
        }
    }
}

void CTevApp::UpdateCommandUi() {
    for (const std::function<void()>& update : menuUpdates_) {
        update();
    }
    ShowRecentFiles();
    for (const PortCommand& port : kPortCommands) {
        if (QAction* action = frame_->Action(port.commandId)) {
            action->setCheckable(true);
            action->setChecked(view_->PortName() == port.portName);
        }
    }
    if (QAction* action = frame_->Action(res::cmd::kViewToolbar)) {
        action->setCheckable(true);
        action->setChecked(frame_->ToolBar()->isVisible());
    }
    if (QAction* action = frame_->Action(res::cmd::kViewStatusBar)) {
        action->setCheckable(true);
        action->setChecked(frame_->statusBar()->isVisible());
    }
}

void CTevApp::OnSwitchLanguage() {
    if (prompts_.Show(frame_.get(), MessageId::ConfirmLanguageChange, DisplayedLanguage()) ==
        Answer::No) {
        return;
    }
    ResourceModule next;
    const LanguageSwitch result = SwitchLanguage(
        baseName_, DisplayLanguage(), ini_,
        [this, &next](const std::string& language) { return LoadModule(language, next); });
    SetDisplayLanguage(result.language);
    if (result.loadFailed) {
        prompts_.Show(frame_.get(), MessageId::ResourceModuleMissingOnSwitch, Language::English);
    } else {
        module_ = std::move(next);
    }
    ApplyLanguage();
    view_->RefreshLanguage(DisplayedLanguage());
    // Kept at once, so that a choice that cannot be kept is told now, not when the program ends.
    ini_.Save(false);
    ReportSettingsSave(prompts_, frame_.get(), ini_);
}

void CTevApp::ShowRecentFiles() {
    QStringList paths;
    for (const std::string& path : history_.Files()) {
        paths << QString::fromStdString(path);
    }
    frame_->ShowRecentFiles(paths);
}

// A file gone since it was last used leaves the list with a word why; nothing else changes.
void CTevApp::OpenRecentFile(const QString& path) {
    view_->Commit();
    if (!QFileInfo::exists(path)) {
        history_.Remove(path.toStdString());
        ShowRecentFiles();
        prompts_.Ask(
            frame_.get(),
            QString::fromStdString(FillNote(NoteId::RecentFileGone, DisplayedLanguage(),
                                            {{"<file>", PrintableText(path.toStdString())}})),
            Buttons::Ok, BoxIcon::Warning);
        return;
    }
    files_->OpenPath(path);
    ShowRecentFiles();
}

void CTevApp::ShowAbout() {
    if (const res::DialogTemplate* about = module_.FindDialog(res::ids::kAboutDialog)) {
        CAboutDlg dialog(*about, frame_.get());
        dialog.exec();
    }
}

void CTevApp::ShowHelp() {
    prompts_.Ask(frame_.get(), ToQt(UiText(TextId::ProgramHelp, DisplayedLanguage())), Buttons::Ok);
}

} // namespace tevano
