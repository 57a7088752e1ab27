#include "shell/IniFile.h"

#include "support/FailingFileCalls.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

TEST(IniFileLoad, LinesAreReadByTheFirstRuleThatFits) {
    TempDir dir;
    WriteText(dir.Path("prog.ini"), "top = 1\r\n"
                                    "[MAIN]\r\n"
                                    "  Language =  prog_CH  \r\n"
                                    "; comment = 1\n"
                                    "/slash = 2\n"
                                    "\\back = 3\n"
                                    "*star = 4\n"
                                    "= no key\n"
                                    "\n"
                                    "bare key\n"
                                    "key=first\n"
                                    "key = second = more\n"
                                    "[ MAIN ]\n"
                                    "LANGUAGE=spaced\n"
                                    "[main]\n"
                                    "LANGUAGE=second section\n"
                                    "tail=no newline");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("prog.ini"), false, true, false));
    EXPECT_EQ(ini.Path(), dir.Path("prog.ini"));
    EXPECT_FALSE(ini.Changed());

    EXPECT_EQ(ini.GetValue("", "top", "-"), "1");
    // Section and key compare without regard to case; the first [main] of the file wins.
    EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", "-"), "prog_CH");
    EXPECT_EQ(ini.GetValue("main", "language", "-"), "prog_CH");
    // The later of two equal keys, split at the first "=".
    EXPECT_EQ(ini.GetValue("MAIN", "KEY", "-"), "second = more");
    EXPECT_EQ(ini.GetValue("MAIN", "bare key", "-"), "");
    for (const char* comment : {"; comment", ";comment", "/slash", "\\back", "*star", ""}) {
        EXPECT_EQ(ini.GetValue("MAIN", comment, "-"), "-") << comment;
    }
    // A header keeps the blanks inside its brackets.
    EXPECT_EQ(ini.GetValue(" MAIN ", "LANGUAGE", "-"), "spaced");
    EXPECT_EQ(ini.GetValue("MAIN", "tail", "-"), "-");
    EXPECT_EQ(ini.GetValue("main", "tail", "-"), "-");
}

TEST(IniFileLoad, CaseSensitiveStoreAndNonAsciiNames) {
    TempDir dir;
    WriteText(dir.Path("a.ini"), "[MAIN]\nLANGUAGE=x\n[频道]\nÉcran=1\n");
    CIniFile exact;
    ASSERT_TRUE(exact.Load(dir.Path("a.ini"), false, false, false));
    EXPECT_EQ(exact.GetValue("MAIN", "LANGUAGE", "-"), "x");
    EXPECT_EQ(exact.GetValue("main", "LANGUAGE", "-"), "-");
    EXPECT_EQ(exact.GetValue("MAIN", "language", "-"), "-");

    CIniFile loose;
    ASSERT_TRUE(loose.Load(dir.Path("a.ini"), false, true, false));
    EXPECT_EQ(loose.GetValue("频道", "Écran", "-"), "1");
    // Bytes above 127 are compared as they are: "é" is not "É".
    EXPECT_EQ(loose.GetValue("频道", "écran", "-"), "-");
    EXPECT_EQ(loose.GetValue("频道", "ÉCRAN", "-"), "1");
}

TEST(IniFileLoad, MissingFileIsCreatedEmptyAndLeftEmptyWhenNothingChanged) {
    TempDir dir;
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(dir.Path("new.ini"), true, true, false));
        EXPECT_TRUE(Exists(dir.Path("new.ini")));
        EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE_FORCE", ""), "");
    }
    EXPECT_EQ(ReadText(dir.Path("new.ini")), "");
}

// A file that can be neither read nor made: the store starts empty, keeps what is set for this
// run, writes nothing, and a save names the reason.
TEST(IniFileLoad, UnusablePathKeepsValuesForTheRunOnly) {
    TempDir dir;
    WriteText(dir.Path("file"), "x");
    mkdir(dir.Path("folder.ini").c_str(), 0755);
    const struct {
        std::string path;
        int error;
    } cases[] = {{dir.Path("missing/prog.ini"), ENOENT},
                 {dir.Path("file/prog.ini"), ENOTDIR},
                 {dir.Path("folder.ini"), EISDIR}};
    for (const auto& c : cases) {
        CIniFile ini;
        EXPECT_FALSE(ini.Load(c.path, true, true, false)) << c.path;
        EXPECT_EQ(ini.Path(), "");
        EXPECT_EQ(ini.PathTried(), c.path);
        EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", " default "), " default ");
        ini.SetValue("MAIN", "LANGUAGE", "prog_CH");
        EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", " default "), "prog_CH");
        ini.Save(false);
        EXPECT_EQ(ini.LastSave().systemError, c.error) << c.path;
    }
    EXPECT_FALSE(Exists(dir.Path("missing")));
    EXPECT_EQ(ReadText(dir.Path("file")), "x");
}

