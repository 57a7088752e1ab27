#include "report/ImageComparison.h"

#include "grid/Channel.h"
#include "grid/ChannelDecode.h"
#include "grid/ChannelWords.h"
#include "grid/LanguageTables.h"
#include "options/OptionalFeaturesForm.h"
#include "options/SideKeyForm.h"
#include "report/ComparisonTexts.h"
#include "report/ReportValues.h"
#include "report/SettingsWords.h"

#include <cstdio>
#include <functional>

namespace tevano {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Hex(std::size_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*zX", digits, value);
    return text;
}

// Both images' shown values of one field, by a function of the image.
using Shown = std::function<std::string(const RadioImage&)>;

class Comparer {
public:
    Comparer(const RadioImage& ours, const RadioImage& theirs, Language language)
        : ours_(ours), theirs_(theirs), language_(language) {}

    // Adds a difference when the field shows differently; true when it did.
    bool Field(const std::string& where, const Shown& shown) {
        std::string a = shown(ours_);
        std::string b = shown(theirs_);
        if (a == b) {
            return false;
        }
        result_.fields.push_back({where, std::move(a), std::move(b)});
        return true;
    }

    void Channels();
    void FormLists();
    void OptionalFeatures();
    void SideKeys();
    // What still differs once every field that differs shows the other image's value.
    void UnshownBytes();

    ImageComparison Result() { return std::move(result_); }

private:
    const RadioImage& ours_;
    const RadioImage& theirs_;
    Language language_;
    RadioImage carried_ = ours_; // this image with the other's value in every differing field
    // The other image put through the same writing of its fields, which may store a value its
    // bytes held in an odd form (a frequency digit above 9) otherwise: the line of the field
    // names that difference already.
    RadioImage theirsRewritten_ = theirs_;
    ImageComparison result_;
};

void Comparer::Channels() {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts a = DecodeChannel(ours_, channel, language_);
        const ChannelRowTexts b = DecodeChannel(theirs_, channel, language_);
        if (a == b) {
            continue;
        }
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            const auto index = static_cast<std::size_t>(col);
            if (a[index] != b[index]) {
                result_.fields.push_back(
                    {ComparisonText(ComparisonTextId::ChannelField, language_,
                                    {{"<channel>", std::to_string(channel)},
                                     {"<field>", Trimmed(FirstSetupHeader(col, language_))}}),
                     a[index], b[index]});
            }
        }
        // The channel's bits without a value stay as this image holds them.
        const Channel other = ReadChannel(theirs_, channel);
        WriteChannel(other, channel, carried_);
        WriteChannel(other, channel, theirsRewritten_);
    }
}

std::string FormLabel(int controlId, Language language) {
    for (const tevano::FormLabel& label : FormLabelsAfterSwitch()) {
        if (label.controlId == controlId) {
            return label.text.In(language);
        }
    }
    return std::string();
}

std::string EntryOf(const std::vector<std::string>& entries, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < entries.size()
               ? entries[static_cast<std::size_t>(position)]
               : std::string();
}

void Comparer::FormLists() {
    const auto where = [this](int controlId) {
        return ComparisonText(ComparisonTextId::FormList, language_,
                              {{"<label>", Trimmed(FormLabel(controlId, language_))}});
    };
    // Read back as the form picks its lists.
    const auto type = [](const RadioImage& image) {
        const int position = image[kTypeByte] - kTypeBase;
        return EntryOf(TypeListEntries(), position > 2 ? 0 : position);
    };
    const auto field = [](const RadioImage& image) {
        const int position = image[kFieldByte] - kFieldBase;
        return EntryOf(FieldListEntries(), position >= 0 && position <= 9 ? position : 0);
    };
    const auto manual = [this](const RadioImage& image) {
        return EntryOf(ManualListEntries(language_), (image[kManualByte] & kManualOpenBit) ? 0 : 1);
    };
    if (Field(where(kLabelType), type)) {
        carried_[kTypeByte] = theirs_[kTypeByte];
    }
    if (Field(where(kLabelField), field)) {
        carried_[kFieldByte] = theirs_[kFieldByte];
    }
    if (Field(where(kLabelManualSetting), manual)) {
        carried_[kManualByte] = static_cast<std::uint8_t>(
            (carried_[kManualByte] & ~kManualOpenBit) | (theirs_[kManualByte] & kManualOpenBit));
    }
}

