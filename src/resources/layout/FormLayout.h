// The channel form (dialog 101) that the channel view is built on: the "Type Setting" group with
// the type, band and manual-setting lists above the 128-channel grid.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::form {

constexpr int kTypeSettingGroup = 2001;
constexpr int kTypeLabel = 2002;
constexpr int kFieldLabel = 2003;
constexpr int kTxPowerRankLabel = 2004; // re-labelled on a language switch, never shown
constexpr int kManualSettingLabel = 2005;
constexpr int kFieldList = 1011;
constexpr int kTypeList = 1017;
constexpr int kManualSettingList = 1019;
constexpr int kGrid = 1007;

// The radio's bands; the band list's leading number is also the test mode's base frequency.
inline constexpr build::Entries<3> kFieldEntries = {"134 - 176MHz", "350 - 390MHz", "400 - 480MHz"};
// The type list holds a single empty entry.
inline constexpr build::Entries<1> kTypeEntries = {""};

struct Texts {
    const char* typeSetting;
    const char* type;
    const char* field;
    const char* txPowerRank;
    const char* manualSetting;
    build::Entries<2> manualSettingEntries; // set, not set
};

constexpr auto Controls(const Texts& t) {
    using namespace build;
    return std::to_array<ControlTemplate>({
        Group(kTypeSettingGroup, t.typeSetting, 16, 11, 334, 28),
        Label(kTypeLabel, t.type, 33, 21, 20, 12, kAlignRight),
        Combo(kTypeList, ControlKind::ComboDropList, 63, 21, 52, 57, kTabStop | kVScroll,
              kTypeEntries),
        Label(kFieldLabel, t.field, 125, 21, 17, 12, kAlignRight),
        Combo(kFieldList, ControlKind::ComboDropList, 152, 21, 70, 68, kTabStop | kVScroll,
              kFieldEntries),
        Label(kManualSettingLabel, t.manualSetting, 232, 21, 48, 12, kAlignRight),
        Combo(kManualSettingList, ControlKind::ComboDropList, 290, 21, 46, 57, kTabStop | kVScroll,
              t.manualSettingEntries),
        Plain(kGrid, ControlKind::Grid, 16, 47, 588, 210, kTabStop),
        // The language switch writes this label like the others, but the form has no list for
        // it, so it stays hidden beside the group.
        Label(kTxPowerRankLabel, t.txPowerRank, 360, 21, 60, 12, kHidden | kAlignRight),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kFormView, "", 625, 275, "Times New Roman", 8, controls);
}

} // namespace tevano::res::form