TEST(IniFileGetValue, CommentCutsAndDefaults) {
    TempDir dir;
    WriteText(dir.Path("a.ini"), "[MAIN]\n"
                                 "force=1 // forced\n"
                                 "tab=value\t; note\n"
                                 "block=value/* note */\n"
                                 "url=http://host\n"
                                 "mixed=a/*b//c\n"
                                 "semicolon=a;b\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("a.ini"), false, true, false));
    EXPECT_EQ(ini.GetValue("MAIN", "force", ""), "1 "); // not trimmed after the cut
    EXPECT_EQ(ini.GetValue("MAIN", "tab", ""), "value");
    EXPECT_EQ(ini.GetValue("MAIN", "block", ""), "value");
    EXPECT_EQ(ini.GetValue("MAIN", "url", ""), "http:");
    EXPECT_EQ(ini.GetValue("MAIN", "mixed", ""), "a");
    EXPECT_EQ(ini.GetValue("MAIN", "semicolon", ""), "a;b");
    // A missing key gives the default trimmed; a missing section gives it as it is.
    EXPECT_EQ(ini.GetValue("MAIN", "nothing", "  d  "), "d");
    EXPECT_EQ(ini.GetValue("OTHER", "nothing", "  d  "), "  d  ");
}

TEST(IniFileSetValue, ChangesReachTheFirstSectionAndTheLastKey) {
    TempDir dir;
    WriteText(dir.Path("a.ini"), "; kept only until the first save\n"
                                 "[MAIN]\n"
                                 "k=1\n"
                                 "k=2\n"
                                 "bare\n"
                                 "[Main]\n"
                                 "k=3\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("a.ini"), false, true, false));

    ini.SetValue("main", "K", "two");
    EXPECT_TRUE(ini.Changed());
    EXPECT_EQ(ini.GetValue("MAIN", "k", ""), "two");
    ini.SetValue("NEW", "x", "y");
    EXPECT_EQ(ini.Save(false), "");
    EXPECT_EQ(ReadText(dir.Path("a.ini")), "[MAIN]\n"
                                           "k=1\n"
                                           "k=two\n"
                                           "bare=\n"
                                           "[Main]\n"
                                           "k=3\n"
                                           "[NEW]\n"
                                           "x=y\n");
}

TEST(IniFileSetValue, ValueDifferingOnlyInCaseIsNotAChange) {
    TempDir dir;
    WriteText(dir.Path("a.ini"), "[MAIN]\nLANGUAGE=prog_ch\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("a.ini"), true, true, false));
    ini.SetValue("MAIN", "LANGUAGE", "PROG_CH");
    EXPECT_FALSE(ini.Changed());
    EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", ""), "PROG_CH");
    EXPECT_EQ(ini.Save(false), "");
    EXPECT_EQ(ReadText(dir.Path("a.ini")), "[MAIN]\nLANGUAGE=prog_ch\n");

    CIniFile exact;
    ASSERT_TRUE(exact.Load(dir.Path("a.ini"), false, false, false));
    exact.SetValue("MAIN", "LANGUAGE", "PROG_CH");
    EXPECT_TRUE(exact.Changed());
}

TEST(IniFileSave, ChangedMarkStaysSoEverySaveWritesAgain) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ini.SetValue("MAIN", "LANGUAGE", "prog_EN");
    ini.Save(false);
    WriteText(path, "edited meanwhile\n");
    ini.Save(false);
    EXPECT_EQ(ReadText(path), "[MAIN]\nLANGUAGE=prog_EN\n");
    EXPECT_TRUE(ini.Changed());
}

TEST(IniFileSave, SectionWithoutNameJoinsTheSectionAboveOnReading) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    WriteText(path, "[A]\nx=1\n[]\ny=2\n");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, false));
        EXPECT_EQ(ini.GetValue("A", "y", "-"), "-");
        ini.SetValue("A", "x", "3");
    }
    EXPECT_EQ(ReadText(path), "[A]\nx=3\ny=2\n");
    CIniFile again;
    ASSERT_TRUE(again.Load(path, false, true, false));
    EXPECT_EQ(again.GetValue("A", "y", "-"), "2");
}

