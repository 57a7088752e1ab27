// The program's small settings file ("tevano.ini" beside the program): sections of key=value
// lines kept in memory, looked up and changed by name, and written back whole when changed.
// It holds the display language keys of section MAIN and the serial port devices of PORTS.
#pragma once

#include "base/AtomicFile.h"
#include "base/FileResult.h"

#include <string>
#include <vector>

namespace tevano {

class CIniFile {
public:
    // An empty store. growthStep slots are made ready at each load; beyond them the table grows
    // as a vector does, by a factor of its size, so that a load takes time in proportion to the
    // file.
    explicit CIniFile(int growthStep = 4);
    // Saves first when save-at-destruction was asked for by the last Load.
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Loads fileName from programDirectory (the current directory when that is empty).
    bool Open(const std::string& fileName, const std::string& programDirectory,
              bool saveAtDestruction, bool caseInsensitive, bool makeBackup);

    // Saves and forgets a file loaded before, then reads fullPath, creating it empty when it
    // does not exist. False when it can be neither read nor created: the store starts empty and
    // keeps values for this run only (KeepInMemoryOnly).
    bool Load(const std::string& fullPath, bool saveAtDestruction, bool caseInsensitive,
              bool makeBackup);

    // The value of the last key of that name in the first section of that name, cut at a
    // trailing comment ("//", TAB ";", "/*"). A missing section gives defaultValue as it is,
    // a missing key gives it trimmed.
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;

    // Where no file could be loaded: values set from now on are kept for this run only, and a
    // Save reports `reason` about `path` instead of writing anything.
    void KeepInMemoryOnly(const std::string& path, FileResult reason);

    // Sets the value, adding section and key when missing. Ignored before any Load.
    void SetValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes the file anew when anything changed since the load: the text goes to a new file
    // beside it, which then replaces it, so that the file is always either the old text or the
    // new one. Only when the folder takes no new file (or the file cannot be replaced, being
    // mounted on its own) is the file rewritten in place. Returns the name of the backup copy
    // made first, or "" when none was made; how the writing went is LastSave().
    std::string Save(bool makeBackup);

    // The outcome of the last Save that had something to write (Ok before the first).
    const FileResult& LastSave() const { return lastSave_; }

    // The system calls that replace the file; tests and the fuzzer put failing ones in place.
    void SetFileSystemCalls(FileSystemCalls calls) { calls_ = std::move(calls); }

    // Forgets the loaded file and its contents (not the flags nor the backup name).
    void Clear();

    // The loaded file; "" when none could be loaded.
    const std::string& Path() const { return path_; }
    // The file the store is about, loaded or not: what a failure to save it names.
    const std::string& PathTried() const { return pathTried_; }
    // Why no file could be loaded (Ok when one was).
    const FileResult& LoadFailure() const { return loadFailure_; }
    bool Changed() const { return changed_; }

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    // One "[name]" section of the file, its pairs in file order. Slot 0 holds the lines before
    // the first header and has the name "".
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    Section& AppendSection(const std::string& name);
    // The slot of the first section of that name, from slot 0 up; -1 when there is none.
    int FindSection(const std::string& name) const;
    // The position of the last entry of that key in the section; -1 when there is none.
    int FindLastKey(const Section& section, const std::string& key) const;
    bool SameText(const std::string& a, const std::string& b) const;
    std::string ChooseBackupName() const;
    std::string FileText() const;
    FileResult RewriteInPlace(const std::string& text) const;

    std::vector<Section> sections_;
    int growthStep_;
    bool caseInsensitive_ = true;
    bool saveAtDestruction_ = false;
    std::string backupName_;
    bool makeBackup_ = false;
    bool changed_ = false;
    std::string path_;
    std::string pathTried_;
    FileResult loadFailure_;
    FileResult lastSave_;
    FileSystemCalls calls_ = FileSystemCalls::Posix();
};

// The full path Open uses for fileName in programDirectory (the current directory when empty).
std::string IniFilePath(const std::string& fileName, const std::string& programDirectory);

// Opens the program's INI file (save at destruction, case-insensitive, no backup) in the
// program's directory, or, when the file there can be neither written nor created (a program
// installed where users cannot write), under $XDG_CONFIG_HOME/tevano (~/.config/tevano).
bool OpenProgramIni(CIniFile& store, const std::string& iniFileName,
                    const std::string& programDirectory);

// Opens the INI file (as OpenProgramIni does) in the user's configuration folder, making the
// folder when it is missing. A file of paths compares its values with regard to case.
bool OpenUserIni(CIniFile& store, const std::string& iniFileName, bool caseInsensitive = true);

// The directory OpenProgramIni falls back to; "" when neither XDG_CONFIG_HOME nor HOME is set.
std::string UserConfigDirectory();

} // namespace tevano
