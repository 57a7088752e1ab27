// Everything the program asks the user in a modal box: message boxes with their buttons and the
// file dialogs. The desktop program shows Qt's boxes; tests answer from a script.
#pragma once

#include "shell/Messages.h"

#include <QString>

class QWidget;

namespace tevano {

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box captioned with the application title; returns the button pressed.
    virtual Answer Ask(QWidget* parent, const QString& text, Buttons buttons) = 0;
    // A file to open, "" when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    // A file to save to, "" when the user cancels.
    virtual QString SaveFileName(QWidget* parent, const QString& suggestion,
                                 const QString& filter) = 0;

    // The caption of every message box: the application title of the language in force.
    void SetTitle(const QString& title) { title_ = title; }
    const QString& Title() const { return title_; }

    Answer Show(QWidget* parent, MessageId id, bool english) {
        return Ask(parent, QString::fromStdString(MessageText(id, english)), Message(id).buttons);
    }

private:
    QString title_ = QStringLiteral("Tevano Programing Software");
};

class CIniFile;

// After a save of the program's settings file: when it failed, a message naming the file and
// the reason; nothing when it went well.
void ReportSettingsSave(UserPrompts& prompts, QWidget* parent, const CIniFile& ini);

// The prompts of the desktop program: QMessageBox and QFileDialog.
class QtUserPrompts : public UserPrompts {
public:
    Answer Ask(QWidget* parent, const QString& text, Buttons buttons) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& suggestion,
                         const QString& filter) override;
};

} // namespace tevano
