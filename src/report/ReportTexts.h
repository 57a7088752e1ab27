// The words the settings report prints, in English and Chinese, by id: the labels of the radio's
// settings, the channel table's heading and column headings, the page titles and the words of an
// on/off setting and the side keys' functions. Values the same in both languages are made where
// they are printed.
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
    VoxDelayLabel,
    BatterySaveLabel,
    TotalTxTimeLabel,
    BeginOfTxLabel,
    EndOfTxLabel,
    VoxInhibitLabel,
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
    EnableOn,
    EnableOff,
    PfNone, // the side keys' functions
    PfAutodial,
    PfKeyLock,
    PfMonitor,
    PfMonitorMomentary,
    PfScrambler,
    Count,
};

std::string ReportText(ReportTextId id, Language language);

} // namespace tevano
