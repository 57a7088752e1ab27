// The display language of the whole program: the string "<base>_EN" or "<base>_CH" (or whatever
// the INI file forced), chosen at start from the system language or the user's last switch, and
// the one test of it, IsEnglish, which DisplayedLanguage hands to the tables of texts as a
// Language.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"

#include <functional>
#include <optional>
#include <string>

namespace tevano {

class CIniFile;

// The program-wide state, set at start and changed only by the language switch.
const std::string& LanguageBaseName();
void SetLanguageBaseName(const std::string& baseName);
const std::string& DisplayLanguage();
void SetDisplayLanguage(const std::string& language);

// English exactly when the language string is the base name + "_EN", byte for byte; every other
// string counts as Chinese.
bool IsEnglish();
// The same test as a Language, for the texts of the tables.
Language DisplayedLanguage();
bool IsEnglishLanguage(const std::string& baseName, const std::string& language);

std::string EnglishLanguage(const std::string& baseName);
std::string ChineseLanguage(const std::string& baseName);

// The language at start: the system's (Chinese, else English), unless MAIN/LANGUAGE_FORCE reads
// as the number 1, in which case MAIN/LANGUAGE decides, taken as it is stored.
std::string ChooseLanguageAtStart(const std::string& baseName, bool systemIsChinese,
                                  const CIniFile& ini);

// Whether the user's locale is Chinese: the first set of LANGUAGE (its first entry), LC_ALL,
// LC_MESSAGES and LANG begins with "zh". Any other language, "C" and "POSIX" too, is English.
bool SystemLanguageIsChinese();

struct [[nodiscard]] LanguageSwitch {
    std::string language;             // the language string now in force
    bool loadFailed = false;          // the new language's resource module did not load
    std::optional<MessageId> message; // to be shown once the switch is done
};

// The switch command after the user confirmed it: the other language is stored in MAIN/LANGUAGE
// with MAIN/LANGUAGE_FORCE "1" (the file is written at exit), then its resource module is
// loaded. When that fails the string is switched back and stored again; the module in force
// stays.
LanguageSwitch SwitchLanguage(const std::string& baseName, const std::string& currentLanguage,
                              CIniFile& ini,
                              const std::function<bool(const std::string& language)>& loadModule);

} // namespace tevano
