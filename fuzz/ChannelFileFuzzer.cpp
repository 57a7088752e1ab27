// A file of any length opened as the document, shown in the channel grid, saved and opened
// again. The file loads exactly when it holds a whole image; every cell shows a text of its
// column's kind; saving keeps the bytes the grid has no column for; and what is saved opens to
// the texts the grid showed.
//
// Input: the file's bytes. Bit 0 of byte 3168, which the loader ignores, picks Chinese.

#include "CellTexts.h"
#include "FuzzCheck.h"
#include "ScratchDirectory.h"

#include "grid/ChannelDecode.h"
#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/FrequencyText.h"
#include "grid/HeadlessChannelForm.h"
#include "image/Bcd.h"
#include "image/ChannelFile.h"
#include "image/ChannelRecord.h"
#include "image/ScanBitmap.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace tevano;
using namespace tevano::fuzz;

using GridTexts = std::vector<std::string>; // rows 1 to 128, columns 1 to 12

GridTexts TextsOf(const RadioImage& image, Language language) {
    GridTexts texts;
    texts.reserve(kChannelCount * kColName);
    for (int row = 1; row <= kChannelCount; ++row) {
        const ChannelRowTexts cells = DecodeChannel(image, row, language);
        texts.insert(texts.end(), cells.begin() + kColRxFrequency, cells.end());
    }
    return texts;
}

const std::string& Cell(const GridTexts& texts, int channel, int col) {
    return texts[static_cast<std::size_t>((channel - 1) * kColName + col - 1)];
}

// Every cell shows what its column can show, and a frequency reads back as the count it shows.
void CheckCellTexts(const RadioImage& image, const GridTexts& texts, Language language) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::uint8_t* record = &image[ChannelOffset(channel)];
        const bool used = ChannelRecord::IsUsed(image, channel);
        for (int col : {kColRxFrequency, kColTxFrequency}) {
            const std::string& text = Cell(texts, channel, col);
            const std::uint8_t* bytes = record + (col == kColRxFrequency ? 0 : 4);
            if (!ChannelRecord::FrequencyPresent(bytes)) {
                FUZZ_CHECK(text.empty(), "an absent frequency shows an empty cell");
                continue;
            }
            FUZZ_CHECK(IsFrequencyText(text), "a frequency shows as MHz with five decimals");
            FUZZ_CHECK(FrequencyTextTo10Hz(text) == ReadBcd32(bytes),
                       "a frequency text reads back as the count it shows");
        }
        for (int col : {kColRxTone, kColTxTone}) {
            const std::string& text = Cell(texts, channel, col);
            FUZZ_CHECK(text.empty() ? !used : IsToneText(text), "a tone shows as a tone");
        }
        for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
            const std::string& text = Cell(texts, channel, col);
            if (!used || (col == kColOptSignal && text.empty())) {
                FUZZ_CHECK(text.empty() || used, "an empty channel shows no settings");
                continue;
            }
            FUZZ_CHECK(IsListWord(text, col, language), "a setting shows one of its list's words");
        }
        FUZZ_CHECK(IsNameText(Cell(texts, channel, kColName)), "a name shows name characters");
    }
}

// Saving rewrites the channels from the grid but keeps every bit the grid has no column for.
void CheckKeptBytes(const RadioImage& loaded, const RadioImage& saved) {
    using R = ChannelRecord;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::size_t at = ChannelOffset(channel);
        FUZZ_CHECK(saved[at + 15] == loaded[at + 15], "byte 15 of a record is kept");
        FUZZ_CHECK((saved[at + R::kFlags] & 0xC0) == (loaded[at + R::kFlags] & 0xC0),
                   "bits 6-7 of the flags are kept");
        FUZZ_CHECK((saved[at + R::kPttId] & 0xFE) == (loaded[at + R::kPttId] & 0xFE),
                   "bits 1-7 of the PTT ID byte are kept");
        FUZZ_CHECK(ScanBitmap::Get(saved, channel) == ((saved[at + R::kFlags] & R::kScanAdd) != 0),
                   "the scan bitmap agrees with the scan flag");
    }
    for (std::size_t i = kSettingsAreaOffset; i < kNameAreaOffset; ++i) {
        if (i == kFieldByte || i == kTypeByte || i == kFormMarkByte) {
            continue;
        }
        const std::uint8_t mask = i == kManualByte ? 0x7F : 0xFF;
        FUZZ_CHECK((saved[i] & mask) == (loaded[i] & mask), "the radio-wide settings are kept");
    }
    FUZZ_CHECK(saved[kFormMarkByte] == kFormMark, "every save writes the form's mark");
}

