// Committing an overlay into its cell: the list words, the name, and the frequency checks with
// the defaults of a new channel and the clearing of an emptied one.

#include "grid/ChannelEditor.h"

#include "grid/ChannelWords.h"
#include "grid/FrequencyEntry.h"

namespace tevano {

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
    if (OverlayList* list = ListOf(col)) {
        CommitList(row, col, *list);
    } else if (col == kColName) {
        SetCell(row, col, overlays_.name.Text());
    } else if (col == kColRxFrequency || col == kColTxFrequency) {
        CommitFrequency(row, col, overlays_.frequency.Text(), MessageId::FrequencyOffStep,
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

void ChannelEditor::CommitFrequency(int row, int col, const std::string& typed,
                                    MessageId offStepMessage, ClearRule rule) {
    const FrequencyEntry entry = CheckFrequencyEntry(typed);
    if (entry.verdict == FrequencyVerdict::OutOfRange) {
        hooks_.message(MessageId::FrequencyOutOfRange);
    } else if (entry.verdict == FrequencyVerdict::OffStep) {
        hooks_.message(offStepMessage);
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
