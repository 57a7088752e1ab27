// The test mode dialog (dialog 136): the tree of test frequencies and calibration items at the
// left, and at the right either the frequency view ("F": receive and transmit frequency, tone,
// tone method and step) or the item view ("I": test frequency choice and the value slider). The
// dialog shows one view at a time, so all but the tree and the big group box start hidden.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::testmode {

constexpr int kTree = 1026;
constexpr int kViewGroup = 1029;
constexpr int kDefault = 1028;
// Frequency view.
constexpr int kReceiveGroup = 1060;
constexpr int kTransmitGroup = 1061;
constexpr int kReceiveFrequencyLabel = 1054;
constexpr int kReceiveFrequency = 1030;
constexpr int kTransmitFrequencyLabel = 1055;
constexpr int kTransmitFrequency = 1031;
constexpr int kReceiveToneLabel = 1056;
constexpr int kReceiveTone = 1012;
constexpr int kTransmitToneLabel = 1057;
constexpr int kTransmitTone = 1013;
constexpr int kReceiveMethodLabel = 1058;
constexpr int kReceiveQt = 1034;
constexpr int kReceiveDqt = 1035;
constexpr int kTransmitMethodLabel = 1059;
constexpr int kTransmitQt = 1036;
constexpr int kTransmitDqt = 1037;
constexpr int kReceiveStepLabel = 1062;
constexpr int kReceiveStep500 = 1063;
constexpr int kReceiveStep625 = 1064;
constexpr int kTransmitStepLabel = 1065;
constexpr int kTransmitStep500 = 1066;
constexpr int kTransmitStep625 = 1067;
// Item view.
constexpr int kFrequencyChoiceGroup = 1043;
constexpr int kHigh = 1040;
constexpr int kMiddle = 1041;
constexpr int kLow = 1042;
constexpr int kValueGroup = 1044;
constexpr int kMinLabel = 1049;
constexpr int kValueSlider = 1039;
constexpr int kMaxLabel = 1051;
constexpr int kCurrentValue = 1052;
constexpr int kStart = 1038;
// The template's default button, so that Enter never closes the dialog by itself.
constexpr int kHiddenDefault = 1068;

struct Texts {
    const char* caption;
    const char* viewGroup; // replaced when the dialog opens
    const char* defaultButton;
    const char* receive;
    const char* transmit;
    const char* frequencyMHz;
    const char* tone;
    const char* toneMethod;
    const char* stepValue;
    const char* chooseDebugFrequency;
    const char* high;
    const char* middle;
    const char* low;
    const char* parameterValue;
    const char* min;
    const char* max;
    const char* currentValue; // replaced on selection
    const char* start;
    const char* hiddenDefault;
};

constexpr auto Controls(const Texts& t) {
    using namespace build;
    constexpr unsigned kShy = kHidden | kTabStop; // hidden until its view is chosen
    constexpr unsigned kFirstOfPair = kShy | kGroup;
    return std::to_array<ControlTemplate>({
        Plain(kTree, ControlKind::Tree, 18, 23, 98, 179, kTabStop | kHasLines),
        Group(kViewGroup, t.viewGroup, 120, 13, 250, 190),
        Button(kDefault, t.defaultButton, 270, 178, 64, 17, kShy),

        Group(kReceiveGroup, t.receive, 121, 50, 108, 121, kHidden),
        Group(kTransmitGroup, t.transmit, 235, 50, 114, 122, kHidden),
        Label(kReceiveFrequencyLabel, t.frequencyMHz, 133, 62, 36, 17, kHidden),
        Edit(kReceiveFrequency, 179, 62, 53, 12, kShy),
        Label(kTransmitFrequencyLabel, t.frequencyMHz, 244, 61, 37, 19, kHidden),
        Edit(kTransmitFrequency, 283, 60, 53, 12, kShy),
        Label(kReceiveToneLabel, t.tone, 134, 81, 19, 9, kHidden),
        Plain(kReceiveTone, ControlKind::ComboDropDown, 179, 78, 44, 70, kShy | kVScroll),
        Label(kTransmitToneLabel, t.tone, 243, 81, 19, 10, kHidden),
        Plain(kTransmitTone, ControlKind::ComboDropDown, 285, 77, 44, 70, kShy | kVScroll),
        Label(kReceiveMethodLabel, t.toneMethod, 135, 98, 23, 20, kHidden),
        Radio(kReceiveQt, "QT", 184, 94, 32, 13, kFirstOfPair),
        Radio(kReceiveDqt, "DQT", 184, 109, 34, 10, kShy),
        Label(kTransmitMethodLabel, t.toneMethod, 244, 99, 23, 20, kHidden),
        Radio(kTransmitQt, "QT", 297, 95, 32, 13, kFirstOfPair),
        Radio(kTransmitDqt, "DQT", 297, 109, 34, 11, kShy),
        Label(kReceiveStepLabel, t.stepValue, 133, 123, 30, 26, kHidden),
        Radio(kReceiveStep500, "5.00KHZ", 166, 123, 44, 11, kFirstOfPair),
        Radio(kReceiveStep625, "6.25KHZ", 166, 134, 48, 15, kShy),
        Label(kTransmitStepLabel, t.stepValue, 241, 123, 30, 26, kHidden),
        Radio(kTransmitStep500, "5.00KHZ", 278, 121, 48, 15, kFirstOfPair),
        Radio(kTransmitStep625, "6.25KHZ", 278, 136, 48, 15, kShy),

        Group(kFrequencyChoiceGroup, t.chooseDebugFrequency, 128, 35, 221, 39, kHidden),
        Radio(kHigh, t.high, 136, 51, 57, 12, kFirstOfPair),
        Radio(kMiddle, t.middle, 200, 51, 54, 12, kShy),
        Radio(kLow, t.low, 270, 51, 52, 12, kShy),
        Group(kValueGroup, t.parameterValue, 128, 83, 214, 70, kHidden),
        Label(kMinLabel, t.min, 137, 105, 28, 13, kHidden),
        Plain(kValueSlider, ControlKind::Slider, 158, 103, 133, 14, kShy),
        Label(kMaxLabel, t.max, 301, 105, 24, 13, kHidden),
        Label(kCurrentValue, t.currentValue, 139, 126, 94, 13, kHidden),
        Button(kStart, t.start, 157, 180, 45, 16, kShy),

        DefaultButton(kHiddenDefault, t.hiddenDefault, 218, 184, 25, 11, kHidden | kDisabled),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const Texts& t, const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kTestModeDialog, t.caption, 391, 216, "Times New Roman", 10,
                         controls);
}

} // namespace tevano::res::testmode