// A save writes what the grid shows; an Opt Signal the grid could not name is stored as MSK.
void CheckSameTexts(const RadioImage& image, const GridTexts& shown, const GridTexts& reopened,
                    Language language) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        for (int col = kColRxFrequency; col <= kColName; ++col) {
            const std::string& before = Cell(shown, channel, col);
            const std::string& after = Cell(reopened, channel, col);
            if (col == kColOptSignal && before.empty() && ChannelRecord::IsUsed(image, channel)) {
                FUZZ_CHECK(after == words::kMsk.In(language),
                           "an unnamed Opt Signal comes back MSK");
                continue;
            }
            if (after != before) {
                std::fprintf(stderr, "channel %d column %d: \"%s\" came back as \"%s\"\n", channel,
                             col, before.c_str(), after.c_str());
            }
            FUZZ_CHECK(after == before, "a saved file opens to the texts the grid showed");
        }
    }
}

bool HoldsOneImage(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && info.st_size == static_cast<off_t>(kImageSize);
}

RadioImage NewDocumentImage() {
    RadioImage image{};
    MakeNewImage(image);
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScratchDirectory& scratch = ScratchDirectory::Get();
    const std::string opened = scratch.Path("opened.sin");
    const std::string saved = scratch.Path("saved.sin");
    scratch.WriteFile("opened.sin", data, size);
    // The loader ignores what follows the image, so a byte there may pick the display language.
    const Language language =
        size <= kImageSize || (data[kImageSize] & 1) == 0 ? Language::English : Language::Chinese;

    RadioImage image = NewDocumentImage();
    HeadlessChannelForm form(language);
    if (size < kImageSize) {
        // The program as it starts: a new document shown in the grid.
        ShowImage(image, form.Form());
        const GridTexts startTexts = TextsOf(image, language);
        const FileResult open = OpenChannelFile(opened, image, form.Form());
        FUZZ_CHECK(open.error == FileError::TooShort, "a short file is refused as too short");
        FUZZ_CHECK(image == NewDocumentImage(), "a refused file leaves the image as it was");
        FUZZ_CHECK(TextsOf(image, language) == startTexts,
                   "a refused file leaves the table as it was");
        return 0;
    }
    FUZZ_CHECK(OpenChannelFile(opened, image, form.Form()).Ok(),
               "a file of a whole image opens");
    FUZZ_CHECK(std::memcmp(image.data(), data, kImageSize) == 0, "the image is the file's start");
    const RadioImage loaded = image;
    const GridTexts shown = TextsOf(image, language);
    CheckCellTexts(loaded, shown, language);

    FUZZ_CHECK(SaveChannelFile(saved, form.Form(), image).Ok(), "the document saves");
    FUZZ_CHECK(HoldsOneImage(saved), "a saved file holds the image and nothing else");
    CheckKeptBytes(loaded, image);

    // Opened again: the file's bytes and the texts they decode to.
    RadioImage reopened = NewDocumentImage();
    FUZZ_CHECK(LoadChannelFile(saved, reopened).Ok(), "a saved file opens");
    FUZZ_CHECK(reopened == image, "a saved file holds the encoded image");
    GridTexts reopenedTexts;
    reopenedTexts.reserve(shown.size());
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts cells = DecodeChannel(reopened, channel, language);
        reopenedTexts.insert(reopenedTexts.end(), cells.begin() + kColRxFrequency,
                             cells.begin() + kColName + 1);
    }
    CheckSameTexts(loaded, shown, reopenedTexts, language);

    return 0;
}
