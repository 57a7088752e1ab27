#include "shell/DisplayLanguage.h"

#include "base/NumberText.h"
#include "shell/IniFile.h"

#include <cstdlib>
#include <string_view>

namespace tevano {

namespace {

std::string& BaseNameState() {
    static std::string baseName;
    return baseName;
}

std::string& LanguageState() {
    static std::string language;
    return language;
}

// The language of the other switch position: Chinese after English, English after anything else.
std::string OtherLanguage(const std::string& baseName, const std::string& language) {
    return IsEnglishLanguage(baseName, language) ? ChineseLanguage(baseName)
                                                 : EnglishLanguage(baseName);
}

std::string_view FirstListEntry(std::string_view list) {
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t colon = list.find(':', start);
        const std::size_t end = colon == std::string_view::npos ? list.size() : colon;
        if (end > start) {
            return list.substr(start, end - start);
        }
        start = end + 1;
    }
    return {};
}

} // namespace

const std::string& LanguageBaseName() {
    return BaseNameState();
}

void SetLanguageBaseName(const std::string& baseName) {
    BaseNameState() = baseName;
}

const std::string& DisplayLanguage() {
    return LanguageState();
}

void SetDisplayLanguage(const std::string& language) {
    LanguageState() = language;
}

bool IsEnglish() {
    return IsEnglishLanguage(BaseNameState(), LanguageState());
}

Language DisplayedLanguage() {
    return IsEnglish() ? Language::English : Language::Chinese;
}

bool IsEnglishLanguage(const std::string& baseName, const std::string& language) {
    return language == EnglishLanguage(baseName);
}

std::string EnglishLanguage(const std::string& baseName) {
    return baseName + "_EN";
}

std::string ChineseLanguage(const std::string& baseName) {
    return baseName + "_CH";
}

std::string ChooseLanguageAtStart(const std::string& baseName, bool systemIsChinese,
                                  const CIniFile& ini) {
    if (LeadingLong(ini.GetValue("MAIN", "LANGUAGE_FORCE", "")) == 1) {
        return ini.GetValue("MAIN", "LANGUAGE", "");
    }
    return systemIsChinese ? ChineseLanguage(baseName) : EnglishLanguage(baseName);
}

bool SystemLanguageIsChinese() {
    std::string_view locale;
    if (const char* language = std::getenv("LANGUAGE")) {
        locale = FirstListEntry(language);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!locale.empty()) {
            break;
        }
        if (const char* value = std::getenv(name)) {
            locale = value;
        }
    }
    return locale.substr(0, 2) == "zh";
}

LanguageSwitch SwitchLanguage(const std::string& baseName, const std::string& currentLanguage,
                              CIniFile& ini,
                              const std::function<bool(const std::string& language)>& loadModule) {
    LanguageSwitch result;
    result.language = OtherLanguage(baseName, currentLanguage);
    // From now on start-up follows the user's choice rather than the system language.
    ini.SetValue("MAIN", "LANGUAGE", result.language);
    ini.SetValue("MAIN", "LANGUAGE_FORCE", "1");
    if (loadModule(result.language)) {
        return result;
    }
    result.language = OtherLanguage(baseName, result.language);
    ini.SetValue("MAIN", "LANGUAGE", result.language);
    result.loadFailed = true;
    result.message = MessageId::ResourceModuleMissingOnSwitch;
    return result;
}

} // namespace tevano
