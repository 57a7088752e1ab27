// The desktop program as a whole: its start-up (INI file, display language, resource module,
// tone table, window, first document), its commands, the language switch and its shutdown.
#pragma once

#include "base/ui/CommandRegistry.h"
#include "image/ToneTable.h"
#include "shell/FileHistory.h"
#include "shell/ResourceModule.h"
#include "shell/ui/StartupOptions.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTranslator;

namespace tevano {

class CIniFile;
class CMainFrame;
class CTevDoc;
class CTevView;
class FileCommands;
class UserPrompts;

class CTevApp : public QObject, public CommandRegistry {
    Q_OBJECT

public:
    // The INI store lives outside the program object and outlives it, as does the language.
    CTevApp(CIniFile& ini, UserPrompts& prompts, StartupOptions options);
    ~CTevApp() override;

    // Runs the start-up; false when the program must end at once (status 1).
    bool InitInstance();
    // Releases the resource module; returns the exit status to use.
    int ExitInstance(int status);

    void OnCommand(int commandId);
    void UpdateCommandUi();

    // Commands carried out by the subsystems (the radio transfers, the dialogs, printing, ...):
    // each registers its handlers once the window is up, from the narrow context it is given.
    void AddCommand(int commandId, std::function<void()> handler) override;
    void AddMenuUpdate(std::function<void()> update) override;

    // The parts of the running program, for whoever drives it (the tests); the subsystems get
    // only what their contexts hand them.
    CMainFrame* MainFrame() const { return frame_.get(); }
    CTevView* View() const { return view_; }
    CTevDoc* Document() const { return document_.get(); }
    const ToneTable& Tones() const { return tones_; }
    const ResourceModule& Module() const { return module_; }

private:
    bool LoadModule(const std::string& language, ResourceModule& module) const;
    void RegisterCommands();
    void OnSwitchLanguage();
    void ApplyLanguage();
    void ShowHelp();
    void ShowAbout();
    void OpenRecentFile(const QString& path);
    void ShowRecentFiles();

    CIniFile& ini_;
    UserPrompts& prompts_;
    StartupOptions options_;
    std::string baseName_;
    std::string programDirectory_;
    ToneTable tones_;
    FileHistory history_;
    ResourceModule module_;
    std::unique_ptr<QTranslator> qtTranslator_;
    std::unique_ptr<CTevDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    CTevView* view_ = nullptr;
    std::unique_ptr<FileCommands> files_;
    std::map<int, std::function<void()>> commands_;
    std::vector<std::function<void()>> menuUpdates_;
};

} // namespace tevano
