// Committing an overlay into its cell: the list words, the typed tones, the name, and the
// frequency checks with the defaults of a new channel and the clearing of an emptied one.

#include "grid/ChannelEditor.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyEntry.h"
#include "image/ToneTable.h"

namespace tevano {

namespace {

std::optional<MessageId> RefusalOf(FrequencyVerdict verdict, MessageId offStepMessage) {
    switch (verdict) {
    case FrequencyVerdict::NotANumber:
        return MessageId::InputNumber;
    case FrequencyVerdict::OutOfRange:
        return MessageId::FrequencyOutOfRange;
    case FrequencyVerdict::OffStep:
        return offStepMessage;
    case FrequencyVerdict::Empty:
    case FrequencyVerdict::Accepted:
        break;
    }
    return std::nullopt;
}

} // namespace

void ChannelEditor::Commit() {
    const int row = grid_.Row();
    const int col = grid_.Col();
    if (row == 0) {
        return;
    }
    CellOverlay& overlay = OverlayOf(col);
    if (!overlay.IsVisible()) {
        return;
    }
    if (col == kColRxTone || col == kColTxTone) {
        CommitTone(row, col);
    } else if (OverlayList* list = ListOf(col)) {
        CommitList(row, col, *list);
    } else if (col == kColName) {
        SetCell(row, col, overlays_.name.Text());
    } else if (col == kColRxFrequency || col == kColTxFrequency) {
        CommitFrequency(row, col, TypedFrequency(row, col), MessageId::FrequencyOffStep,
                        ClearRule::NoFrequencyAndNoTone);
    }
    overlay.Hide();
}

// An empty channel takes no tone or option. A list with nothing picked keeps the cell as it is.
void ChannelEditor::CommitList(int row, int col, OverlayList& list) {
    if (ChannelIsEmpty(row)) {
        SetCell(row, col, std::string());
    } else if (list.Choices().CurSel() >= 0) {
        SetCell(row, col, list.Choices().CurrentText());
    }
}

// A tone counts when the list's edit field names an entry as people type tones ("d23n", "100",
// "88,5"); the cell gets the entry as the list spells it, since the encoder reads "D023N" but not
// "d023n". An emptied field means no tone, and the cell's own text left as it was (a tone the
// list does not offer) stays.
std::optional<std::string> ChannelEditor::TypedTone(int row, int col) const {
    const std::string typed = overlays_.tones.EditText();
    const int index = overlays_.tones.Choices().FindExact(ToneSpelling(typed));
    if (index >= 0) {
        return overlays_.tones.Choices().ItemText(index);
    }
    if (typed == grid_.TextMatrix(row, col)) {
        return typed;
    }
    if (typed.empty()) {
        return std::string(words::kToneOff);
    }
    return std::nullopt;
}

// An empty channel takes no tone; a tone the table does not hold is refused and the cell keeps
// the one it had.
void ChannelEditor::CommitTone(int row, int col) {
    if (ChannelIsEmpty(row)) {
        SetCell(row, col, std::string());
    } else if (const std::optional<std::string> tone = TypedTone(row, col)) {
        SetCell(row, col, *tone);
    } else {
        hooks_.message(MessageId::ToneNotInTable);
    }
}

std::optional<MessageId> ChannelEditor::Refusal() {
    const int row = grid_.Row();
    const int col = grid_.Col();
    if (row == 0 || !OverlayOf(col).IsVisible()) {
        return std::nullopt;
    }
    if ((col == kColRxTone || col == kColTxTone) && !ChannelIsEmpty(row) && !TypedTone(row, col)) {
        return MessageId::ToneNotInTable;
    }
    if (col == kColRxFrequency || col == kColTxFrequency) {
        return RefusalOf(CheckFrequencyEntry(TypedFrequency(row, col)).verdict,
                         MessageId::FrequencyOffStep);
    }
    return std::nullopt;
}

// What the frequency edit holds, a transmit offset ("+0.6") turned into the frequency it gives.
std::string ChannelEditor::TypedFrequency(int row, int col) const {
    const std::string typed = overlays_.frequency.Text();
    if (col == kColTxFrequency) {
        if (const std::optional<std::string> offset =
                RepeaterOffsetEntry(typed, grid_.TextMatrix(row, kColRxFrequency))) {
            return *offset;
        }
    }
    return typed;
}

void ChannelEditor::CommitFrequency(int row, int col, const std::string& typed,
                                    MessageId offStepMessage, ClearRule rule) {
    const FrequencyEntry entry = CheckFrequencyEntry(typed);
    if (const std::optional<MessageId> refused = RefusalOf(entry.verdict, offStepMessage)) {
        hooks_.message(*refused);
    }
    if (entry.verdict == FrequencyVerdict::NotANumber) {
        return; // the cell keeps what it had
    }

    if (!entry.text.empty()) {
        // The first frequency of a channel that held nothing before brings its defaults.
        if (IsEmpty(row, kColRxTone) && IsEmpty(row, kColTxTone) && IsEmpty(row, kColBandwidth) &&
            ChannelIsEmpty(row)) {
            WriteChannelDefaults(row);
            if (col == kColRxFrequency) {
                SetCell(row, kColTxFrequency, entry.text);
            }
        }
        SetCell(row, col, entry.text);
        return;
    }

    // Emptied or refused: the frequency goes with its tone, and a channel left with nothing
    // loses its options and its name.
    SetCell(row, col == kColRxFrequency ? kColRxTone : kColTxTone, std::string());
    SetCell(row, col, std::string());
    bool nothingLeft = ChannelIsEmpty(row);
    if (rule == ClearRule::NoFrequencyAndNoTone) {
        nothingLeft = nothingLeft && IsEmpty(row, kColRxTone) && IsEmpty(row, kColTxTone);
    }
    if (nothingLeft) {
        for (int c = kColBandwidth; c <= kColName; ++c) {
            SetCell(row, c, std::string());
        }
    }
}

void ChannelEditor::WriteChannelDefaults(int row) {
    using namespace words;
    SetCell(row, kColRxTone, std::string(kToneOff));
    SetCell(row, kColTxTone, std::string(kToneOff));
    SetCell(row, kColBandwidth, InLanguage(kWide));
    SetCell(row, kColScan, InLanguage(kYes));
    SetCell(row, kColTxPower, InLanguage(kHigh));
    SetCell(row, kColOptSignal, InLanguage(kDtmf));
    SetCell(row, kColPttId, InLanguage(kOn));
    SetCell(row, kColBusyLock, InLanguage(kClose));
    SetCell(row, kColRepeatInvert, InLanguage(kForward));
    SetCell(row, kColName, std::string());
}

} // namespace tevano
