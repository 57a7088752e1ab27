#include "shell/ResourceModule.h"
#include "BuiltModules.h"
#include "shell/ProgramLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <sys/stat.h>
#include <utility>

namespace tevano {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kBuilt = TEVANO_BUILT_MODULE_DIR;
const std::string kFakes = TEVANO_FAKE_MODULE_DIR;

// Whether the system still holds the library at this path.
bool StillLoaded(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);
    return true;
}

class ResourceModuleTest : public ::testing::Test {
protected:
    // A module of the build tree under a name of the test's own, in the scratch directory, so
    // that nothing else holds it.
    std::string CopyModule(const std::string& from, const std::string& languageString) {
        const std::string path = temp_.Path(languageString + ".so");
        WriteBytes(path, ReadBytes(kBuilt + "/" + from + ".so"));
        return path;
    }

    TempDir temp_;
    TempDir other_;
};

TEST_F(ResourceModuleTest, BothModulesLoadFromTheBuildTree) {
    const ResourceModule english = ResourceModule::Load("MAIN_EN", kBuilt);
    ASSERT_TRUE(english.Loaded()) << english.ErrorDetail();
    EXPECT_EQ(english.Error(), ResourceModuleError::None);
    EXPECT_EQ(english.Path(), kBuilt + "/MAIN_EN.so");
    EXPECT_STREQ(english.Set()->languageTag, "EN");
    EXPECT_EQ(english.String(res::ids::kAppTitleString), "Tevano Programing Software");

    const ResourceModule chinese = ResourceModule::Load("MAIN_CH", kBuilt);
    ASSERT_TRUE(chinese.Loaded()) << chinese.ErrorDetail();
    EXPECT_EQ(chinese.Path(), kBuilt + "/MAIN_CH.so");
    EXPECT_STREQ(chinese.Set()->languageTag, "CH");
    EXPECT_EQ(chinese.String(res::ids::kAppTitleString), "Tevano 编程软件");
}

TEST_F(ResourceModuleTest, AnswersNothingForIdsItDoesNotHold) {
    const ResourceModule& module = testing::English();
    ASSERT_TRUE(module.Loaded());
    EXPECT_EQ(module.String(1), "");
    EXPECT_EQ(module.FindMenu(129), nullptr);
    EXPECT_EQ(module.FindToolbar(129), nullptr);
    EXPECT_EQ(module.FindAccelerators(129), nullptr);
    EXPECT_EQ(module.FindDialog(102), nullptr);
    EXPECT_EQ(module.FindControl(res::ids::kSideKeyDialog, 1113), nullptr);
    EXPECT_EQ(module.FindControl(102, 1109), nullptr);
    // Labels and group boxes the code never addresses share the id -1.
    EXPECT_EQ(module.FindControl(res::ids::kSideKeyDialog, -1), nullptr);
    EXPECT_FALSE(module.HasIcon(129));
    EXPECT_TRUE(module.HasIcon(res::ids::kAppIcon));
    ASSERT_NE(module.FindControl(res::ids::kSideKeyDialog, 1112), nullptr);
    EXPECT_EQ(module.FindControl(res::ids::kSideKeyDialog, 1112)->id, 1112);

    const ResourceModule none;
    EXPECT_FALSE(none.Loaded());
    EXPECT_EQ(none.String(res::ids::kAppTitleString), "");
    EXPECT_EQ(none.FindMenu(res::ids::kMainFrame), nullptr);
    EXPECT_EQ(none.FindControl(res::ids::kSideKeyDialog, 1109), nullptr);
    EXPECT_FALSE(none.HasIcon(res::ids::kAppIcon));
}

TEST_F(ResourceModuleTest, TheProgramsDirectoryComesBeforeTheModuleDirectory) {
    // A Chinese module under the English name beside the program wins over the built English one.
    const std::string beside = CopyModule("MAIN_CH", "prog_EN");
    const ResourceModule first = ResourceModule::LoadFrom("prog_EN", {temp_.path(), kBuilt});
    ASSERT_TRUE(first.Loaded()) << first.ErrorDetail();
    EXPECT_EQ(first.Path(), beside);
    EXPECT_STREQ(first.Set()->languageTag, "CH");

    const ResourceModule fallback =
        ResourceModule::LoadFrom("MAIN_CH", {other_.path(), "", kBuilt});
    ASSERT_TRUE(fallback.Loaded()) << fallback.ErrorDetail();
    EXPECT_EQ(fallback.Path(), kBuilt + "/MAIN_CH.so");

    const ResourceModule byProgram = ResourceModule::Load("prog_EN", temp_.path() + "/");
    ASSERT_TRUE(byProgram.Loaded());
    EXPECT_EQ(byProgram.Path(), beside);
}

