// The Optional Features dialog (dialog 156): the radio-wide functions on the left ("Function
// Set"), the six ID codes and their transmit options on the right. The code reads every list by
// the position of the picked entry, so each language gives the entries in the same order.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::features {

constexpr int kTimeOutTimer = 1013;
constexpr int kTimeOutSpin = 1089;
constexpr int kSquelchLevel = 1016;
constexpr int kLanguageChoose = 1079;
constexpr int kVoxSwitch = 1110;
constexpr int kVoxGainLevel = 1077;
constexpr int kPriorityChannel = 3000; // "1" to "128", filled when the dialog opens
constexpr int kRoger = 3001;
constexpr int kBeep = 1074;
constexpr int kBatterySave = 1090;
constexpr int kScramblerActivation = 1075;
constexpr int kGroupId = 1080;
constexpr int kId = 1081;
constexpr int kCallId = 1098;
constexpr int kCheckId = 1099;
constexpr int kKillId = 1100;
constexpr int kListenId = 1101;
constexpr int kBeginOfTx = 1082;
constexpr int kEndOfTx = 1083;
constexpr int kOptSignal = 1102;

inline constexpr build::Entries<10> kSquelchEntries = {"0", "1", "2", "3", "4",
                                                       "5", "6", "7", "8", "9"};
inline constexpr build::Entries<0> kNoEntries = {};

struct Texts {
    const char* caption;
    const char* functionSet;
    const char* timeOutTimer;
    const char* squelchLevel;
    const char* languageChoose;
    const char* voxSwitch;
    const char* voxGainLevel;
    const char* priorityChannel;
    const char* roger;
    const char* beep;
    const char* batterySave;
    const char* scramblerActivation;
    const char* idGroup;
    const char* groupId;
    const char* id;
    const char* callId;
    const char* checkId;
    const char* killId;
    const char* listenId;
    const char* beginOfTx;
    const char* endOfTx;
    const char* optSignal;
    const char* pf1;
    const char* pf2;
    const char* repeaterMskInvert;
    const char* ok;
    const char* cancel;
    build::Entries<3> languages;  // Chinese, English, off
    build::Entries<2> onOff;      // on, off
    build::Entries<11> voxGains;  // off, "1" to "10"
    build::Entries<11> rogers;    // off, "1" to "10"
    build::Entries<4> optSignals; // MSK, DTMF, CCIR, off
};

