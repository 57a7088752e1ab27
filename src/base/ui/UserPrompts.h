// Everything the program asks the user in a modal box: message boxes with their buttons and the
// file dialogs. The desktop program shows Qt's boxes; tests answer from a script.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "shell/FileHistory.h"

#include <QString>

class QWidget;

namespace tevano {

// An option the open dialog offers below its file list: a check box whose text holds a number
// field where "%1" stands ("Place channels from channel %1 in file order").
struct NumberOption {
    QString text;
    int lowest = 1;
    int highest = 1;
};

// The file picked ("" when the user cancels) and the option's number, 0 when left unchecked.
struct FileWithNumber {
    QString path;
    int number = 0;
};

// The icon beside a message box's text: the one its buttons call for (a question mark for a
// question, a warning for Retry and Cancel, information for OK), or one that marks a failure.
enum class BoxIcon { FromButtons, Warning, Error };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box captioned with the application title; returns the button pressed.
    virtual Answer Ask(QWidget* parent, const QString& text, Buttons buttons, BoxIcon icon) = 0;
    Answer Ask(QWidget* parent, const QString& text, Buttons buttons) {
        return Ask(parent, text, buttons, BoxIcon::FromButtons);
    }
    // The file dialogs open in the folder last used for files of the kind and remember the
    // folder of the file picked, in the history when one is set (else for this run).
    void SetHistory(FileHistory* history) { history_ = history; }
    // "" when no file of the kind was picked yet.
    QString Folder(FileKind kind) const;

    // A file to open, "" when the user cancels.
    QString OpenFileName(QWidget* parent, FileKind kind, const QString& filter);
    // A file to open, the dialog opening in `folder` whatever folder the kind used last.
    QString OpenFileNameIn(QWidget* parent, const QString& folder, const QString& filter) {
        return ChooseFileToOpen(parent, folder, filter);
    }
    // A file to open with the option; without a dialog that shows it, the option stays off.
    FileWithNumber OpenFileWithOption(QWidget* parent, FileKind kind, const QString& filter,
                                      const NumberOption& option);
    // A file to save to, "" when the user cancels. The dialog offers the suggestion's file name
    // in the kind's folder; before any file of the kind was picked, the suggestion as it is.
    QString SaveFileName(QWidget* parent, FileKind kind, const QString& suggestion,
                         const QString& filter);

    // The caption of every message box: the application title of the language in force.
    void SetTitle(const QString& title) { title_ = title; }
    const QString& Title() const { return title_; }

    Answer Show(QWidget* parent, MessageId id, Language language) {
        return Ask(parent, QString::fromStdString(MessageText(id, language)), Message(id).buttons);
    }
    // A message whose text holds "<value>".
    Answer ShowWith(QWidget* parent, MessageId id, const std::string& value, Language language,
                    BoxIcon icon = BoxIcon::FromButtons) {
        return Ask(parent, QString::fromStdString(MessageTextWith(id, value, language)),
                   Message(id).buttons, icon);
    }

protected:
    // The dialogs themselves, opening in `folder` ("" for the working folder).
    virtual QString ChooseFileToOpen(QWidget* parent, const QString& folder,
                                     const QString& filter) = 0;
    virtual FileWithNumber ChooseFileToOpenWithOption(QWidget* parent, const QString& folder,
                                                      const QString& filter,
                                                      const NumberOption& /*option*/) {
        return {ChooseFileToOpen(parent, folder, filter), 0};
    }
    virtual QString ChooseFileToSave(QWidget* parent, const QString& suggestion,
                                     const QString& filter) = 0;

private:
    void Remember(FileKind kind, const QString& path);

    QString title_ = QStringLiteral("Tevano Programing Software");
    FileHistory* history_ = nullptr;
    QString folders_[2]; // by FileKind, while no history is set
};

class CIniFile;

// After a save of the program's settings file: when it failed, a message naming the file and
// the reason; nothing when it went well.
void ReportSettingsSave(UserPrompts& prompts, QWidget* parent, const CIniFile& ini);

// The prompts of the desktop program: QMessageBox and QFileDialog.
class QtUserPrompts : public UserPrompts {
public:
    using UserPrompts::Ask;
    Answer Ask(QWidget* parent, const QString& text, Buttons buttons, BoxIcon icon) override;

protected:
    QString ChooseFileToOpen(QWidget* parent, const QString& folder,
                             const QString& filter) override;
    FileWithNumber ChooseFileToOpenWithOption(QWidget* parent, const QString& folder,
                                              const QString& filter,
                                              const NumberOption& option) override;
    QString ChooseFileToSave(QWidget* parent, const QString& suggestion,
                             const QString& filter) override;
};

} // namespace tevano