void Comparer::OptionalFeatures() {
    const res::features::Texts& words = FeatureWords(language_);
    const Language language = language_;
    const auto where = [&](const char* label) {
        return ComparisonText(ComparisonTextId::OptionalFeature, language,
                              {{"<caption>", Trimmed(words.caption)}, {"<field>", Trimmed(label)}});
    };
    const auto state = [](const RadioImage& image) { return OpenOptionalFeatures(image); };
    const auto entry = [&](const char* label, const auto& entries,
                           int OptionalFeaturesState::*pick) {
        return Field(where(label), [&, pick](const RadioImage& image) {
            return EntryAt(entries, state(image).*pick);
        });
    };
    const auto check = [&](const char* label, bool OptionalFeaturesState::*flag) {
        return Field(where(label), [&, flag](const RadioImage& image) {
            return OnOffText(state(image).*flag, OnOffWords::Open, language);
        });
    };
    const auto text = [&](const char* label, std::string OptionalFeaturesState::*field) {
        return Field(where(label),
                     [&, field](const RadioImage& image) { return state(image).*field; });
    };
    using S = OptionalFeaturesState;
    bool differs = text(words.timeOutTimer, &S::timeText);
    differs |= entry(words.squelchLevel, res::features::kSquelchEntries, &S::squelchLevel);
    differs |= entry(words.languageChoose, words.languages, &S::language);
    differs |= entry(words.voxSwitch, words.onOff, &S::voxSwitch);
    differs |= entry(words.voxGainLevel, words.voxGains, &S::voxGain);
    differs |= Field(where(words.priorityChannel), [&](const RadioImage& image) {
        return EntryOf(PriorityChannelEntries(), state(image).priorityChannel);
    });
    differs |= entry(words.roger, words.rogers, &S::roger);
    differs |= entry(words.optSignal, words.optSignals, &S::optSignal);
    differs |= check(words.beep, &S::beep);
    differs |= check(words.batterySave, &S::batterySave);
    differs |= check(words.scramblerActivation, &S::scrambler);
    differs |= check(words.beginOfTx, &S::beginOfTx);
    differs |= check(words.endOfTx, &S::endOfTx);
    differs |= text(words.groupId, &S::groupId);
    differs |= text(words.id, &S::id);
    differs |= text(words.callId, &S::callId);
    differs |= text(words.checkId, &S::checkId);
    differs |= text(words.killId, &S::killId);
    differs |= text(words.listenId, &S::listenId);
    if (differs) {
        // Their bit of 0x812 is the form's list's: it keeps this image's value here.
        const bool manualOpen = (carried_[kManualByte] & kManualOpenBit) != 0;
        const bool theirManualOpen = (theirsRewritten_[kManualByte] & kManualOpenBit) != 0;
        AcceptOptionalFeatures(OpenOptionalFeatures(theirs_), carried_);
        AcceptOptionalFeatures(OpenOptionalFeatures(theirs_), theirsRewritten_);
        const auto keep = [](RadioImage& image, bool open) {
            image[kManualByte] = static_cast<std::uint8_t>((image[kManualByte] & ~kManualOpenBit) |
                                                           (open ? kManualOpenBit : 0));
        };
        keep(carried_, manualOpen);
        keep(theirsRewritten_, theirManualOpen);
    }
}

