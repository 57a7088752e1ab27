// File New, Open, Save and Save As of the one document, with the question that keeps unsaved
// work from being dropped: each of them, a dropped file and Exit ask before the changes go.
#pragma once

#include "base/Language.h"

#include <QString>

class QWidget;

namespace tevano {

class CTevDoc;
class DocumentView;
class UserPrompts;

class FileCommands {
public:
    FileCommands(CTevDoc& document, DocumentView& view, UserPrompts& prompts, QWidget* window);

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

private:
    bool SaveTo(const QString& path);

    CTevDoc& document_;
    DocumentView& view_;
    UserPrompts& prompts_;
    QWidget* window_;
};

} // namespace tevano
