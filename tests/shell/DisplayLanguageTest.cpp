#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

using testing::EnvironmentGuard;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

TEST(DisplayLanguage, EnglishOnlyForTheExactEnglishString) {
    EXPECT_TRUE(IsEnglishLanguage("prog", "prog_EN"));
    for (const char* language :
         {"prog_CH", "prog_en", "PROG_EN", "prog_EN ", "tevano_EN", "", "x"}) {
        EXPECT_FALSE(IsEnglishLanguage("prog", language)) << language;
    }
    EXPECT_TRUE(IsEnglishLanguage("MAIN", "MAIN_EN"));

    SetLanguageBaseName("tevano");
    SetDisplayLanguage("tevano_EN");
    EXPECT_TRUE(IsEnglish());
    SetDisplayLanguage("tevano_CH");
    EXPECT_FALSE(IsEnglish());
    SetLanguageBaseName("other");
    SetDisplayLanguage("tevano_EN");
    EXPECT_FALSE(IsEnglish());
    EXPECT_EQ(LanguageBaseName(), "other");
    EXPECT_EQ(DisplayLanguage(), "tevano_EN");
}

TEST(DisplayLanguage, ChoiceAtStart) {
    struct Case {
        const char* iniText;
        bool systemIsChinese;
        const char* expected;
    };
    const Case cases[] = {
        {"", false, "prog_EN"},
        {"", true, "prog_CH"},
        {"[MAIN]\nLANGUAGE=prog_CH\n", false, "prog_EN"}, // not forced: the system decides
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=1\n", false, "prog_CH"},
        {"[main]\nlanguage=prog_EN\nlanguage_force=1\n", true, "prog_EN"},
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=1 // user's choice\n", false, "prog_CH"},
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=01\n", false, "prog_CH"},
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=2\n", false, "prog_EN"},
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=yes\n", false, "prog_EN"},
        {"[MAIN]\nLANGUAGE=prog_CH\nLANGUAGE_FORCE=\n", false, "prog_EN"},
        // Forced with nothing to say: the module name becomes ".so", which start-up cannot load.
        {"[MAIN]\nLANGUAGE_FORCE=1\n", false, ""},
        // Taken as stored, even a name that is neither language.
        {"[MAIN]\nLANGUAGE=my_module\nLANGUAGE_FORCE=1\n", false, "my_module"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        WriteText(dir.Path("prog.ini"), c.iniText);
        CIniFile ini;
        ASSERT_TRUE(ini.Load(dir.Path("prog.ini"), false, true, false));
        EXPECT_EQ(ChooseLanguageAtStart("prog", c.systemIsChinese, ini), c.expected) << c.iniText;
    }
    CIniFile notLoaded;
    EXPECT_EQ(ChooseLanguageAtStart("prog", true, notLoaded), "prog_CH");
}

TEST(DisplayLanguage, SystemLanguageFromTheEnvironment) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        bool chinese;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, false},
        {nullptr, nullptr, nullptr, "zh_CN.UTF-8", true},
        {nullptr, nullptr, nullptr, "zh_TW.Big5", true},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", false}, // neither: English
        {nullptr, nullptr, nullptr, "C", false},
        {nullptr, nullptr, nullptr, "POSIX", false},
        {nullptr, nullptr, "zh_CN.GB2312", "en_US.UTF-8", true},
        {nullptr, "en_US.UTF-8", "zh_CN", "zh_CN", false},
        {nullptr, "zh_SG", nullptr, "en_GB", true},
        {"zh_CN:en", nullptr, nullptr, "en_US", true},
        {"en:zh_CN", nullptr, nullptr, "zh_CN", false},
        {":zh_CN", nullptr, nullptr, "en_US", true},
        {"", "zh_CN", nullptr, nullptr, true},
        {"", "", "", "zh_HK", true},
    };
    for (const Case& c : cases) {
        EnvironmentGuard environment;
        environment.Set("LANGUAGE", c.language);
        environment.Set("LC_ALL", c.lcAll);
        environment.Set("LC_MESSAGES", c.lcMessages);
        environment.Set("LANG", c.lang);
        EXPECT_EQ(SystemLanguageIsChinese(), c.chinese)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }
}

