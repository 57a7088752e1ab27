#include "grid/ChannelEditor.h"

#include "grid/ChannelWords.h"
#include "grid/GridKeys.h"

#include <cctype>

namespace tevano {

namespace {

constexpr int kTwipsPerInch = 1440;
// The overlay sits this many pixels up and left of the cell's corner, over the grid lines.
constexpr int kOverlayOutset = 3;
constexpr short kRightButton = 2;

// What may start a name: a letter, a digit or "-".
bool IsNameCharacter(std::uint16_t character) {
    return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'Z') ||
           (character >= 'a' && character <= 'z') || character == '-';
}

bool IsDigit(std::uint16_t character) {
    return character >= '0' && character <= '9';
}

// One UTF-16 unit of the key-press event as UTF-8 text; half a surrogate pair cannot stand
// alone and becomes the replacement character.
std::string Utf8(std::uint16_t unit) {
    std::uint32_t code = unit;
    if (code >= 0xD800 && code <= 0xDFFF) {
        code = 0xFFFD;
    }
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// Twips to pixels, cut toward zero.
int ToPixels(std::int32_t twips, int pixelsPerInch) {
    return static_cast<int>(static_cast<long long>(twips) * pixelsPerInch / kTwipsPerInch);
}

} // namespace

ChannelEditor::ChannelEditor(GridControl& grid, ChannelOverlays overlays, Hooks hooks)
    : grid_(grid), overlays_(overlays), hooks_(std::move(hooks)) {}

OverlayList* ChannelEditor::ListOf(int column) {
    if (column == kColRxTone || column == kColTxTone) {
        return &overlays_.tones;
    }
    if (column >= kColBandwidth && column <= kColRepeatInvert) {
        return overlays_.options[static_cast<std::size_t>(column - kColBandwidth)];
    }
    return nullptr;
}

OverlayEdit& ChannelEditor::EditOf(int column) {
    return column == kColName ? overlays_.name : overlays_.frequency;
}

CellOverlay& ChannelEditor::OverlayOf(int column) {
    if (OverlayList* list = ListOf(column)) {
        return *list;
    }
    return EditOf(column);
}

void ChannelEditor::HideOverlays() {
    overlays_.frequency.Hide();
    overlays_.name.Hide();
    overlays_.tones.Hide();
    for (OverlayList* list : overlays_.options) {
        list->Hide();
    }
}

bool ChannelEditor::ChannelIsEmpty(int row) const {
    return IsEmpty(row, kColRxFrequency) && IsEmpty(row, kColTxFrequency);
}

std::string ChannelEditor::InLanguage(const Word& word) const {
    return word.In(hooks_.language());
}

void ChannelEditor::SetCell(int row, int col, const std::string& text) {
    if (grid_.TextMatrix(row, col) == text) {
        return;
    }
    grid_.SetTextMatrix(row, col, text);
    if (hooks_.cellChanged) {
        hooks_.cellChanged(row, col);
    }
}

void ChannelEditor::EnterCell() {
    if (grid_.Row() != 0) {
        Load();
    }
}

void ChannelEditor::LeaveCell() {
    if (grid_.Row() != 0) {
        Commit();
    }
}

void ChannelEditor::KeyPress(std::uint16_t& key) {
    const int col = grid_.Col();
    if (grid_.Row() == 0 || col == 0) {
        return;
    }
    // A name opens with the letter, digit or "-" typed on it; a blank opens a list as a click
    // does; anything else typed on a cell opens it as the radio tool did.
    if (col == kColName) {
        if (IsNameCharacter(key)) {
            StartEditing(key);
        }
        return;
    }
    StartEditing(
        key == ' ' && ListOf(col) != nullptr && col != kColRxTone && col != kColTxTone ? 0 : key);
}

void ChannelEditor::DblClick() {
    if (grid_.Row() != 0 && grid_.Col() != 0) {
        StartEditing(0);
    }
}

void ChannelEditor::MouseDown(short button, short /*shift*/, std::int32_t /*x*/,
                              std::int32_t /*y*/) {
    if (button != kRightButton && grid_.Row() != 0 && grid_.Col() != 0) {
        StartEditing(0);
    }
}

bool ChannelEditor::Scroll() {
    if (const std::optional<MessageId> refused = Refusal()) {
        hooks_.message(*refused);
        return false;
    }
    Commit();
    // An overlay left in place would float over another channel's row.
    HideOverlays();
    grid_.Refresh();
    return true;
}

// The overlay takes the cell's text, still hidden. A list picks the first entry that begins
// with the text; a text no entry begins with (a tone the list does not offer, a word of another
// resource set) leaves nothing picked, so that leaving the cell does not overwrite it.
void ChannelEditor::Load() {
    const std::string text = grid_.Text();
    if (OverlayList* list = ListOf(grid_.Col())) {
        const int index = list->Choices().FindPrefix(text);
        list->Choices().SetCurSel(index);
        list->SetEditText(index >= 0 ? list->Choices().ItemText(index) : text);
        return;
    }
    EditOf(grid_.Col()).SetText(text);
}

void ChannelEditor::StartEditing(std::uint16_t key) {
    const int col = grid_.Col();
    if (!IsControlCharacter(key) && !IsDigit(key) && col != kColName) {
        hooks_.message(MessageId::InputNumber);
    }
    CellOverlay* overlay = nullptr;
    if (OverlayList* list = ListOf(col)) {
        // Only the tone list has an edit field. It receives the typed character itself;
        // otherwise its text is selected, as a combo box's is when it takes the focus.
        if (list == &overlays_.tones) {
            if (!IsControlCharacter(key)) {
                list->SetEditText(Utf8(key));
            } else if (key == vk::kBackspace) {
                list->SetEditText(std::string());
            } else {
                list->SelectEditText();
            }
        }
        Place(*list, true);
        overlay = list;
    } else {
        OverlayEdit& edit = EditOf(col);
        Place(edit, false);
        PrepareEdit(edit, key);
        overlay = &edit;
    }
    overlay->SetFocus();
    overlay->Show();
    grid_.Refresh();
}

// The edit's text as the user finds it. A typed character replaces what the cell holds (a
// non-digit too, after the "Please input Number" message); on an empty cell only a digit is
// taken. Backspace opens the edit empty; other control characters, Enter and a click open it
// with the cell's text, all selected. The clipboard is never used.
void ChannelEditor::PrepareEdit(OverlayEdit& edit, std::uint16_t key) {
    const std::string cellText = grid_.Text();
    if (key == vk::kBackspace) {
        edit.SetText(std::string());
        edit.CaretToEnd();
    } else if (IsControlCharacter(key)) {
        edit.SetText(cellText);
        edit.SelectAll();
    } else if (grid_.Col() == kColName) {
        edit.SetText(Utf8(static_cast<std::uint16_t>(std::toupper(key))));
        edit.CaretToEnd();
    } else {
        edit.SetText(!cellText.empty() || IsDigit(key) ? Utf8(key) : std::string());
        edit.CaretToEnd();
    }
}

void ChannelEditor::Place(CellOverlay& overlay, bool isList) {
    const int ppiX = hooks_.pixelsPerInchX();
    const int ppiY = hooks_.pixelsPerInchY();
    const int x = ToPixels(grid_.CellLeft(), ppiX) - kOverlayOutset;
    const int y = ToPixels(grid_.CellTop(), ppiY) - kOverlayOutset;
    const int width = ToPixels(grid_.CellWidth(), ppiX);
    int height = ToPixels(grid_.CellHeight(), ppiY);
    if (isList) {
        height += kListDropDownPixels;
    }
    overlay.Place(x, y, width, height);
}

void ChannelEditor::WalkToNextColumn() {
    grid_.SetCol(grid_.Col() + 1);
    StartEditing(vk::kEnter);
}

} // namespace tevano
