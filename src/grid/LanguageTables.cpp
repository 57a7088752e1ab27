#include "grid/LanguageTables.h"

#include <array>

namespace tevano {

namespace {

using namespace words;

constexpr std::array<FormLabel, 5> kFormLabels = {{
    {kLabelTypeSetting, {"Type Setting", "整机设置"}},
    {kLabelType, {"TYPE", "机型"}},
    {kLabelField, {"Field", "频段"}},
    {kLabelTxPowerRank, {"TX Power Rank", "发射功率等级"}},
    {kLabelManualSetting, {"Manul Setting", "手动设置"}},
}};

constexpr Word kRxHeaderAfterSwitch{"Receive(MHz)", "接收频率"};
constexpr Word kTxHeaderAfterSwitch{"Transmit(MHz)", "发射频率"};

// The list entries after a switch. The Opt Signal list offers "MDC1200" where the first set-up
// offers "MSK" (both stand for the same value), and the manual-setting list "YES"/"NO" where
// the form's template holds "Open"/"Close"; that list is used by position only.
constexpr std::array<Word, 2> kManualEntries = {{{"YES", "是"}, {"NO", "否"}}};
constexpr std::array<Word, 4> kOptSignalEntries = {kNone, Word{"MDC1200", "MDC1200"}, kDtmf, kCcir};
constexpr std::array<Word, 2> kTxPowerEntries = {kLow, kHigh};
constexpr std::array<Word, 2> kScanEntries = {kYes, kNo};
constexpr std::array<Word, 2> kPttIdEntries = {kOff, kOn};
constexpr std::array<Word, 2> kBandwidthEntries = {kWide, kNarrow};
constexpr std::array<Word, 3> kBusyLockEntries = {kClose, kCarrier, kQtDqt};
constexpr std::array<Word, 2> kRepeatInvertEntries = {kForward, kReverse};

const std::array<SwitchedList, 8> kSwitchedLists = {{
    {kListManualSetting, kManualEntries, true},
    {kListOptSignal, kOptSignalEntries, true},
    {kListTxPower, kTxPowerEntries, true},
    {kListScan, kScanEntries, true},
    {kListPttId, kPttIdEntries, true},
    {kListBandwidth, kBandwidthEntries, true},
    {kListBusyLock, kBusyLockEntries, true},
    {kListRepeatInvert, kRepeatInvertEntries, false},
}};

} // namespace

std::span<const FormLabel> FormLabelsAfterSwitch() {
    return kFormLabels;
}

std::string SwitchedHeader(int column, Language language) {
    // The switch names the English frequency columns differently from the first set-up;
    // every other header is the same.
    if (column == kColRxFrequency) {
        return kRxHeaderAfterSwitch.In(language);
    }
    if (column == kColTxFrequency) {
        return kTxHeaderAfterSwitch.In(language);
    }
    return FirstSetupHeader(column, language);
}

std::vector<std::string> SwitchedList::Entries(Language language) const {
    std::vector<std::string> texts;
    for (const Word& word : entries) {
        texts.push_back(word.In(language));
    }
    return texts;
}

std::span<const SwitchedList> ListsAfterSwitch() {
    return kSwitchedLists;
}

} // namespace tevano