TEST(LanguageSwitch, StoresTheChoiceAndARestartFollowsIt) {
    TempDir dir;
    const std::string path = dir.Path("prog.ini");
    for (bool systemIsChinese : {false, true}) {
        std::string started;
        std::string switched;
        WriteText(path, "");
        {
            CIniFile ini;
            ASSERT_TRUE(ini.Load(path, true, true, false));
            started = ChooseLanguageAtStart("prog", systemIsChinese, ini);
            std::vector<std::string> loaded;
            const LanguageSwitch result =
                SwitchLanguage("prog", started, ini, [&](const std::string& language) {
                    // The keys are in the store before the module is loaded.
                    EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", ""), language);
                    EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE_FORCE", ""), "1");
                    loaded.push_back(language);
                    return true;
                });
            switched = result.language;
            EXPECT_FALSE(result.loadFailed);
            EXPECT_FALSE(result.message.has_value());
            EXPECT_EQ(loaded, std::vector<std::string>{switched});
        }
        EXPECT_EQ(started, systemIsChinese ? "prog_CH" : "prog_EN");
        EXPECT_EQ(switched, systemIsChinese ? "prog_EN" : "prog_CH");
        EXPECT_EQ(ReadText(path), "[MAIN]\nLANGUAGE=" + switched + "\nLANGUAGE_FORCE=1\n");

        CIniFile restarted;
        ASSERT_TRUE(restarted.Load(path, true, true, false));
        EXPECT_EQ(ChooseLanguageAtStart("prog", systemIsChinese, restarted), switched);
    }
}

TEST(LanguageSwitch, ForcedValueOfNeitherLanguageSwitchesToEnglish) {
    TempDir dir;
    WriteText(dir.Path("prog.ini"), "[MAIN]\nLANGUAGE=my_module\nLANGUAGE_FORCE=1\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.Path("prog.ini"), false, true, false));
    const std::string started = ChooseLanguageAtStart("prog", false, ini);
    const LanguageSwitch result =
        SwitchLanguage("prog", started, ini, [](const std::string&) { return true; });
    EXPECT_EQ(result.language, "prog_EN");
    EXPECT_EQ(ini.GetValue("MAIN", "LANGUAGE", ""), "prog_EN");
}

TEST(LanguageSwitch, MissingModuleSwitchesBackAndAsksForTheMessage) {
    struct Case {
        const char* current;
        const char* tried;
        const char* after;
    };
    // The way back follows the same rule, so an odd forced value does not come back.
    const Case cases[] = {
        {"prog_EN", "prog_CH", "prog_EN"},
        {"prog_CH", "prog_EN", "prog_CH"},
        {"my_module", "prog_EN", "prog_CH"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.Path("prog.ini");
        WriteText(path, "");
        {
            CIniFile ini;
            ASSERT_TRUE(ini.Load(path, true, true, false));
            std::vector<std::string> tried;
            const LanguageSwitch result =
                SwitchLanguage("prog", c.current, ini, [&](const std::string& language) {
                    tried.push_back(language);
                    return false;
                });
            EXPECT_EQ(tried, std::vector<std::string>{c.tried});
            EXPECT_EQ(result.language, c.after);
            EXPECT_TRUE(result.loadFailed);
            EXPECT_EQ(result.message, MessageId::ResourceModuleMissingOnSwitch);
        }
        EXPECT_EQ(ReadText(path),
                  std::string("[MAIN]\nLANGUAGE=") + c.after + "\nLANGUAGE_FORCE=1\n");
    }
}

} // namespace
} // namespace tevano