// An installation under any prefix: the programs in <prefix>/bin, the modules in the module
// folder at the place the build computed relative to them; no absolute path is compiled in.
TEST_F(ResourceModuleTest, AnInstalledProgramFindsItsModulesRelativeToItself) {
    const std::string relative = RelativeModuleDirectory();
    ASSERT_FALSE(relative.empty());
    EXPECT_NE(relative.front(), '/') << relative;
    EXPECT_EQ(std::filesystem::path(relative).filename(), "tevano") << relative;

    const std::string bin = temp_.Path("opt/tevano/bin");
    const std::string moduleFolder = bin + "/" + relative;
    std::filesystem::create_directories(moduleFolder);
    const std::string installed = moduleFolder + "/MAIN_CH.so";
    WriteBytes(installed, ReadBytes(kBuilt + "/MAIN_CH.so"));

    const ResourceModule found = ResourceModule::Load("MAIN_CH", bin);
    ASSERT_TRUE(found.Loaded()) << found.ErrorDetail();
    EXPECT_EQ(found.Path(), installed);
    EXPECT_STREQ(found.Set()->languageTag, "CH");

    // One beside the program comes first (a portable copy over an installation).
    WriteBytes(bin + "/MAIN_CH.so", ReadBytes(kBuilt + "/MAIN_EN.so"));
    const ResourceModule beside = ResourceModule::Load("MAIN_CH", bin);
    ASSERT_TRUE(beside.Loaded()) << beside.ErrorDetail();
    EXPECT_EQ(beside.Path(), bin + "/MAIN_CH.so");
    EXPECT_STREQ(beside.Set()->languageTag, "EN");

    // Neither there: every path looked at is named, in order, for whoever installed it.
    const ResourceModule missing = ResourceModule::Load("MAIN_EN", bin);
    EXPECT_EQ(missing.Error(), ResourceModuleError::NotFound);
    EXPECT_EQ(missing.Tried(),
              (std::vector<std::string>{bin + "/MAIN_EN.so", moduleFolder + "/MAIN_EN.so"}));
    EXPECT_EQ(ModuleFailureText(missing), "MAIN_EN.so not found; looked for:\n  " + bin +
                                              "/MAIN_EN.so\n  " + moduleFolder + "/MAIN_EN.so\n");
    // A file that is there but broken is named with the reason.
    WriteBytes(bin + "/MAIN_EN.so", {'x'});
    const ResourceModule broken = ResourceModule::Load("MAIN_EN", bin);
    EXPECT_EQ(broken.Error(), ResourceModuleError::NotLoadable);
    EXPECT_EQ(ModuleFailureText(broken).rfind(bin + "/MAIN_EN.so: ", 0), 0u)
        << ModuleFailureText(broken);
}

TEST_F(ResourceModuleTest, MissingModulesAndBadNamesAreRefused) {
    const ResourceModule missing = ResourceModule::LoadFrom("tevano_XX", {temp_.path(), kBuilt});
    EXPECT_FALSE(missing.Loaded());
    EXPECT_EQ(missing.Error(), ResourceModuleError::NotFound);
    EXPECT_EQ(missing.String(res::ids::kAppTitleString), "");

    // A forced language string from the INI file is a name, never a path, and never empty.
    CopyModule("MAIN_EN", "MAIN_EN");
    for (const std::string& name : std::vector<std::string>{
             "", temp_.path() + "/MAIN_EN", "../bin/MAIN_EN", std::string("MAIN_EN\0x", 9)}) {
        const ResourceModule refused = ResourceModule::LoadFrom(name, {temp_.path(), kBuilt});
        EXPECT_FALSE(refused.Loaded()) << name;
        EXPECT_EQ(refused.Error(), ResourceModuleError::BadName) << name;
    }
}

