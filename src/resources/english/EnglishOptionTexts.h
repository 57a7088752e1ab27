// The English words of the two settings dialogs, Optional Features and Side Key: their labels
// and list entries. The English resource module builds the dialogs from them, and the settings
// report prints the same words for the same settings.
#pragma once

#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/SideKeyLayout.h"

namespace tevano::res {

inline constexpr features::Texts kEnglishFeatureTexts = {
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
inline constexpr sidekey::Texts kEnglishSideKeyTexts = {
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
} // namespace tevano::res
