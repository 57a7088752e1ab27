// A desktop program started for a test: its own directory (the INI file and links to the
// resource modules), scripted prompts, an English or Chinese system, and helpers to look at it
// and to act on it as the user does.
#pragma once

#include "ScriptedPrompts.h"
#include "VirtualRadioProcess.h"

#include "grid/ui/CTevView.h"
#include "grid/ui/ChannelTableView.h"
#include "image/ui/CTevDoc.h"
#include "shell/IniFile.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        // The recent files and the dialogs' folders of this program alone.
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
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

    // Starts the program and makes its window the active one, as the user's is.
    bool StartActive(const QStringList& arguments = {}) {
        if (!Start(arguments)) {
            return false;
        }
        Frame().activateWindow();
        return QTest::qWaitForWindowActive(&Frame());
    }

    // Starts the program active with COM1 standing for the radio; false when the radio did not
    // start either.
    bool StartWithRadio(const VirtualRadioProcess& radio, const QStringList& arguments = {}) {
        if (!radio.Started()) {
            return false;
        }
        radio.WritePortsIni(Path("MAIN.ini"));
        return StartActive(arguments);
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
    ChannelTableView& Table() { return app_->View()->Table(); }
    CTevDoc& Document() { return *app_->Document(); }
    // A cell's text: row 1 to 128 is the channel, column 1 to 12 its field; row 0 the headers.
    QString Cell(int row, int col) {
        if (row == 0) {
            return Table().model()->headerData(col, Qt::Horizontal).toString();
        }
        return Table().model()->index(row - 1, col).data().toString();
    }
    // The twelve cells of a channel's row.
    QStringList Row(int row) {
        QStringList texts;
        for (int col = 1; col <= 12; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }

    // Chooses the command as its menu item would.
    void Trigger(int commandId) {
        QAction* action = Frame().Action(commandId);
        QVERIFY(action != nullptr);
        action->trigger();
    }

    // The editor open over the current cell, nullptr when none is.
    QWidget* Editor() { return Table().Delegate().OpenEditor(); }
    QLineEdit* LineEditor() { return qobject_cast<QLineEdit*>(Editor()); }
    QComboBox* ListEditor() { return qobject_cast<QComboBox*>(Editor()); }
    // The current cell: channel 1 to 128 and column 1 to 12.
    int CurrentRow() { return Table().currentIndex().row() + 1; }
    int CurrentCol() { return Table().currentIndex().column(); }

    // Clicks the cell (row and column from 1), scrolled into view first, as the user would.
    void ClickCell(int row, int col) {
        ChannelTableView& grid = Table();
        const QModelIndex index = grid.model()->index(row - 1, col);
        grid.scrollTo(index);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid.visualRect(index).center());
    }

    ScriptedPrompts prompts;

private:
    QTemporaryDir dir_;
    std::unique_ptr<CIniFile> ini_;
    std::unique_ptr<CTevApp> app_;
    bool started_ = false;
};

} // namespace tevano::testing
