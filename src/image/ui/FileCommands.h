// File New, Open, Save and Save As of the one document, with the question that keeps unsaved
// work from being dropped: each of them, a dropped file and Exit ask before the changes go.
#pragma once

#include "base/Language.h"

#include <QString>

class QWidget;

namespace tevano {

class CTevDoc;
class DocumentView;
class FileHistory;
class ProgramWindow;
class UserPrompts;

class FileCommands {
public:
    // Every file opened or saved goes to the top of the history's list of recent files; the
    // window's status bar says where a save went.
    FileCommands(CTevDoc& document, DocumentView& view, UserPrompts& prompts, ProgramWindow& window,
                 FileHistory& history);

    void New();
    void Open();
    // Opens the file after the unsaved-changes question; false when it was not opened.
    bool OpenPath(const QString& path);
    bool Save();
    bool SaveAs();

    // Asks whether to save a modified document: true when the caller may go on (saved or
    // dropped), false when the user cancelled or the save failed.
    bool SaveModified();

    // Opens without asking, for the first document at start; reports a failure.
    bool OpenWithoutQuestion(const QString& path);

    static QString Filter(Language language);

    // A file opened or saved: it goes to the top of the recent files, and its folder is where
    // the next dialog for channel data opens.
    void AddToHistory(const QString& path);

private:
    bool SaveTo(const QString& path);

    CTevDoc& document_;
    DocumentView& view_;
    UserPrompts& prompts_;
    ProgramWindow& frame_;
    QWidget* window_;
    FileHistory& history_;
};

} // namespace tevano
