// The English dialog templates, word for word as the radio tool has always shown them ("Manul
// Setting", "Temperary" and the odd blanks included). Positions live in the shared layouts.
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

constexpr features::Texts kFeatures = {
    .caption = "Optional Features",
    .functionSet = "Function Set",
    .timeOutTimer = "Time-out Timer",
    .squelchLevel = "Squelch Level",
    .languageChoose = "Language Choose",
    .voxSwitch = "Vox Switch",
    .voxGainLevel = "Vox Gain Level",
    .priorityChannel = "Priority Channel",
    .roger = "Roger",
    .beep = "Beep",
    .batterySave = "Battery Save",
    .scramblerActivation = "Scrambler Activation",
    .idGroup = " ID",
    .groupId = "Group ID",
    .id = "ID",
    .callId = "Call ID",
    .checkId = "Check ID",
    .killId = "Kill ID",
    .listenId = "Listen ID",
    .beginOfTx = "Begin of Tx",
    .endOfTx = "End of Tx",
    .optSignal = "Opt Signal In Frequent Mode",
    .pf1 = "PF1",
    .pf2 = "PF2",
    .repeaterMskInvert = "Repeater MSK Invert",
    .ok = "OK",
    .cancel = "Cancel",
    .languages = {"Chinese", "English", "Off"},
    .onOff = {"On", "Off"},
    .voxGains = {"OFF", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    .rogers = {"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    .optSignals = {"MSK", "DTMF", "CCIR", "OFF"},
};
constexpr auto kFeaturesControls = features::Controls(kFeatures);

constexpr sidekey::Texts kSideKey = {
    .caption = "Side Key",
    .sideKey1 = "Side Key1",
    .sideKey2 = "Side Key2",
    .shortPress = "Short Press",
    .longPress = "Long Press",
    .functions = {"NO Function", "Monitor", "Scan ON/OFF", "Scan Temperary Delete",
                  "High/Low Power", "Talk Around", "Reverse Frequency", "Vox ON/OFF",
                  "Scrambler ON/OFF"},
    .ok = "OK",
    .cancel = "Cancel",
};
constexpr auto kSideKeyControls = sidekey::Controls(kSideKey);

} // namespace

const DialogTemplate kDialogs[] = {
    about::Dialog(kAbout, kAboutControls),
    form::Dialog(kFormControls),
    progress::Dialog(kProgressControls),
    testmode::Dialog(kTestMode, kTestModeControls),
    features::Dialog(kFeatures, kFeaturesControls),
    sidekey::Dialog(kSideKey, kSideKeyControls),
};
const int kDialogCount = int(std::size(kDialogs));

} // namespace tevano::res
