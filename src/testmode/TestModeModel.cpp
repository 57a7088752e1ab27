#include "testmode/TestModeModel.h"

#include "base/NumberText.h"

namespace tevano {

namespace {

constexpr TestSide kSides[] = {TestSide::Receive, TestSide::Transmit};

std::optional<CalibrationItem> ItemOf(TestModeTreeItem item) {
    switch (item) {
    case TestModeTreeItem::TxFrequency:
        return CalibrationItem::TxFrequency;
    case TestModeTreeItem::LowPowerVoltage:
        return CalibrationItem::LowPowerVoltage;
    case TestModeTreeItem::SquelchLevel:
        return CalibrationItem::SquelchLevel;
    case TestModeTreeItem::TxPower:
        return CalibrationItem::TxPower;
    default:
        return std::nullopt;
    }
}

std::string FrequencyText(double mhz) {
    return FixedText(mhz, 5, 8);
}

// A field's text as a number is read from it: as the grid reads a typed frequency ("150,0037"
// is 150.0037), or, when it is no plain number, the text itself for its leading number.
std::string FieldNumberText(std::string_view text) {
    return PlainDecimalText(text).value_or(std::string(text));
}

} // namespace

double TestModeModel::BaseFromBandText(std::string_view bandText) {
    return LeadingDouble(bandText);
}

TestModeModel::TestModeModel(double baseMHz, const ToneTable& tones)
    : base_(baseMHz), tones_(tones) {
    for (TestFrequency frequency :
         {TestFrequency::High, TestFrequency::Middle, TestFrequency::Low}) {
        for (TestSide side : kSides) {
            StoredSide& stored = stored_[Index(frequency)][Index(side)];
            stored.frequency = DefaultFrequency(frequency);
            stored.fieldText = FrequencyText(stored.frequency);
        }
    }
}

double TestModeModel::DefaultFrequency(TestFrequency frequency) const {
    switch (frequency) {
    case TestFrequency::High:
        return base_ + 20;
    case TestFrequency::Middle:
        return base_ + 10;
    case TestFrequency::Low:
        return base_;
    }
    return base_;
}

double TestModeModel::StoredFrequency(TestFrequency frequency, TestSide side) const {
    return stored_[Index(frequency)][Index(side)].frequency;
}

int TestModeModel::StoredToneIndex(TestFrequency frequency, TestSide side) const {
    return stored_[Index(frequency)][Index(side)].toneIndex;
}

std::string TestModeModel::SelectedTone(TestSide side) const {
    const int selection = Side(side).listSelection;
    if (selection < 0) {
        return std::string();
    }
    return tones_.Name(ListRange(side).first + selection);
}

std::string TestModeModel::PositionText(Language language) const {
    return CurrentPositionLabel(language) + std::to_string(slider_);
}

// A position outside the list leaves it without a shown entry, as a Windows list does; that
// happens when a stored index of the longer DQT list meets the QT list.
void TestModeModel::RefillList(TestSide side, int selection) {
    const int count = ListRange(side).count;
    Side(side).listSelection = (selection >= 0 && selection < count) ? selection : -1;
}

void TestModeModel::ClickDebugFrequency(TestFrequency frequency) {
    ShowTestFrequency(frequency);
}

void TestModeModel::ShowTestFrequency(TestFrequency frequency) {
    currentFrequency_ = frequency;
    for (TestSide side : kSides) {
        RefillList(side, Stored(side).toneIndex);
    }
    switch (frequency) {
    case TestFrequency::High:
        caption_ = TestModeCaption::HighFrequency;
        break;
    case TestFrequency::Middle:
        caption_ = TestModeCaption::MiddleFrequency;
        break;
    case TestFrequency::Low:
        caption_ = TestModeCaption::LowFrequency;
        break;
    }
}

void TestModeModel::ShowItem(CalibrationItem item) {
    currentItem_ = item;
    slider_ = itemValues_[Index(item)];
}

bool TestModeModel::SelectTreeItem(TestModeTreeItem item) {
    if (!IsTopLevel(item)) {
        defaultShown_ = true;
        view_ = TreeParent(item) == TestModeTreeItem::DebugFrequency ? TestModeView::Frequency
                                                                     : TestModeView::Item;
    }
    switch (item) {
    case TestModeTreeItem::HighFrequency:
        ShowTestFrequency(TestFrequency::High);
        return false;
    case TestModeTreeItem::MiddleFrequency:
        ShowTestFrequency(TestFrequency::Middle);
        return false;
    case TestModeTreeItem::LowFrequency:
        ShowTestFrequency(TestFrequency::Low);
        return false;
    case TestModeTreeItem::ExitDebug:
        return true;
    default:
        break;
    }
    if (const std::optional<CalibrationItem> calibration = ItemOf(item)) {
        ShowItem(*calibration);
    }
    return false;
}

void TestModeModel::ClickToneMethod(TestSide side, ToneMethod method) {
    // Only a change of method refills the list; the stored tone index stays as it was.
    if (Stored(side).method == method) {
        return;
    }
    Stored(side).method = method;
    RefillList(side, 0);
}

void TestModeModel::ClickStep(TestSide side, FrequencyStep step) {
    Stored(side).step = step;
}

void TestModeModel::PickTone(TestSide side, int position) {
    RefillList(side, position);
}

void TestModeModel::CloseToneList(TestSide side) {
    Stored(side).toneIndex = Side(side).listSelection;
}

void TestModeModel::MoveSlider(int position) {
    slider_ = position < 0 ? 0 : (position > kSliderMax ? kSliderMax : position);
    itemValues_[Index(currentItem_)] = slider_;
}

std::string TestModeModel::RoundedFrequencyText(std::string_view text, double baseMHz,
                                                FrequencyStep step) {
    std::int64_t n = CalibrationFrequency10Hz(FieldNumberText(text));
    const auto minimum = static_cast<std::int64_t>(baseMHz * 100000);
    const auto maximum = static_cast<std::int64_t>((baseMHz + 20) * 100000);
    if (n > maximum) {
        n = maximum;
    } else if (n < minimum) {
        n = minimum;
    } else if (step == FrequencyStep::Khz5_00) {
        // A remainder of exactly half a step rounds down.
        const std::int64_t r = n % 500;
        n = r <= 250 ? n - r : n + 500 - r;
    } else {
        // Half of 6.25 kHz is 312.5 counts, so 313 and up round up.
        const std::int64_t r = n % 625;
        n = r >= 313 ? n + 625 - r : n - r;
    }
    return FrequencyText(static_cast<double>(n) * 0.00001);
}

void TestModeModel::RoundField(TestSide side) {
    // Only the field changes; the test frequency's stored value stays as it was.
    Stored(side).fieldText = RoundedFrequencyText(FieldText(side), base_, Stored(side).step);
}

std::optional<MessageId> TestModeModel::Default() {
    if (view_ == TestModeView::Item) {
        MoveSlider(CalibrationDefault(currentItem_));
        return std::nullopt;
    }
    if (view_ == TestModeView::Frequency) {
        for (TestSide side : kSides) {
            StoredSide& stored = Stored(side);
            stored.frequency = DefaultFrequency(currentFrequency_);
            stored.step = FrequencyStep::Khz5_00;
            stored.method = ToneMethod::Qt;
            stored.toneIndex = 0;
            stored.fieldText = FrequencyText(stored.frequency);
            RefillList(side, 0);
        }
        return std::nullopt;
    }
    return MessageId::NoVisibleInformation;
}

StartInputs TestModeModel::PrepareStart() {
    StartInputs start;
    for (TestSide side : kSides) {
        if (!LeadingNumber(FieldNumberText(FieldText(side)))) {
            // Sent, it would calibrate the radio at 0 MHz.
            start.emptyField = side;
            return start;
        }
    }
    // What the fields show is what goes out: a frequency outside the band or off the step
    // would calibrate at a frequency nobody chose.
    for (TestSide side : kSides) {
        RoundField(side);
    }
    CalibrationRequest& request = start.request;
    request.rxFrequency = FieldText(TestSide::Receive);
    request.txFrequency = FieldText(TestSide::Transmit);
    request.rxTone = SelectedTone(TestSide::Receive);
    request.txTone = SelectedTone(TestSide::Transmit);
    request.item = currentItem_;
    request.value = static_cast<std::uint8_t>(itemValues_[Index(currentItem_)]);
    return start;
}

} // namespace tevano
