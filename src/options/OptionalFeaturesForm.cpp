#include "options/OptionalFeaturesForm.h"

namespace tevano {

namespace {

void SetBit(RadioImage& image, std::size_t offset, std::uint8_t bit, bool on) {
    image[offset] = static_cast<std::uint8_t>(on ? (image[offset] | bit) : (image[offset] & ~bit));
}

bool HasBit(const RadioImage& image, std::size_t offset, std::uint8_t bit) {
    return (image[offset] & bit) != 0;
}

struct IdBinding {
    IdField field;
    std::string OptionalFeaturesState::*text;
};

constexpr IdBinding kIdBindings[] = {
    {IdField::Group, &OptionalFeaturesState::groupId},
    {IdField::Id, &OptionalFeaturesState::id},
    {IdField::Call, &OptionalFeaturesState::callId},
    {IdField::Check, &OptionalFeaturesState::checkId},
    {IdField::Kill, &OptionalFeaturesState::killId},
    {IdField::Listen, &OptionalFeaturesState::listenId},
};

std::uint8_t LanguageCode(int position) {
    switch (position) {
    case kLanguageChinese:
        return kLanguageCodeChinese;
    case kLanguageEnglish:
        return kLanguageCodeEnglish;
    default:
        return kLanguageCodeOff;
    }
}

int LanguagePositionOf(std::uint8_t code) {
    switch (code & kLanguageMask) {
    case kLanguageCodeOff:
        return kLanguageOff;
    case kLanguageCodeEnglish:
        return kLanguageEnglish;
    default: // 1 and 3
        return kLanguageChinese;
    }
}

} // namespace

std::vector<std::string> PriorityChannelEntries() {
    std::vector<std::string> entries;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        entries.push_back(std::to_string(channel));
    }
    return entries;
}

bool AcceptChangedDocument(const RadioImage& before, const RadioImage& after) {
    for (std::size_t offset = 0; offset < before.size(); ++offset) {
        const std::uint8_t ignored = offset == kManualByte ? kManualOpenBit : 0;
        if ((before[offset] & ~ignored) != (after[offset] & ~ignored)) {
            return true;
        }
    }
    return false;
}

void SetTimeOutSteps(OptionalFeaturesState& state, int steps) {
    state.timeOutSteps = steps < 0 ? 0 : (steps > kTimeOutMaxSteps ? kTimeOutMaxSteps : steps);
    state.timeText = TimeOutText(state.timeOutSteps);
}

OptionalFeaturesState OpenOptionalFeatures(const RadioImage& image) {
    OptionalFeaturesState state;

    const int timeOut = image[kTimeOutByte];
    SetTimeOutSteps(state, timeOut > kTimeOutMaxSteps ? 0 : timeOut);

    const int squelch = image[kSquelchByte];
    state.squelchLevel = squelch < kSquelchEntries ? squelch : 0;

    const int priority = image[kPriorityChannelByte];
    state.priorityChannel = (priority >= 1 && priority <= kChannelCount) ? priority - 1 : -1;

    state.beep = HasBit(image, kFeatureByte, kBeepBit);
    state.scrambler = HasBit(image, kFeatureByte, kScramblerBit);
    state.batterySave = HasBit(image, kFeatureByte, kBatterySaveBit);
    state.language = LanguagePositionOf(image[kFeatureByte]);

    // 1 to 11 are "OFF" to "10"; 0 leaves the list without a pick; anything larger shows "OFF".
    const int voxGain = image[kVoxGainByte];
    if (voxGain == 0) {
        state.voxGain = -1;
    } else {
        state.voxGain = voxGain <= kVoxGainEntries ? voxGain - 1 : 0;
    }

    state.optSignal = image[kSignalVoxByte] & kOptSignalMask;
    state.voxSwitch = HasBit(image, kSignalVoxByte, kVoxSwitchBit) ? kVoxOn : kVoxOff;

    state.beginOfTx = HasBit(image, kPttIdByte, kBeginOfTxBit);
    state.endOfTx = HasBit(image, kPttIdByte, kEndOfTxBit);

    for (const IdBinding& binding : kIdBindings) {
        state.*binding.text = ReadIdField(image, binding.field);
    }

    const int roger = image[kRogerByte];
    state.roger = roger < kRogerEntries ? roger : -1;
    return state;
}

void AcceptOptionalFeatures(const OptionalFeaturesState& state, RadioImage& image) {
    // The whole byte is rebuilt: bits 3, 5 and 7 end up clear. Bit 7, the form's manual
    // setting, is put back from the "Manul Setting" list by the next channel encode.
    image[kFeatureByte] = LanguageCode(state.language);
    SetBit(image, kFeatureByte, kScramblerBit, state.scrambler);
    SetBit(image, kFeatureByte, kBeepBit, state.beep);
    SetBit(image, kFeatureByte, kBatterySaveBit, state.batterySave);

    SetBit(image, kPttIdByte, kBeginOfTxBit, state.beginOfTx);
    SetBit(image, kPttIdByte, kEndOfTxBit, state.endOfTx);

    // A list left without a pick contributes -1, taken as a byte: roger 0xFF, VOX gain and
    // priority channel 0.
    image[kSquelchByte] = static_cast<std::uint8_t>(state.squelchLevel);
    image[kTimeOutByte] = static_cast<std::uint8_t>(state.timeOutSteps);
    image[kVoxGainByte] = VoxGainByte(state.voxGain);

    const auto signal = static_cast<std::uint8_t>(state.optSignal & kOptSignalMask);
    image[kSignalVoxByte] =
        static_cast<std::uint8_t>((image[kSignalVoxByte] & ~kOptSignalMask) | signal);

    image[kFixedFourByte] = kFixedFourValue;
    image[kFixedZeroByte] = kFixedZeroValue;
    image[kPriorityChannelByte] = static_cast<std::uint8_t>(state.priorityChannel + 1);

    SetBit(image, kSignalVoxByte, kVoxSwitchBit, state.voxSwitch == kVoxOn);

    for (const IdBinding& binding : kIdBindings) {
        WriteIdField(image, binding.field, state.*binding.text);
    }

    image[kRogerByte] = static_cast<std::uint8_t>(state.roger);
}

} // namespace tevano
