#include "image/ui/FileCommands.h"

#include "base/FileMessages.h"
#include "base/Messages.h"
#include "base/NoteTexts.h"
#include "base/PrintableText.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "image/ui/CTevDoc.h"
#include "image/ui/DocumentView.h"
#include "shell/DisplayLanguage.h"
#include "shell/FileHistory.h"

#include <QFileInfo>

namespace tevano {

FileCommands::FileCommands(CTevDoc& document, DocumentView& view, UserPrompts& prompts,
                           ProgramWindow& window, FileHistory& history)
    : document_(document), view_(view), prompts_(prompts), frame_(window), window_(window.Widget()),
      history_(history) {}

QString FileCommands::Filter(Language language) {
    return ToQt(UiText(TextId::ChannelFileFilter, language));
}

void FileCommands::New() {
    if (!SaveModified()) {
        return;
    }
    document_.OnNewDocument();
    view_.OnInitialUpdate();
}

void FileCommands::Open() {
    if (!SaveModified()) {
        return;
    }
    const QString path =
        prompts_.OpenFileName(window_, FileKind::ChannelData, Filter(DisplayedLanguage()));
    if (!path.isEmpty()) {
        OpenWithoutQuestion(path);
    }
}

bool FileCommands::OpenPath(const QString& path) {
    return SaveModified() && OpenWithoutQuestion(path);
}

bool FileCommands::OpenWithoutQuestion(const QString& path) {
    const FileResult result = document_.OnOpenDocument(path);
    if (!result.Ok()) {
        // The document on screen stays as it was.
        prompts_.Ask(
            window_,
            QString::fromStdString(FileErrorText(result, path.toStdString(), DisplayedLanguage())),
            Buttons::Ok);
        return false;
    }
    view_.OnInitialUpdate();
    AddToHistory(path);
    return true;
}

void FileCommands::AddToHistory(const QString& path) {
    const QFileInfo file(path);
    history_.Add(file.absoluteFilePath().toStdString());
    history_.SetFolder(FileKind::ChannelData, file.absolutePath().toStdString());
}

bool FileCommands::Save() {
    if (document_.PathName().isEmpty()) {
        return SaveAs();
    }
    if (document_.ChangedOnDisk()) {
        const Language language = DisplayedLanguage();
        const QString question = QString::fromStdString(
            FileChangedOnDiskText(document_.PathName().toStdString(), language));
        if (prompts_.Ask(window_, question, Buttons::YesNo, BoxIcon::Warning) != Answer::Yes) {
            return false;
        }
    }
    return SaveTo(document_.PathName());
}

bool FileCommands::SaveAs() {
    const QString suggestion = document_.PathName().isEmpty()
                                   ? document_.Title(DisplayedLanguage()) + ".sin"
                                   : document_.PathName();
    QString path = prompts_.SaveFileName(window_, FileKind::ChannelData, suggestion,
                                         Filter(DisplayedLanguage()));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".sin";
    }
    return SaveTo(path);
}

bool FileCommands::SaveTo(const QString& path) {
    view_.BeforeEncode();
    const FileResult result = document_.OnSaveDocument(path, view_.Form());
    view_.AfterEncode();
    if (!result.Ok()) {
        prompts_.Ask(
            window_,
            QString::fromStdString(FileErrorText(result, path.toStdString(), DisplayedLanguage())),
            Buttons::Ok, BoxIcon::Error);
        // A read-only file stays as its owner left it, and another user's link in a shared
        // folder is not followed; the work goes to another file.
        return (result.error == FileError::ReadOnly || result.error == FileError::ForeignLink) &&
               SaveAs();
    }
    AddToHistory(path);
    const std::string name = PrintableText(QFileInfo(path).absoluteFilePath().toStdString());
    frame_.ShowNote(QString::fromStdString(
        FillNote(NoteId::ChannelDataSaved, DisplayedLanguage(), {{"<file>", name}})));
    return true;
}

bool FileCommands::SaveModified() {
    if (!document_.IsModified()) {
        return true;
    }
    const Language language = DisplayedLanguage();
    const QString question =
        QString::fromStdString(SaveChangesText(document_.Title(language).toStdString(), language));
    switch (prompts_.Ask(window_, question, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return Save();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tevano
