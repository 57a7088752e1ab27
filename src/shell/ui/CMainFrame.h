// The program's one window: menu bar, toolbar and status bar around the channel form, all built
// from the resource module in force. Every menu item, toolbar button and accelerator sends its
// command id; whoever owns the frame carries the commands out.
#pragma once

#include "base/ui/ProgramWindow.h"
#include "resources/ResourceTypes.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class QLabel;
class QMenu;
class QShortcut;
class QToolBar;

namespace tevano {

class ResourceModule;
class LockKeyWatcher;

class CMainFrame : public QMainWindow, public ProgramWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds (or rebuilds, after a language switch) the menu bar, the toolbar, the accelerators,
    // the prompts and the title from the module.
    void LoadFrameResources(const ResourceModule& module);

    QWidget* Widget() override { return this; }
    QAction* Action(int commandId) const override;

    // Pane 0 of the status bar: a help text until the next prompt or the idle text.
    void SetMessageText(const QString& text);
    QString MessageText() const;
    // What a command did (a list exported, a backup saved): pane 0 keeps it, whatever help
    // texts the mouse brings, until the user next clicks or types in this window.
    void ShowNote(const QString& text) override;
    // The help text of the form's control under the mouse; it waits while a note is kept.
    void ShowHelpText(const QString& text);

    QToolBar* ToolBar() const { return toolbar_; }

    // The File menu's list of recent files above Exit, newest first, numbered 1 to 4 with their
    // digits as the menu's keys; kept across language switches.
    void ShowRecentFiles(const QStringList& paths);
    const std::vector<QAction*>& RecentFileActions() const { return recentActions_; }

    // The size the window opens at: 1024 by 768, or the largest size that fits, frame and all,
    // on a screen with less room (a 1080p screen at 150 % scaling).
    QSize FirstSize() const;

signals:
    void Command(int commandId);
    // Asked before a menu opens, so that check marks and enabled states are up to date.
    void UpdateCommands();
    // Files dropped on the window; the first one is to be opened.
    void FilesDropped(const QStringList& paths);
    // An entry of the recent-file list was chosen.
    void RecentFileChosen(const QString& path);
    // The window is asked to close; set `accept` to false to keep it open.
    void CloseRequested(bool& accept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu(QMenu* menu, const res::MenuItem* items, int count,
                   const ResourceModule& module);
    QAction* MakeAction(int commandId, const QString& text, const ResourceModule& module);
    void BuildToolbar(const res::Toolbar& toolbar, const ResourceModule& module);
    void BuildAccelerators(const res::AcceleratorTable& table);
    void BuildRecentFiles();
    void CentreOnScreen();
    QSize Decoration() const;
    void FitFrameOnScreen();

    std::map<int, QAction*> actions_;
    std::vector<QShortcut*> accelerators_;
    QStringList recentPaths_;
    std::vector<QAction*> recentActions_; // the entries and the separator below them
    QToolBar* toolbar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    LockKeyWatcher* lockKeys_ = nullptr;
    bool noteKept_ = false;
    bool decorationKnown_ = false;
};

} // namespace tevano
