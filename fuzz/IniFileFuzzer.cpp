// An INI file of any content loaded into the program's store, looked up as the program does,
// changed as the language switch changes it, saved and loaded again. Every lookup answers a
// value, the trimmed default or the default itself; after one save the file is in the store's
// own form, whose save and load keep every lookup and whose second save writes the same text.
// A save that fails at a point the input picks leaves the old text, never a mix of old and new.
//
// Input: the file's bytes. The store is opened as the program opens it: without regard to case.

#include "FuzzCheck.h"
#include "ScratchDirectory.h"

#include "radiolink/PortNames.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"
#include "support/FailingFileCalls.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

constexpr const char* kBaseName = "prog";
// A default with blanks around it shows whether the section (the default as it is) or only the
// key (the default trimmed) was missing.
constexpr const char* kDefault = " (none) ";
constexpr std::size_t kMostNames = 12;

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The section and key names to look up: the program's own, and the names the file's lines seem
// to hold (found roughly; a name that is not in the store is a lookup of a missing one).
struct Names {
    std::vector<std::string> sections = {"", "MAIN", "main", "PORTS"};
    std::vector<std::string> keys = {"LANGUAGE", "LANGUAGE_FORCE", "language", "COM1", "COM4"};
    bool namelessSection = false; // a "[]" header: its pairs join the section above on saving
};

Names NamesIn(const std::string& text) {
    Names names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            names.namelessSection = names.namelessSection || line.size() == 2;
            if (names.sections.size() < kMostNames) {
                names.sections.push_back(line.substr(1, line.size() - 2));
            }
        } else if (!line.empty() && names.keys.size() < kMostNames) {
            names.keys.push_back(Trimmed(line.substr(0, line.find('='))));
        }
    }
    return names;
}

using Lookups = std::vector<std::string>;

Lookups LookUp(const CIniFile& ini, const Names& names) {
    Lookups values;
    for (const std::string& section : names.sections) {
        for (const std::string& key : names.keys) {
            std::string value = ini.GetValue(section, key, kDefault);
            FUZZ_CHECK(value.find('\n') == std::string::npos, "a value is one line");
            if (value != kDefault && value != Trimmed(kDefault)) {
                FUZZ_CHECK(value.find("//") == std::string::npos &&
                               value.find("\t;") == std::string::npos &&
                               value.find("/*") == std::string::npos,
                           "a value comes without its comment");
                FUZZ_CHECK(value.empty() || Trimmed(value.substr(0, 1)) == value.substr(0, 1),
                           "a value starts after the blanks");
            }
            values.push_back(std::move(value));
        }
    }
    return values;
}

// What the program reads from the file at start: the language and the four port devices.
void CheckProgramReads(const CIniFile& ini) {
    for (bool systemIsChinese : {false, true}) {
        const std::string language = ChooseLanguageAtStart(kBaseName, systemIsChinese, ini);
        FUZZ_CHECK(language == EnglishLanguage(kBaseName) ||
                       language == ChineseLanguage(kBaseName) ||
                       language == ini.GetValue("MAIN", "LANGUAGE", ""),
                   "the language is the system's or the one the file forces");
    }
    const auto ports = [&ini](const std::string& key) {
        return ini.GetValue(kPortsSection, key, "");
    };
    for (const char* name : kPortNames) {
        const std::string device = PortDevicePath(name, ports);
        FUZZ_CHECK(!device.empty() && Trimmed(device) == device, "a port names a device");
    }
}

