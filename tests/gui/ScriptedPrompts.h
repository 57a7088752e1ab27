// Answers the program's message boxes and file dialogs from a script, and keeps what was asked,
// so that widget tests can drive the desktop program without a person at the screen.
#pragma once

#include "base/ui/UserPrompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace tevano::testing {

class ScriptedPrompts : public UserPrompts {
public:
    struct Asked {
        QString text;
        Buttons buttons;
        BoxIcon icon;
    };

    // The answers to the next questions, in order; a question beyond them gets Ok or Cancel.
    void Answer(tevano::Answer answer) { answers_.push_back(answer); }
    void OpenFile(const QString& path) { OpenFileWithNumber(path, 0); }
    // A file picked in a dialog that offers a numbered option, with the option set to the number.
    void OpenFileWithNumber(const QString& path, int number) {
        openPaths_.push_back(path);
        openNumbers_.push_back(number);
    }
    void SaveFile(const QString& path) { savePaths_.push_back(path); }

    const std::vector<Asked>& Questions() const { return asked_; }
    QStringList Texts() const {
        QStringList texts;
        for (const Asked& asked : asked_) {
            texts << asked.text;
        }
        return texts;
    }
    void Forget() { asked_.clear(); }

    using UserPrompts::Ask;
    tevano::Answer Ask(QWidget*, const QString& text, Buttons buttons, BoxIcon icon) override {
        asked_.push_back({text, buttons, icon});
        if (!answers_.empty()) {
            const tevano::Answer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return buttons == Buttons::Ok ? tevano::Answer::Ok : tevano::Answer::Cancel;
    }
    QString lastSuggestion;
    QString lastOption; // the text of the option the last open dialog offered
    QString lastFolder; // the folder the last open dialog opened in

protected:
    QString ChooseFileToOpen(QWidget*, const QString& folder, const QString&) override {
        lastFolder = folder;
        TakeNumber();
        return Take(openPaths_);
    }
    FileWithNumber ChooseFileToOpenWithOption(QWidget*, const QString& folder, const QString&,
                                              const NumberOption& option) override {
        lastFolder = folder;
        lastOption = option.text;
        const int number = TakeNumber();
        return {Take(openPaths_), number};
    }
    QString ChooseFileToSave(QWidget*, const QString& suggestion, const QString&) override {
        lastSuggestion = suggestion;
        return Take(savePaths_);
    }

private:
    int TakeNumber() {
        if (openNumbers_.empty()) {
            return 0;
        }
        const int number = openNumbers_.front();
        openNumbers_.pop_front();
        return number;
    }
    static QString Take(std::deque<QString>& paths) {
        if (paths.empty()) {
            return QString();
        }
        QString path = paths.front();
        paths.pop_front();
        return path;
    }

    std::deque<tevano::Answer> answers_;
    std::deque<QString> openPaths_;
    std::deque<int> openNumbers_;
    std::deque<QString> savePaths_;
    std::vector<Asked> asked_;
};

} // namespace tevano::testing