void Comparer::SideKeys() {
    const res::sidekey::Texts& words = SideKeyWords(language_);
    const auto key = [&](const char* label, const char* press, int SideKeyState::*pick) {
        return Field(ComparisonText(ComparisonTextId::SideKeyPress, language_,
                                    {{"<key>", Trimmed(label)}, {"<press>", Trimmed(press)}}),
                     [&, pick](const RadioImage& image) {
                         return EntryAt(words.functions, OpenSideKeys(image).*pick);
                     });
    };
    bool differs = key(words.sideKey1, words.shortPress, &SideKeyState::key1Short);
    differs |= key(words.sideKey1, words.longPress, &SideKeyState::key1Long);
    differs |= key(words.sideKey2, words.shortPress, &SideKeyState::key2Short);
    differs |= key(words.sideKey2, words.longPress, &SideKeyState::key2Long);
    if (differs) {
        AcceptSideKeys(OpenSideKeys(theirs_), carried_);
        AcceptSideKeys(OpenSideKeys(theirs_), theirsRewritten_);
    }
}

void Comparer::UnshownBytes() {
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (ours_[offset] != theirs_[offset] && carried_[offset] != theirsRewritten_[offset]) {
            result_.unshownOffsets.push_back(offset);
        }
    }
}

// A tab or line break inside a value would break the tab-separated lines.
std::string TsvField(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

} // namespace

ImageComparison CompareImages(const RadioImage& ours, const RadioImage& theirs, Language language) {
    Comparer comparer(ours, theirs, language);
    if (ours != theirs) {
        comparer.FormLists();
        comparer.Channels();
        comparer.OptionalFeatures();
        comparer.SideKeys();
        comparer.UnshownBytes();
    }
    return comparer.Result();
}

std::string UnshownBytesLine(const std::vector<std::size_t>& offsets, Language language) {
    std::string runs;
    for (std::size_t i = 0; i < offsets.size();) {
        std::size_t end = i;
        while (end + 1 < offsets.size() && offsets[end + 1] == offsets[end] + 1) {
            ++end;
        }
        runs += (runs.empty() ? "" : ", ") + Hex(offsets[i], 3);
        if (end > i) {
            runs += "-" + Hex(offsets[end], 3);
        }
        i = end + 1;
    }
    return ComparisonText(ComparisonTextId::UnshownBytes, language, {{"<offsets>", runs}});
}

std::vector<std::string> ComparisonLines(const ImageComparison& comparison, Language language) {
    const std::string empty = ComparisonText(ComparisonTextId::EmptyValue, language);
    const auto shown = [&empty](const std::string& value) { return value.empty() ? empty : value; };
    std::vector<std::string> lines;
    for (const FieldDifference& field : comparison.fields) {
        lines.push_back(ComparisonText(ComparisonTextId::DifferenceLine, language,
                                       {{"<where>", field.where},
                                        {"<ours>", shown(field.ours)},
                                        {"<theirs>", shown(field.theirs)}}));
    }
    if (!comparison.unshownOffsets.empty()) {
        lines.push_back(UnshownBytesLine(comparison.unshownOffsets, language));
    }
    return lines;
}

std::string PlacesOf(const ImageComparison& comparison, Language language) {
    return PlacesText(ComparisonLines(comparison, language).size(), language);
}

std::string ComparisonSummary(const ImageComparison& comparison, const std::string& other,
                              Language language) {
    if (comparison.Same()) {
        return ComparisonText(ComparisonTextId::ImagesSame, language, {{"<other>", other}});
    }
    return ComparisonText(ComparisonTextId::ImagesDiffer, language,
                          {{"<other>", other}, {"<places>", PlacesOf(comparison, language)}});
}

std::string ComparisonTsv(const ImageComparison& comparison, const RadioImage& ours,
                          const RadioImage& theirs, Language language) {
    std::string tsv = ComparisonText(ComparisonTextId::TsvHeader, language) + "\n";
    for (const FieldDifference& field : comparison.fields) {
        tsv += TsvField(field.where) + "\t" + TsvField(field.ours) + "\t" + TsvField(field.theirs) +
               "\n";
    }
    for (const std::size_t offset : comparison.unshownOffsets) {
        tsv += ComparisonText(ComparisonTextId::ByteAt, language, {{"<offset>", Hex(offset, 3)}}) +
               "\t" + Hex(ours[offset], 2) + "\t" + Hex(theirs[offset], 2) + "\n";
    }
    return tsv;
}

} // namespace tevano
