// The grid's key-downs as the form sees them before the focused control: the name edit takes
// only the keys a channel name can hold, and Enter commits the focused overlay and walks on,
// from column 1 to the name and on to column 1 of the next channel.

#include "grid/ChannelEditor.h"

#include "grid/ChannelWords.h"
#include "grid/GridKeys.h"

namespace tevano {

KeyOutcome ChannelEditor::PreTranslateKeyDown(FocusedControl focus, int virtualKey,
                                              int listColumn) {
    // Tab would take the focus away and leave the overlay open over its cell, holding what was
    // typed; it commits and walks on instead.
    if ((virtualKey == vk::kTab || virtualKey == vk::kShiftTab) && IsOpen(focus, listColumn)) {
        if (virtualKey == vk::kShiftTab) {
            return WalkBack();
        }
        virtualKey = vk::kEnter;
    }
    if (focus == FocusedControl::NameEdit && !NameEditAcceptsKey(virtualKey)) {
        return KeyOutcome::Swallow;
    }
    if (virtualKey != vk::kEnter) {
        return KeyOutcome::PassOn;
    }
    // The current cell moves after each commit: LeaveCell finds the overlay already hidden and
    // commits nothing twice, EnterCell loads the next cell's overlay.
    switch (focus) {
    case FocusedControl::Grid:
        return grid_.Col() == kColScan ? KeyOutcome::Tab : KeyOutcome::RightArrow;
    case FocusedControl::FrequencyEdit: {
        const int col = grid_.ColSel();
        if (col == kColRxFrequency || col == kColTxFrequency) {
            CommitFrequency(grid_.RowSel(), col, TypedFrequency(grid_.RowSel(), col),
                            MessageId::FrequencyOffStepEnter, ClearRule::NoFrequency);
        }
        overlays_.frequency.Hide();
        WalkToNextColumn();
        return KeyOutcome::Swallow;
    }
    case FocusedControl::OptionList:
        return EnterOnOptionList(listColumn);
    case FocusedControl::ToneEditField:
        return EnterOnToneEditField();
    case FocusedControl::ToneList:
        overlays_.tones.Hide();
        WalkToNextColumn();
        return KeyOutcome::Swallow;
    case FocusedControl::NameEdit:
        return EnterOnNameEdit();
    case FocusedControl::Other:
        break;
    }
    return KeyOutcome::Tab;
}

KeyOutcome ChannelEditor::EnterOnOptionList(int listColumn) {
    if (listColumn < kColBandwidth || listColumn > kColRepeatInvert) {
        return KeyOutcome::Tab;
    }
    OverlayList& list = *overlays_.options[static_cast<std::size_t>(listColumn - kColBandwidth)];
    // An empty channel's cell stays as it is, whatever was picked.
    if (!ChannelIsEmpty(grid_.RowSel()) && grid_.Col() == listColumn &&
        list.Choices().CurSel() >= 0) {
        SetCell(grid_.Row(), listColumn, list.Choices().CurrentText());
    }
    list.Hide();
    if (grid_.Row() >= grid_.Rows()) {
        return KeyOutcome::Tab;
    }
    WalkToNextColumn();
    return KeyOutcome::Swallow;
}

KeyOutcome ChannelEditor::EnterOnToneEditField() {
    OverlayList& tones = overlays_.tones;
    if (!tones.IsVisible()) {
        return KeyOutcome::Tab;
    }
    const int col = grid_.Col();
    if (col == kColRxTone || col == kColTxTone) {
        CommitTone(grid_.Row(), col);
    }
    tones.Hide();
    WalkToNextColumn();
    return KeyOutcome::Swallow;
}

bool ChannelEditor::IsOpen(FocusedControl focus, int listColumn) {
    switch (focus) {
    case FocusedControl::FrequencyEdit:
        return overlays_.frequency.IsVisible();
    case FocusedControl::NameEdit:
        return overlays_.name.IsVisible();
    case FocusedControl::ToneEditField:
    case FocusedControl::ToneList:
        return overlays_.tones.IsVisible();
    case FocusedControl::OptionList: {
        const OverlayList* list = ListOf(listColumn);
        return list != nullptr && list->IsVisible();
    }
    case FocusedControl::Grid:
    case FocusedControl::Other:
        break;
    }
    return false;
}

// The previous cell, from channel 1's receive frequency out of the grid. Moving the current cell
// commits the overlay as leaving the cell does.
KeyOutcome ChannelEditor::WalkBack() {
    const int row = grid_.Row();
    const int col = grid_.Col();
    if (col > kColRxFrequency) {
        grid_.SetCol(col - 1);
    } else if (row > 1) {
        grid_.SetRow(row - 1);
        grid_.SetCol(kColName);
    } else {
        Commit();
        return KeyOutcome::ShiftTab;
    }
    StartEditing(vk::kEnter);
    return KeyOutcome::Swallow;
}

// The name walks on to the next channel's receive frequency; channel 128's name leaves the grid.
KeyOutcome ChannelEditor::EnterOnNameEdit() {
    overlays_.name.Hide();
    if (!ChannelIsEmpty(grid_.RowSel())) {
        SetCell(grid_.Row(), kColName, overlays_.name.Text());
    }
    if (grid_.Row() >= grid_.Rows() - 1) {
        return KeyOutcome::Tab;
    }
    grid_.SetRow(grid_.Row() + 1);
    grid_.SetCol(kColRxFrequency);
    StartEditing(vk::kEnter);
    return KeyOutcome::Swallow;
}

} // namespace tevano
