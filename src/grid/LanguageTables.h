// What the language switch rewrites on the channel form, as data: the labels by control id, the
// table's header words, and the entries the form's choice lists are refilled with.
#pragma once

#include "base/Language.h"
#include "grid/ChannelWords.h"

#include <span>
#include <string>
#include <vector>

namespace tevano {

// Control ids of the channel form's labels and choice lists.
enum FormControlId : int {
    kLabelTypeSetting = 2001,
    kLabelType = 2002,
    kLabelField = 2003,
    kLabelTxPowerRank = 2004,
    kLabelManualSetting = 2005,
    kListManualSetting = 1019,
    kListOptSignal = 61448,
    kListTxPower = 61449,
    kListScan = 61450,
    kListPttId = 61451,
    kListBandwidth = 61452,
    kListBusyLock = 61453,
    kListRepeatInvert = 1120,
};

struct FormLabel {
    int controlId;
    Word text;
};

// The five labels of the form, in control id order.
std::span<const FormLabel> FormLabelsAfterSwitch();

// Row 0 as the switch writes it; the English frequency columns read "Receive(MHz)" and
// "Transmit(MHz)" here, where the first set-up writes "Rx Frequency" and "Tx Frequency".
std::string SwitchedHeader(int column, Language language);

struct SwitchedList {
    int controlId;
    std::span<const Word> entries;
    bool keepsSelection; // the picked position is noted before and picked again after refilling

    std::vector<std::string> Entries(Language language) const;
};

// The eight choice lists the switch empties and refills, in the order it does so.
std::span<const SwitchedList> ListsAfterSwitch();

} // namespace tevano