// The language switch's change, made so that it always counts as a change: the file is
// written by every save.
void SwitchTheLanguage(CIniFile& ini) {
    ini.SetValue("MAIN", "LANGUAGE", "\x01");
    const LanguageSwitch switched = SwitchLanguage(kBaseName, ini.GetValue("MAIN", "LANGUAGE", ""),
                                                   ini, [](const std::string&) { return true; });
    FUZZ_CHECK(ini.Changed(), "a switch changes the store");
    FUZZ_CHECK(ini.GetValue("MAIN", "LANGUAGE", "") == switched.language,
               "the switched language is stored");
    FUZZ_CHECK(ini.GetValue("MAIN", "LANGUAGE_FORCE", "") == "1", "the switch is forced");
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Generation {
    Lookups lookups; // after the change
    std::string saved;
};

// Loads the file, checks what the program reads (on the first load only: the later ones read
// what the store wrote itself), makes the switch, saves.
Generation LoadChangeSave(const std::string& path, const Names& names, bool first) {
    CIniFile ini;
    FUZZ_CHECK(ini.Load(path, false, true, false), "any regular file loads");
    FUZZ_CHECK(!ini.Changed(), "loading changes nothing");
    if (first) {
        LookUp(ini, names);
        CheckProgramReads(ini);
    }
    SwitchTheLanguage(ini);
    Generation generation;
    generation.lookups = LookUp(ini, names);
    FUZZ_CHECK(ini.Save(false).empty(), "no backup is made when none is asked for");
    generation.saved = ReadAll(path);
    return generation;
}

void CheckRoundTrip(const std::string& path, const Names& names) {
    Generation first = LoadChangeSave(path, names, true);
    Generation second = LoadChangeSave(path, names, false);
    if (names.namelessSection) {
        // The first save moved the pairs of "[]" sections to the section above; from then on
        // the file is in the store's own form.
        first = std::move(second);
        second = LoadChangeSave(path, names, false);
    }
    FUZZ_CHECK(second.lookups == first.lookups, "a saved file loads to the same lookups");
    FUZZ_CHECK(second.saved == first.saved, "saving a saved file writes the same text");
}

// The point at which a save fails, picked by the input: a write that stops after some bytes
// (the disk full), the flush, or the replacing step.
FileSystemCalls FailingCalls(std::uint32_t pick, std::size_t textSize) {
    switch (pick % 3) {
    case 0:
        return testing::DiskFullAfter((pick / 3) % (textSize + 2));
    case 1:
        return testing::FlushFails(EIO);
    default:
        return testing::RenameFails(EIO);
    }
}

// A save that fails at a point the input picks leaves the old text on the disk, one that works
// the new text: never a mix, and no temporary file beside it.
void CheckFailingSave(const ScratchDirectory& scratch, const std::string& path,
                      std::uint32_t pick) {
    const std::string oldText = ReadAll(path);
    const std::vector<std::string> filesBefore = scratch.Names();
    CIniFile ini;
    FUZZ_CHECK(ini.Load(path, false, true, false), "a saved file loads");
    SwitchTheLanguage(ini);
    ini.SetValue("MAIN", "PICK", std::to_string(pick));
    ini.SetFileSystemCalls(FailingCalls(pick, oldText.size() + 32));
    ini.Save(false);
    const FileResult failed = ini.LastSave();
    const std::string afterFailure = ReadAll(path);
    FUZZ_CHECK(scratch.Names() == filesBefore, "a save leaves no temporary file");

    ini.SetFileSystemCalls(FileSystemCalls::Posix());
    ini.Save(false);
    FUZZ_CHECK(ini.LastSave().Ok(), "a save without failures works");
    const std::string newText = ReadAll(path);
    FUZZ_CHECK(newText != oldText, "the change reaches the file");
    if (failed.Ok()) {
        FUZZ_CHECK(afterFailure == newText, "a save that reports success wrote the new text");
    } else {
        FUZZ_CHECK(afterFailure == oldText, "a failed save leaves the old text whole");
    }
}

std::uint32_t Pick(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 16777619u;
    }
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScratchDirectory& scratch = ScratchDirectory::Get();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Names names = NamesIn(text);
    scratch.WriteFile("prog.ini", data, size);
    CheckRoundTrip(scratch.Path("prog.ini"), names);
    CheckFailingSave(scratch, scratch.Path("prog.ini"), Pick(data, size));
    return 0;
}
