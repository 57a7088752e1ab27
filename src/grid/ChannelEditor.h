// Editing the channel grid: the grid itself does not edit, so the overlay control of the current
// column (an edit for frequencies and names, a drop-down list for everything else) is laid over
// the cell, and its value is copied back, checked, when the cell is left or Enter is pressed.
// It listens to the grid's events and is told of key-downs before the focused control sees them.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "grid/CellOverlay.h"
#include "grid/GridControl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tevano {

struct Word;

// The ten overlays of the channel form.
struct ChannelOverlays {
    OverlayEdit& frequency; // columns 1 and 2, and any column without an overlay of its own
    OverlayEdit& name;      // column 12
    OverlayList& tones;     // columns 3 and 4
    std::array<OverlayList*, 7> options; // columns 5 to 11, in column order
};

// The control that has the keyboard focus when a key goes down.
enum class FocusedControl {
    Grid,
    FrequencyEdit,
    NameEdit,
    ToneEditField, // the edit field of the tone list
    ToneList,      // the tone list itself, not its edit field
    OptionList,    // one of the lists of columns 5 to 11
    Other,         // anything else on the form
};

// What becomes of a key-down once the editor has seen it.
enum class KeyOutcome {
    PassOn,     // the focused control gets it as it is
    Swallow,    // nobody gets it
    Tab,        // the focused control gets Tab instead
    ShiftTab,   // the focused control gets Shift+Tab instead
    RightArrow, // the focused control gets the Right arrow instead
};

class ChannelEditor : public GridEvents {
public:
    struct Hooks {
        std::function<Language()> language;                // the display language in force
        std::function<void(MessageId)> message;            // a message box with an OK button
        std::function<void(int row, int col)> cellChanged; // an edit changed a cell's text
        std::function<int()> pixelsPerInchX;               // of the grid window's screen
        std::function<int()> pixelsPerInchY;
    };

    ChannelEditor(GridControl& grid, ChannelOverlays overlays, Hooks hooks);

    void EnterCell() override;
    void LeaveCell() override;
    void KeyPress(std::uint16_t& key) override;
    void DblClick() override;
    void MouseDown(short button, short shift, std::int32_t x, std::int32_t y) override;
    // Commits the cell being edited as leaving it does. A value the checks refuse gets its
    // message and keeps its editor open over its cell, and the grid does not scroll.
    bool Scroll() override;

    // Commits the cell being edited into the grid, as leaving the cell does. Read From Radio and
    // Write To Radio call it before a transfer.
    void Commit();

    // Lays the current column's overlay over the current cell, focused. `key` is the character
    // typed on the cell, 0 when a click started the edit, 13 when Enter walked on to the cell.
    void StartEditing(std::uint16_t key);

    // A key-down before the focused control sees it: the name edit's filter, then Enter, which
    // commits the focused overlay and walks on to the next cell. Tab in an open overlay does what
    // Enter does; Shift+Tab commits it and walks back. `listColumn` names the list when the focus
    // is on one of the option lists.
    KeyOutcome PreTranslateKeyDown(FocusedControl focus, int virtualKey, int listColumn = 0);

    // Hides all ten overlays without committing them.
    void HideOverlays();

    // The overlay that edits the column.
    CellOverlay& OverlayOf(int column);

private:
    // When a refused or emptied frequency clears the rest of the channel.
    enum class ClearRule {
        NoFrequencyAndNoTone, // columns 1 to 4 all empty: leaving the cell
        NoFrequency,          // columns 1 and 2 both empty: Enter
    };

    OverlayList* ListOf(int column);
    OverlayEdit& EditOf(int column);
    void Load();
    void Place(CellOverlay& overlay, bool isList);
    void PrepareEdit(OverlayEdit& edit, std::uint16_t key);
    void CommitList(int row, int col, OverlayList& list);
    void CommitTone(int row, int col);
    std::optional<std::string> TypedTone(int row, int col) const;
    // The message committing the open overlay would show for a value it refuses.
    std::optional<MessageId> Refusal();
    std::string TypedFrequency(int row, int col) const;
    void CommitFrequency(int row, int col, const std::string& typed, MessageId offStepMessage,
                         ClearRule rule);
    void WriteChannelDefaults(int row);
    KeyOutcome EnterOnToneEditField();
    KeyOutcome EnterOnOptionList(int listColumn);
    KeyOutcome EnterOnNameEdit();
    bool IsOpen(FocusedControl focus, int listColumn);
    KeyOutcome WalkBack();
    void WalkToNextColumn();

    bool IsEmpty(int row, int col) const { return grid_.TextMatrix(row, col).empty(); }
    bool ChannelIsEmpty(int row) const;
    std::string InLanguage(const Word& word) const;
    // Every cell the editor writes goes through here, so that a real change is reported.
    void SetCell(int row, int col, const std::string& text);

    GridControl& grid_;
    ChannelOverlays overlays_;
    Hooks hooks_;
};

} // namespace tevano