TEST_F(ResourceModuleTest, FilesThatAreNotModulesAreRefused) {
    WriteBytes(temp_.Path("text_EN.so"), {'n', 'o', 't', ' ', 'E', 'L', 'F', '\n'});
    WriteBytes(temp_.Path("empty_EN.so"), {});
    // A module cut short, as by an interrupted copy: the system loader would map the missing
    // part and the program would die of a bus error touching it.
    const std::vector<std::uint8_t> module = ReadBytes(kBuilt + "/MAIN_EN.so");
    std::vector<std::string> names = {"text_EN", "empty_EN", "dir_EN", "pipe_EN"};
    for (const std::size_t cut : {16u, 100u, 1000u, 5000u, 12000u, 20000u}) {
        ASSERT_GT(module.size(), cut);
        names.push_back("cut" + std::to_string(cut) + "_EN");
        WriteBytes(temp_.Path(names.back() + ".so"),
                   std::vector<std::uint8_t>(module.data(), module.data() + cut));
    }
    ASSERT_EQ(mkdir(temp_.Path("dir_EN.so").c_str(), 0755), 0);
    // Opening a pipe for reading would wait for a writer for ever.
    ASSERT_EQ(mkfifo(temp_.Path("pipe_EN.so").c_str(), 0644), 0);

    for (const std::string& name : names) {
        const ResourceModule refused = ResourceModule::LoadFrom(name, {temp_.path()});
        EXPECT_FALSE(refused.Loaded()) << name;
        EXPECT_EQ(refused.Error(), ResourceModuleError::NotLoadable) << name;
        EXPECT_EQ(refused.Path(), temp_.Path(name + ".so"));
        EXPECT_FALSE(refused.ErrorDetail().empty()) << name;
    }

    // The first file found is the one tried: a broken module beside the program is reported, not
    // passed over for the installed one.
    WriteBytes(temp_.Path("MAIN_EN.so"), {'x'});
    const ResourceModule shadowed = ResourceModule::LoadFrom("MAIN_EN", {temp_.path(), kBuilt});
    EXPECT_EQ(shadowed.Error(), ResourceModuleError::NotLoadable);
    EXPECT_EQ(shadowed.Path(), temp_.Path("MAIN_EN.so"));
}

TEST_F(ResourceModuleTest, LibrariesWithoutAGoodResourceSetAreRefusedAndReleased) {
    const struct {
        const char* name;
        ResourceModuleError error;
    } cases[] = {
        {"fake_no_entry", ResourceModuleError::NoResourceSet},
        {"fake_old_version", ResourceModuleError::WrongVersion},
        {"fake_damaged", ResourceModuleError::NoResourceSet},
    };
    for (const auto& c : cases) {
        const ResourceModule refused = ResourceModule::LoadFrom(c.name, {kFakes});
        EXPECT_FALSE(refused.Loaded()) << c.name;
        EXPECT_EQ(refused.Error(), c.error) << c.name;
        EXPECT_EQ(refused.Set(), nullptr) << c.name;
        EXPECT_FALSE(StillLoaded(kFakes + "/" + c.name + ".so")) << c.name;
    }
}

TEST_F(ResourceModuleTest, TheModuleIsReleasedWithItsLastOwner) {
    const std::string englishPath = CopyModule("MAIN_EN", "a_EN");
    const std::string chinesePath = CopyModule("MAIN_CH", "a_CH");
    {
        ResourceModule english = ResourceModule::LoadFrom("a_EN", {temp_.path()});
        ASSERT_TRUE(english.Loaded());
        EXPECT_TRUE(StillLoaded(englishPath));

        // Moving hands the module over; the moved-from object holds nothing.
        ResourceModule taken = std::move(english);
        EXPECT_FALSE(english.Loaded());
        EXPECT_EQ(english.String(res::ids::kAppTitleString), "");
        EXPECT_EQ(taken.String(res::ids::kAppTitleString), "Tevano Programing Software");
        EXPECT_TRUE(StillLoaded(englishPath));

        // A language switch: the new module replaces the one in force, which is released.
        ResourceModule inForce = ResourceModule::LoadFrom("a_CH", {temp_.path()});
        ASSERT_TRUE(inForce.Loaded());
        inForce = std::move(taken);
        EXPECT_FALSE(StillLoaded(chinesePath));
        EXPECT_TRUE(StillLoaded(englishPath));
        EXPECT_STREQ(inForce.Set()->languageTag, "EN");
        EXPECT_EQ(inForce.Path(), englishPath);
    }
    EXPECT_FALSE(StillLoaded(englishPath));
}

} // namespace
} // namespace tevano
