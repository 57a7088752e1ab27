// The test mode dialog without its widgets: three test frequencies (high, middle, low) with
// their fields, tones and steps, four calibration items with their values, and what every
// click, list close, slider move, Enter and Default does. The Qt dialog shows what it reports.
// Nothing here touches the radio image; everything is forgotten when the dialog closes.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "image/ToneTable.h"
#include "testmode/CalibrationFrames.h"
#include "testmode/TestModeTexts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tevano {

enum class TestFrequency { High, Middle, Low };
enum class ToneMethod { Qt, Dqt };
enum class FrequencyStep { Khz5_00, Khz6_25 };
enum class TestSide { Receive, Transmit };

// Which controls are shown: only the tree and the caption, the frequency controls, or the
// item controls (frequency buttons, slider, current position, Start).
enum class TestModeView { Start, Frequency, Item };

// A tone list's entries as a range of the tone table: QT is "OFF" and "67.0" to "206.5"
// (43 entries), DQT "210.7" to "254.1", the 105 normal DCS codes and the first 55 inverted
// ones (168 entries).
struct ToneRange {
    int first;
    int count;
};

constexpr ToneRange ToneListRange(ToneMethod method) {
    return method == ToneMethod::Qt ? ToneRange{0, 43} : ToneRange{43, 168};
}

constexpr int kSliderMax = 255;

// The value each item returns to with Default.
constexpr int CalibrationDefault(CalibrationItem item) {
    constexpr std::array<int, kCalibrationItemCount> kDefaults = {91, 38, 160, 47};
    return kDefaults[static_cast<std::size_t>(item)];
}

// What Start sends: the field texts and tone entries as they stand, the current item's value.
struct CalibrationRequest {
    std::string rxFrequency;
    std::string txFrequency;
    std::string rxTone;
    std::string txTone;
    CalibrationItem item = CalibrationItem::TxFrequency;
    std::uint8_t value = 0;
};

// What Start found: the inputs to send, or the frequency field that stops it.
struct StartInputs {
    std::optional<TestSide> emptyField; // empty or no number in it: nothing is sent
    CalibrationRequest request;
};

class TestModeModel {
public:
    // The base frequency is the leading number of the band list's text ("400 - 480MHz" gives
    // 400): the lower limit of both frequency fields; the upper limit is 20 MHz above.
    static double BaseFromBandText(std::string_view bandText);

    TestModeModel(double baseMHz, const ToneTable& tones);

    double Base() const { return base_; }

    // What the widgets show.
    TestModeView View() const { return view_; }
    bool DefaultButtonShown() const { return defaultShown_; }
    std::string GroupCaption(Language language) const { return CaptionText(caption_, language); }
    const std::string& FieldText(TestSide side) const { return Stored(side).fieldText; }
    ToneMethod Method(TestSide side) const { return Stored(side).method; }
    FrequencyStep Step(TestSide side) const { return Stored(side).step; }
    // The tone list always holds the list of the checked method.
    ToneRange ListRange(TestSide side) const { return ToneListRange(Method(side)); }
    // Position of the entry shown in the tone list, -1 when none is.
    int ListSelection(TestSide side) const { return Side(side).listSelection; }
    std::string SelectedTone(TestSide side) const;
    // The item view's High, Middle and Low buttons show the test frequency Start sends.
    TestFrequency DebugFrequencyButton() const { return currentFrequency_; }
    int SliderPosition() const { return slider_; }
    // "Current Position:" followed by the slider's position.
    std::string PositionText(Language language) const;

    TestFrequency CurrentFrequency() const { return currentFrequency_; }
    CalibrationItem CurrentItem() const { return currentItem_; }
    int ItemValue(CalibrationItem item) const { return itemValues_[Index(item)]; }
    double StoredFrequency(TestFrequency frequency, TestSide side) const;
    int StoredToneIndex(TestFrequency frequency, TestSide side) const;

    // What the user does.

    // A new selection in the tree. Returns true for "Exit Debug": the dialog closes.
    bool SelectTreeItem(TestModeTreeItem item);
    void ClickToneMethod(TestSide side, ToneMethod method);
    void ClickStep(TestSide side, FrequencyStep step);
    // Makes the test frequency the one Start sends, as choosing it in the tree does.
    void ClickDebugFrequency(TestFrequency frequency);
    // What is typed stays with the current test frequency while the dialog is open.
    void EditField(TestSide side, std::string text) { Stored(side).fieldText = std::move(text); }
    // An entry picked in a tone list; only a closing drop-down stores it.
    void PickTone(TestSide side, int position);
    void CloseToneList(TestSide side);
    void MoveSlider(int position);
    // Enter in a frequency field: the field's text held to the limits or rounded to the step.
    void RoundField(TestSide side);
    // The Default button; with neither view shown yet it has only a message to give.
    std::optional<MessageId> Default();
    // Start, for the current test frequency: a frequency field that is empty or does not begin
    // with a number stops it (the receive field is named first). Otherwise both fields first
    // get what Enter gives them, held to the band and rounded to their step, and show it; then
    // the inputs of the calibration exchange are taken as they stand.
    StartInputs PrepareStart();

    // The field text rounded as Enter rounds it, for a base and a step. The field is read as
    // the grid reads a frequency ("," is a decimal mark too), else by its leading number.
    static std::string RoundedFrequencyText(std::string_view text, double baseMHz,
                                            FrequencyStep step);

private:
    // A test frequency's side: its frequency, and what its field shows (the frequency, or what
    // was typed or rounded since).
    struct StoredSide {
        double frequency = 0;
        std::string fieldText;
        FrequencyStep step = FrequencyStep::Khz5_00;
        ToneMethod method = ToneMethod::Qt;
        int toneIndex = 0;
    };
    struct ShownSide {
        int listSelection = 0;
    };

    static std::size_t Index(CalibrationItem item) { return static_cast<std::size_t>(item); }
    static std::size_t Index(TestFrequency frequency) {
        return static_cast<std::size_t>(frequency);
    }
    static std::size_t Index(TestSide side) { return static_cast<std::size_t>(side); }

    ShownSide& Side(TestSide side) { return shown_[Index(side)]; }
    const ShownSide& Side(TestSide side) const { return shown_[Index(side)]; }
    StoredSide& Stored(TestSide side) { return stored_[Index(currentFrequency_)][Index(side)]; }
    const StoredSide& Stored(TestSide side) const {
        return stored_[Index(currentFrequency_)][Index(side)];
    }
    double DefaultFrequency(TestFrequency frequency) const;
    void RefillList(TestSide side, int selection);
    // Makes the test frequency the current one, with its caption, fields and lists.
    void ShowTestFrequency(TestFrequency frequency);
    void ShowItem(CalibrationItem item);

    double base_;
    const ToneTable& tones_;
    TestModeView view_ = TestModeView::Start;
    bool defaultShown_ = false;
    TestModeCaption caption_ = TestModeCaption::ChooseFrequencyFirst;
    std::array<std::array<StoredSide, 2>, 3> stored_{};
    std::array<ShownSide, 2> shown_{};
    TestFrequency currentFrequency_ = TestFrequency::High;
    std::array<int, kCalibrationItemCount> itemValues_{};
    CalibrationItem currentItem_ = CalibrationItem::TxFrequency;
    int slider_ = 0;
};

} // namespace tevano