TEST(IniFileSave, DestructionSavesOnlyWhenAskedTo) {
    TempDir dir;
    for (bool saveAtDestruction : {false, true}) {
        const std::string path = dir.Path(saveAtDestruction ? "yes.ini" : "no.ini");
        {
            CIniFile ini;
            ASSERT_TRUE(ini.Load(path, saveAtDestruction, true, false));
            ini.SetValue("MAIN", "LANGUAGE_FORCE", "1");
        }
        EXPECT_EQ(ReadText(path), saveAtDestruction ? "[MAIN]\nLANGUAGE_FORCE=1\n" : "");
    }
}

TEST(IniFileSave, LoadingAnotherFileSavesTheFirst) {
    TempDir dir;
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("first.ini"), false, true, false));
    ini.SetValue("MAIN", "k", "v");
    ASSERT_TRUE(ini.Load(dir.Path("second.ini"), false, true, false));
    EXPECT_EQ(ReadText(dir.Path("first.ini")), "[MAIN]\nk=v\n");
    EXPECT_FALSE(ini.Changed());
    EXPECT_EQ(ini.GetValue("MAIN", "k", "-"), "-");
}

TEST(IniFileSave, UnwritableFileWritesNothing) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ini.SetValue("MAIN", "k", "v");
    // The file is replaced by a directory: neither write attempt can open it.
    unlink(path.c_str());
    mkdir(path.c_str(), 0755);
    EXPECT_EQ(ini.Save(true), "");
    EXPECT_FALSE(ini.LastSave().Ok());
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

// A save that fails at any step (the disk full halfway, the flush, the replacing) leaves the
// old file whole and no temporary file, and says so; the next save writes the new text.
TEST(IniFileSave, FailedSaveLeavesTheOldFileAndIsReported) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    const std::string old = "[MAIN]\nLANGUAGE=prog_EN\n";
    for (const FileSystemCalls& calls :
         {testing::DiskFullAfter(10), testing::FlushFails(), testing::RenameFails(EIO)}) {
        WriteText(path, old);
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, false, true, false));
        ini.SetValue("MAIN", "LANGUAGE", "prog_CH");
        ini.SetFileSystemCalls(calls);
        ini.Save(false);
        EXPECT_EQ(ini.LastSave().error, FileError::WriteFailed);
        EXPECT_NE(ini.LastSave().systemError, 0);
        EXPECT_EQ(ReadText(path), old);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.ini"});
        ini.SetFileSystemCalls(FileSystemCalls::Posix());
        ini.Save(false);
        EXPECT_TRUE(ini.LastSave().Ok());
        EXPECT_EQ(ReadText(path), "[MAIN]\nLANGUAGE=prog_CH\n");
    }
}

// Where the folder takes no new file, or the file is mounted on its own and cannot be replaced,
// the file is rewritten in place; a full disk is no such case (rewriting would cut the file).
TEST(IniFileSave, RewrittenInPlaceOnlyWhereItCannotBeReplaced) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    const struct {
        FileSystemCalls calls;
        bool inPlace;
    } cases[] = {{testing::CreateFails(EACCES), true},
                 {testing::RenameFails(EBUSY), true},
                 {testing::CreateFails(ENOSPC), false}};
    for (const auto& c : cases) {
        WriteText(path, "[MAIN]\nk=old value that is longer\n");
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, false, true, false));
        ini.SetValue("MAIN", "k", "new");
        ini.SetFileSystemCalls(c.calls);
        ini.Save(false);
        EXPECT_EQ(ini.LastSave().Ok(), c.inPlace);
        EXPECT_EQ(ReadText(path),
                  c.inPlace ? "[MAIN]\nk=new\n" : "[MAIN]\nk=old value that is longer\n");
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.ini"});
    }
}

