// A desktop program started for a test: its own directory (the INI file and links to the
// resource modules), scripted prompts, an English or Chinese system, and helpers to look at it.
#pragma once

#include "ScriptedPrompts.h"

#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"
#include "image/ui/CTevDoc.h"
#include "shell/IniFile.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace tevano::testing {

class ProgramFixture {
public:
    // A directory with both modules beside the program, or none when `withModules` is false.
    explicit ProgramFixture(bool withModules = true) {
        if (withModules) {
            for (const char* language : {"EN", "CH"}) {
                const QString name = QString("MAIN_%1.so").arg(language);
                QFile::link(QString(TEVANO_BIN_DIR) + "/" + name, dir_.filePath(name));
            }
        }
        qputenv("LANGUAGE", "en_US");
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "en_US.UTF-8");
    }

    ~ProgramFixture() { Stop(); }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Starts the program with the command line; false when start-up ended it.
    bool Start(const QStringList& arguments = {}) {
        ini_ = std::make_unique<CIniFile>(4);
        StartupOptions options;
        options.programPath = dir_.filePath("tevano").toStdString();
        options.arguments = arguments;
        app_ = std::make_unique<CTevApp>(*ini_, prompts, options);
        started_ = app_->InitInstance();
        return started_;
    }

    // Ends the program as Exit does, and writes the INI file as the program's end does.
    void Stop() {
        if (app_) {
            app_->ExitInstance(0);
            app_.reset();
        }
        ini_.reset();
    }

    CTevApp& App() { return *app_; }
    CMainFrame& Frame() { return *app_->MainFrame(); }
    CTevView& View() { return *app_->View(); }
    CMSFlexGrid& Grid() { return app_->View()->Grid(); }
    CTevDoc& Document() { return *app_->Document(); }
    QString Cell(int row, int col) { return QString::fromStdString(Grid().TextMatrix(row, col)); }

    ScriptedPrompts prompts;

private:
    QTemporaryDir dir_;
    std::unique_ptr<CIniFile> ini_;
    std::unique_ptr<CTevApp> app_;
    bool started_ = false;
};

} // namespace tevano::testing
