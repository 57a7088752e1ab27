// The words the settings report prints, in English and Chinese, by id: its own labels of the
// radio's settings, the channel table's heading and column headings, the page titles and the
// words of an on/off setting. The settings' values are the dialogs' words (SettingsWords).
#pragma once

#include "base/Language.h"

#include <string>

namespace tevano {

enum class ReportTextId {
    FunctionSetting,
    TypeLabel,
    FieldLabel,
    BeepWarningLabel,
    SquelchLevelLabel,
    ScramblerLabel,
    VoxFunctionLabel,
    VoxGainLabel,
    PttIdLabel,
    BatterySaveLabel,
    TotalTxTimeLabel,
    BeginOfTxLabel,
    EndOfTxLabel,
    ChannelSetting,
    RxHeading,
    TxHeading,
    BandwidthHeading,
    ScanHeading,
    TxPowerHeading,
    OptSignalHeading,
    PttIdHeading,
    BusyLockHeading,
    FirstPageTitle,
    SecondPageTitle,
    ThirdPageTitle,
    FourthPageTitle,
    FifthPageTitle,
    OpenOn, // the on/off words, which differ in Chinese by the setting
    OpenOff,
    StartOn,
    StartOff,
    MissingFont, // <package>
    Count,
};

std::string ReportText(ReportTextId id, Language language);

// The report cannot be drawn: no installed face has its characters, and this package brings one.
std::string MissingFontText(const std::string& package, Language language);

} // namespace tevano
