#include "report/SettingsWords.h"

#include "resources/chinese/ChineseOptionTexts.h"
#include "resources/english/EnglishOptionTexts.h"

#include <array>

namespace tevano {

namespace {

// By Language: English, Chinese.
constexpr std::array<const res::features::Texts*, 2> kFeatureWords = {&res::kEnglishFeatureTexts,
                                                                      &res::kChineseFeatureTexts};
constexpr std::array<const res::sidekey::Texts*, 2> kSideKeyWords = {&res::kEnglishSideKeyTexts,
                                                                     &res::kChineseSideKeyTexts};

} // namespace

const res::features::Texts& FeatureWords(Language language) {
    return *kFeatureWords[static_cast<std::size_t>(language)];
}

const res::sidekey::Texts& SideKeyWords(Language language) {
    return *kSideKeyWords[static_cast<std::size_t>(language)];
}

} // namespace tevano