// Left group: a right-aligned label and a 50-unit control at x = 99, one row every 16 units.
// Right group: label and field pairs in two columns, one row every 20 units.
constexpr auto Controls(const Texts& t) {
    using namespace build;
    constexpr unsigned kList = kTabStop | kVScroll;
    constexpr unsigned kRowLabel = kAlignRight | kNoWrap;
    constexpr int kLabelX = 20;
    constexpr int kLabelWidth = 75;
    constexpr int kFieldX = 99;
    constexpr int kIdLabelX = 177;
    constexpr int kIdFieldX = 224;
    constexpr int kIdRightX = 278;
    constexpr int kIdRightFieldX = 326;
    return std::to_array<ControlTemplate>({
        Group(kIdStatic, t.functionSet, 16, 10, 150, 159),
        Label(kIdStatic, t.timeOutTimer, kLabelX, 25, kLabelWidth, 8, kRowLabel),
        Edit(kTimeOutTimer, kFieldX, 23, 40, 12, kTabStop, 10),
        Plain(kTimeOutSpin, ControlKind::Spin, kFieldX + 40, 23, 10, 12, kNoWrap | kArrowKeys),
        Label(kIdStatic, t.squelchLevel, kLabelX, 41, kLabelWidth, 8, kRowLabel),
        Combo(kSquelchLevel, ControlKind::ComboDropDown, kFieldX, 39, 50, 100, kList,
              kSquelchEntries),
        Label(kIdStatic, t.languageChoose, kLabelX, 57, kLabelWidth, 8, kRowLabel),
        Combo(kLanguageChoose, ControlKind::ComboDropDown, kFieldX, 55, 50, 50, kList, t.languages),
        Label(kIdStatic, t.voxSwitch, kLabelX, 73, kLabelWidth, 8, kRowLabel),
        Combo(kVoxSwitch, ControlKind::ComboDropList, kFieldX, 71, 50, 40, kList, t.onOff),
        Label(kIdStatic, t.voxGainLevel, kLabelX, 89, kLabelWidth, 8, kRowLabel),
        Combo(kVoxGainLevel, ControlKind::ComboDropDown, kFieldX, 87, 50, 100, kList, t.voxGains),
        Label(kIdStatic, t.priorityChannel, kLabelX, 105, kLabelWidth, 8, kRowLabel),
        Combo(kPriorityChannel, ControlKind::ComboDropDown, kFieldX, 103, 50, 100, kList,
              kNoEntries),
        Label(kIdStatic, t.roger, kLabelX, 121, kLabelWidth, 8, kRowLabel),
        Combo(kRoger, ControlKind::ComboDropDown, kFieldX, 119, 50, 100, kList, t.rogers),
        Check(kBeep, t.beep, 24, 136, 55, 10),
        Check(kBatterySave, t.batterySave, 84, 136, 70, 10),
        Check(kScramblerActivation, t.scramblerActivation, 24, 151, 100, 10),

        Group(kIdStatic, t.idGroup, 173, 10, 210, 135),
        Label(kIdStatic, t.groupId, kIdLabelX, 25, 44, 8, kRowLabel),
        Edit(kGroupId, kIdFieldX, 23, 50, 12, kTabStop | kDigitsOnly, 4),
        Check(kBeginOfTx, t.beginOfTx, kIdRightX, 24, 80, 10),
        Label(kIdStatic, t.id, kIdLabelX, 45, 44, 8, kRowLabel),
        Edit(kId, kIdFieldX, 43, 50, 12, kTabStop | kUpperCase, 8),
        Check(kEndOfTx, t.endOfTx, kIdRightX, 44, 80, 10),
        Label(kIdStatic, t.callId, kIdLabelX, 65, 44, 8, kRowLabel),
        Edit(kCallId, kIdFieldX, 63, 50, 12, kTabStop | kUpperCase, 8),
        Label(kIdStatic, t.checkId, kIdRightX, 65, 44, 8, kRowLabel),
        Edit(kCheckId, kIdRightFieldX, 63, 50, 12, kTabStop, 8),
        Label(kIdStatic, t.killId, kIdLabelX, 85, 44, 8, kRowLabel),
        Edit(kKillId, kIdFieldX, 83, 50, 12, kTabStop, 8),
        Label(kIdStatic, t.listenId, kIdRightX, 85, 44, 8, kRowLabel),
        Edit(kListenId, kIdRightFieldX, 83, 50, 12, kTabStop, 8),
        Label(kIdStatic, t.optSignal, kIdLabelX, 110, 145, 8, kRowLabel),
        Combo(kOptSignal, ControlKind::ComboDropDown, kIdRightFieldX, 108, 50, 60, kList,
              t.optSignals),

        DefaultButton(kIdOk, t.ok, 218, 152, 44, 14),
        Button(kIdCancel, t.cancel, 307, 152, 44, 14),

        // Kept from the radio's older models: never shown, no setting behind them, all stacked
        // at one spot.
        Label(kIdStatic, t.pf1, kIdLabelX, 127, 60, 8, kHidden),
        Combo(kIdStatic, ControlKind::ComboDropList, kIdLabelX, 126, 60, 60, kHidden | kList,
              kNoEntries),
        Label(kIdStatic, t.pf2, kIdLabelX, 127, 60, 8, kHidden),
        Combo(kIdStatic, ControlKind::ComboDropList, kIdLabelX, 126, 60, 60, kHidden | kList,
              kNoEntries),
        Check(kIdStatic, t.repeaterMskInvert, kIdLabelX, 126, 60, 10, kHidden | kTabStop),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const Texts& t, const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kOptionalFeaturesDialog, t.caption, 396, 182, "Times New Roman", 8,
                         controls);
}

} // namespace tevano::res::features