// In place, a full disk must not cut the file: the new text's room is taken before the old text
// is touched, and when it cannot be had the old text stays whole and the failure is told.
TEST(IniFileSave, FullDiskInPlaceKeepsTheOldText) {
    TempDir dir;
    const std::string path = dir.Path("a.ini");
    const std::string old = "[MAIN]\nLANGUAGE=prog_EN\n";
    WriteText(path, old);
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ini.SetValue("PORTS", "COM1", "/dev/ttyUSB3");
    FileSystemCalls calls = testing::DiskFullAfter(old.size() + 4);
    calls.open = testing::CreateFails(EACCES).open;
    ini.SetFileSystemCalls(calls);
    ini.Save(false);
    EXPECT_EQ(ini.LastSave().error, FileError::WriteFailed);
    EXPECT_EQ(ini.LastSave().systemError, ENOSPC);
    EXPECT_EQ(ReadText(path), old);
}

// The time of a load grows with the file, not with its square. The bound is far above what any
// machine needs; the figure is printed for the record.
TEST(IniFileLoad, HundredThousandSectionsLoadQuickly) {
    TempDir dir;
    const std::string path = dir.Path("big.ini");
    std::string text;
    for (int section = 0; section < 100000; ++section) {
        text += "[S" + std::to_string(section) + "]\nkey=" + std::to_string(section) + "\n";
    }
    WriteText(path, text);
    CIniFile ini;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ini.Load(path, false, true, false));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("loading 100000 INI sections took %.3f s\n", seconds);
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(ini.GetValue("S99999", "KEY", "-"), "99999");
    EXPECT_EQ(ini.GetValue("S0", "key", "-"), "0");
    ini.SetValue("S50000", "key", "x");
    ini.Save(false);
    text.replace(text.find("[S50000]\nkey=50000\n"), 19, "[S50000]\nkey=x\n");
    EXPECT_EQ(ReadText(path), text);
}

TEST(IniFileBackup, NumberFollowsTheLargestAmongSimilarNames) {
    TempDir dir;
    const std::string path = dir.Path("prog.ini");
    WriteText(path, "[MAIN]\nLANGUAGE=prog_EN\n");
    WriteText(dir.Path("prog.ini.004"), "");
    WriteText(dir.Path("prog-old.009"), "");  // "009": 9
    WriteText(dir.Path("prog.ini.1012"), ""); // last three "012": 12
    WriteText(dir.Path("program.txt"), "");   // "txt": 0
    WriteText(dir.Path("other.ini.050"), ""); // another name, not counted
    WriteText(dir.Path("Prog.ini.077"), "");  // names are case-sensitive here
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ini.SetValue("MAIN", "LANGUAGE", "prog_CH");
    EXPECT_EQ(ini.Save(true), path + ".013");
    EXPECT_EQ(ReadText(path + ".013"), "[MAIN]\nLANGUAGE=prog_EN\n");
    EXPECT_EQ(ReadText(path), "[MAIN]\nLANGUAGE=prog_CH\n");

    // The name is kept for the rest of the run; the copy is replaced by each save.
    ini.SetValue("MAIN", "LANGUAGE", "prog_EN");
    EXPECT_EQ(ini.Save(true), path + ".013");
    EXPECT_EQ(ReadText(path + ".013"), "[MAIN]\nLANGUAGE=prog_CH\n");
    EXPECT_FALSE(Exists(path + ".014"));
}

TEST(IniFileBackup, FirstBackupAndAVanishedFile) {
    TempDir dir;
    const std::string path = dir.Path("prog.ini");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, true));
        ini.SetValue("MAIN", "k", "v");
    }
    // Destruction saved with the store's own make-backup flag.
    EXPECT_EQ(ReadText(path + ".001"), "");
    EXPECT_EQ(ReadText(path), "[MAIN]\nk=v\n");

    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ini.SetValue("MAIN", "k", "w");
    unlink(path.c_str());
    // Nothing to copy: no backup is reported, the file is still written.
    EXPECT_EQ(ini.Save(true), "");
    EXPECT_EQ(ReadText(path), "[MAIN]\nk=w\n");
}

TEST(IniFileOpen, FileLiesInTheProgramDirectory) {
    TempDir dir;
    CIniFile ini;
    ASSERT_TRUE(ini.Open("prog.ini", dir.path() + "/", false, true, false));
    EXPECT_EQ(ini.Path(), dir.Path("prog.ini"));

    char* working = getcwd(nullptr, 0);
    ASSERT_NE(working, nullptr);
    EXPECT_EQ(IniFilePath("prog.ini", ""), std::string(working) + "/prog.ini");
    std::free(working);
}

} // namespace
} // namespace tevano
