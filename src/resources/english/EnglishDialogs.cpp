// The English dialog templates, word for word as the radio tool has always shown them ("Manul
// Setting", "Temperary" and the odd blanks included). Positions live in the shared layouts.
#include "resources/english/EnglishOptionTexts.h"
#include "resources/layout/AboutLayout.h"
#include "resources/layout/FormLayout.h"
#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/ProgressLayout.h"
#include "resources/layout/SideKeyLayout.h"
#include "resources/layout/TestModeLayout.h"
#include "resources/module/LanguageParts.h"

#include <iterator>

namespace tevano::res {

namespace {

constexpr about::Texts kAbout = {
    .caption = "About",
    .programName = "  Tevano Communication Software",
    .versionLine = "Version " TEVANO_VERSION,
    .copyrightLine = "Copyright (C) Tevano Communication",
    .purposeLine = "Programming software for Tevano handheld radios",
    .ok = "OK",
};
constexpr auto kAboutControls = about::Controls(kAbout);

constexpr form::Texts kForm = {
    .typeSetting = "Type Setting",
    .type = "Type",
    .field = "Field",
    .txPowerRank = "TX Power Rank",
    .manualSetting = "Manul Setting",
    .manualSettingEntries = {"Open", "Close"},
};
constexpr auto kFormControls = form::Controls(kForm);

constexpr progress::Texts kProgress = {
    .start = "Start",
    .cancel = "Cancel",
    .progress = "Progress：",
    .notStarted = "   Not start yet",
};
constexpr auto kProgressControls = progress::Controls(kProgress);

constexpr testmode::Texts kTestMode = {
    .caption = "Debug Mode for Tevano",
    .viewGroup = "Static",
    .defaultButton = "Default",
    .receive = "Receive",
    .transmit = "Transmit",
    .frequencyMHz = "Frequency (MHz)",
    .tone = "Tone",
    .toneMethod = "Tone Method",
    .stepValue = "Step Value",
    .chooseDebugFrequency = "Choose Debug Frequency",
    .high = "High(MHz)",
    .middle = "Middle(MHz)",
    .low = "Low(MHz)",
    .parameterValue = "Parameter Value",
    .min = "Min",
    .max = "Max",
    .currentValue = "Current Value",
    .start = "Start",
    .hiddenDefault = "Button1",
};
constexpr auto kTestModeControls = testmode::Controls(kTestMode);

constexpr auto kFeaturesControls = features::Controls(kEnglishFeatureTexts);

constexpr auto kSideKeyControls = sidekey::Controls(kEnglishSideKeyTexts);

} // namespace

const DialogTemplate kDialogs[] = {
    about::Dialog(kAbout, kAboutControls),
    form::Dialog(kFormControls),
    progress::Dialog(kProgressControls),
    testmode::Dialog(kTestMode, kTestModeControls),
    features::Dialog(kEnglishFeatureTexts, kFeaturesControls),
    sidekey::Dialog(kEnglishSideKeyTexts, kSideKeyControls),
};
const int kDialogCount = int(std::size(kDialogs));

} // namespace tevano::res
