// The controls that editing lays over a grid cell: the frequency and name edits and the drop-down
// lists of the tone and option columns. The editor drives them through these interfaces; the
// desktop program puts them on Qt widgets, the tests on plain objects.
#pragma once

#include "grid/ChoiceList.h"

#include <string>

namespace tevano {

class CellOverlay {
public:
    virtual ~CellOverlay() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // Pixels inside the grid window. A list's height counts its dropped-down part too
    // (kListDropDownPixels), as the radio tool's combo boxes were sized.
    virtual void Place(int x, int y, int width, int height) = 0;
    virtual void SetFocus() = 0;
};

// The frequency edit (columns 1 and 2) and the name edit (column 12).
class OverlayEdit : public CellOverlay {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // The whole text selected and scrolled into view.
    virtual void SelectAll() = 0;
    // Nothing selected, the caret after the last character.
    virtual void CaretToEnd() = 0;
};

// A drop-down list; the tone list (columns 3 and 4) also has an edit field to type a tone into.
class OverlayList : public CellOverlay {
public:
    virtual ChoiceList& Choices() = 0;
    // The edit field's text; a list without an edit field shows its picked entry and ignores
    // SetEditText and SelectEditText.
    virtual std::string EditText() const = 0;
    // The text with the caret after it, as if it had been typed.
    virtual void SetEditText(const std::string& text) = 0;
    // The whole edit field selected, so that typing replaces it.
    virtual void SelectEditText() = 0;
};

// How much taller than its cell a list is placed, so that its drop-down part opens below it.
constexpr int kListDropDownPixels = 100;

} // namespace tevano
