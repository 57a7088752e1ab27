#include "report/ReportValues.h"

#include "options/OptionalFeaturesForm.h"
#include "options/SideKeyForm.h"
#include "report/ReportTexts.h"
#include "report/SettingsWords.h"

namespace tevano {

namespace {

// A label of the dialogs used on the report: its words and a colon.
std::string Labelled(const std::string& words) {
    return words + ": ";
}

std::string SideKeyFunction(const res::sidekey::Texts& words, int code) {
    return EntryAt(words.functions, code);
}

std::string PriorityChannelText(int position) {
    const std::vector<std::string> entries = PriorityChannelEntries();
    return position >= 0 && static_cast<std::size_t>(position) < entries.size()
               ? entries[static_cast<std::size_t>(position)]
               : std::string();
}

} // namespace

std::string OnOffText(bool set, OnOffWords words, Language language) {
    switch (words) {
    case OnOffWords::Open:
        return ReportText(set ? ReportTextId::OpenOn : ReportTextId::OpenOff, language);
    case OnOffWords::Start:
        return ReportText(set ? ReportTextId::StartOn : ReportTextId::StartOff, language);
    }
    return std::string();
}

std::vector<SettingsField> SettingsFields(const RadioImage& image, const ChannelForm& form,
                                          Language language) {
    const OptionalFeaturesState options = OpenOptionalFeatures(image);
    const SideKeyState keys = OpenSideKeys(image);
    const res::features::Texts& features = FeatureWords(language);
    const res::sidekey::Texts& sideKey = SideKeyWords(language);
    const auto label = [language](ReportTextId id) { return ReportText(id, language); };
    const auto open = [language](bool set) { return OnOffText(set, OnOffWords::Open, language); };
    const auto keyLabel = [&sideKey](const char* key) {
        return std::string(key) + " " + Labelled(sideKey.shortPress);
    };
    return {
        {1, 5, label(ReportTextId::FunctionSetting)},
        {2, 2, label(ReportTextId::TypeLabel) + form.type.CurrentText()},
        {2, 25, label(ReportTextId::FieldLabel) + form.field.CurrentText()},
        // The two side keys, short and long press, where older models had their PF keys.
        {3, 2, keyLabel(sideKey.sideKey1) + SideKeyFunction(sideKey, keys.key1Short)},
        {3, 41, Labelled(sideKey.longPress) + SideKeyFunction(sideKey, keys.key1Long)},
        {4, 2, keyLabel(sideKey.sideKey2) + SideKeyFunction(sideKey, keys.key2Short)},
        {4, 41, Labelled(sideKey.longPress) + SideKeyFunction(sideKey, keys.key2Long)},
        {5, 2,
         label(ReportTextId::SquelchLevelLabel) +
             EntryAt(res::features::kSquelchEntries, options.squelchLevel)},
        {5, 25, label(ReportTextId::BeepWarningLabel) + open(options.beep)},
        {5, 50, label(ReportTextId::ScramblerLabel) + open(options.scrambler)},
        {6, 2, label(ReportTextId::VoxFunctionLabel) + EntryAt(features.onOff, options.voxSwitch)},
        {6, 25, label(ReportTextId::VoxGainLabel) + EntryAt(features.voxGains, options.voxGain)},
        {6, 50, Labelled(features.optSignal) + EntryAt(features.optSignals, options.optSignal)},
        {7, 2, label(ReportTextId::PttIdLabel) + options.id},
        {7, 25,
         label(ReportTextId::BatterySaveLabel) +
             OnOffText(options.batterySave, OnOffWords::Start, language)},
        {7, 50, label(ReportTextId::TotalTxTimeLabel) + options.timeText},
        {8, 2, label(ReportTextId::BeginOfTxLabel) + open(options.beginOfTx)},
        {8, 35, label(ReportTextId::EndOfTxLabel) + open(options.endOfTx)},
        {9, 2, Labelled(features.languageChoose) + EntryAt(features.languages, options.language)},
        {9, 25, Labelled(features.priorityChannel) + PriorityChannelText(options.priorityChannel)},
        {9, 50, Labelled(features.roger) + EntryAt(features.rogers, options.roger)},
        {10, 2, Labelled(features.groupId) + options.groupId},
        {10, 25, Labelled(features.callId) + options.callId},
        {10, 50, Labelled(features.checkId) + options.checkId},
        {11, 2, Labelled(features.killId) + options.killId},
        {11, 25, Labelled(features.listenId) + options.listenId},
    };
}

} // namespace tevano
