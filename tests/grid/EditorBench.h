// The channel editor on a headless grid with overlay controls that only remember what they were
// told, for the editing and keyboard tests: it clicks, types and presses Enter as a user does.
#pragma once

#include "grid/ChannelEditor.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChannelWords.h"
#include "grid/ChoiceList.h"
#include "grid/GridKeys.h"
#include "grid/GridModel.h"
#include "image/ToneTable.h"

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tevano::testing {

struct Rect {
    int x, y, width, height;
    bool operator==(const Rect&) const = default;
};

enum class Selection { None, All, CaretAtEnd };

// Each fake notes, in the bench's one slot, that it took the focus.
class FakeOverlay {
public:
    explicit FakeOverlay(const CellOverlay** focusSlot) : focusSlot_(focusSlot) {}
    bool visible = false;
    Rect rect{0, 0, 0, 0};

protected:
    const CellOverlay** focusSlot_;
};

class FakeEdit : public OverlayEdit, public FakeOverlay {
public:
    using FakeOverlay::FakeOverlay;
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsVisible() const override { return visible; }
    void Place(int x, int y, int w, int h) override { rect = {x, y, w, h}; }
    void SetFocus() override { *focusSlot_ = this; }
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override {
        text = t;
        selection = Selection::None;
    }
    void SelectAll() override { selection = Selection::All; }
    void CaretToEnd() override { selection = Selection::CaretAtEnd; }

    // Typing replaces a whole selection, else adds at the caret.
    void Type(const std::string& typed) {
        text = selection == Selection::All ? typed : text + typed;
        selection = Selection::CaretAtEnd;
    }

    std::string text;
    Selection selection = Selection::None;
};

class FakeList : public OverlayList, public FakeOverlay {
public:
    FakeList(const CellOverlay** focusSlot, bool hasEditField)
        : FakeOverlay(focusSlot), hasEditField_(hasEditField) {}
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsVisible() const override { return visible; }
    void Place(int x, int y, int w, int h) override { rect = {x, y, w, h}; }
    void SetFocus() override { *focusSlot_ = this; }
    ChoiceList& Choices() override { return choices; }
    std::string EditText() const override {
        return hasEditField_ ? editText : choices.CurrentText();
    }
    void SetEditText(const std::string& text) override {
        if (hasEditField_) {
            editText = text;
            editSelection = Selection::CaretAtEnd;
        }
    }
    void SelectEditText() override {
        if (hasEditField_) {
            editSelection = Selection::All;
        }
    }
    // A pick from the drop-down part, which an edit field then shows.
    void Pick(int index) {
        choices.SetCurSel(index);
        SetEditText(choices.CurrentText());
    }

    ChoiceListModel choices;
    std::string editText;
    Selection editSelection = Selection::None;

private:
    bool hasEditField_;
};

class EditorBench {
public:
    explicit EditorBench(Language language = Language::English) : language_(language) {
        SetUpGridColumns(grid);
        tones.choices.Fill(ToneTable().Names());
        for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
            Option(col).choices.Fill(OverlayListEntries(col, language));
        }
        grid.SetEventSink(&editor);
    }

    FakeList& Option(int col) { return options_[static_cast<std::size_t>(col - kColBandwidth)]; }

    std::string Cell(int row, int col) const { return grid.TextMatrix(row, col); }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> texts;
        for (int col = 1; col <= kColName; ++col) {
            texts.push_back(grid.TextMatrix(row, col));
        }
        return texts;
    }

    // A used channel as decode shows it.
    void FillChannel(int row, const std::string& rx, const std::string& tx,
                     const std::string& channelName = "") {
        const std::vector<std::string> texts = {rx,       tx,        "88.5",    "D023N",
                                                "Narrow", "No",      "Low",     "MSK",
                                                "OFF",    "Carrier", "Reverse", channelName};
        for (int col = 1; col <= kColName; ++col) {
            grid.SetTextMatrix(row, col, texts[static_cast<std::size_t>(col - 1)]);
        }
    }

    void Click(int row, int col) { grid.ClickCell(row, col); }
    // Types into the overlay that has the focus.
    void Type(const std::string& text) {
        if (focused == &frequency) {
            frequency.Type(text);
        } else if (focused == &name) {
            name.Type(text);
        } else if (focused == &tones) {
            tones.editText = tones.editSelection == Selection::All ? text : tones.editText + text;
            tones.editSelection = Selection::CaretAtEnd;
        }
    }
    void TypeOnGrid(std::uint16_t character) { grid.TypeKey(character); }
    // Enter on whatever has the focus; with nothing focused, on the grid.
    KeyOutcome Enter() { return KeyDown(vk::kEnter); }
    KeyOutcome KeyDown(int virtualKey) {
        FocusedControl focus = FocusedControl::Grid;
        int listColumn = 0;
        if (focused == &frequency) {
            focus = FocusedControl::FrequencyEdit;
        } else if (focused == &name) {
            focus = FocusedControl::NameEdit;
        } else if (focused == &tones) {
            focus = FocusedControl::ToneEditField;
        }
        for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
            if (focused == &Option(col)) {
                focus = FocusedControl::OptionList;
                listColumn = col;
            }
        }
        return editor.PreTranslateKeyDown(focus, virtualKey, listColumn);
    }
    // Leaves the cell being edited by clicking a cell of another channel.
    void Leave() { grid.ClickCell(grid.Row() == 100 ? 101 : 100, 12); }

    std::vector<const CellOverlay*> Visible() {
        std::vector<const CellOverlay*> shown;
        for (const CellOverlay* overlay : All()) {
            if (overlay->IsVisible()) {
                shown.push_back(overlay);
            }
        }
        return shown;
    }
    std::vector<CellOverlay*> All() {
        std::vector<CellOverlay*> all = {&frequency, &name, &tones};
        for (FakeList& list : options_) {
            all.push_back(&list);
        }
        return all;
    }

    GridModel grid;
    const CellOverlay* focused = nullptr;
    FakeEdit frequency{&focused};
    FakeEdit name{&focused};
    FakeList tones{&focused, true};
    std::vector<MessageId> messages;
    std::set<std::pair<int, int>> changed;
    int ppiX = 96;
    int ppiY = 96;

private:
    Language language_;
    std::array<FakeList, 7> options_{{{&focused, false},
                                      {&focused, false},
                                      {&focused, false},
                                      {&focused, false},
                                      {&focused, false},
                                      {&focused, false},
                                      {&focused, false}}};

public:
    ChannelEditor editor{grid,
                         ChannelOverlays{frequency,
                                         name,
                                         tones,
                                         {&options_[0], &options_[1], &options_[2], &options_[3],
                                          &options_[4], &options_[5], &options_[6]}},
                         ChannelEditor::Hooks{
                             [this] { return language_; },
                             [this](MessageId id) { messages.push_back(id); },
                             [this](int row, int col) {
                                 changed.insert({row, col});
                             },
                             [this] { return ppiX; },
                             [this] { return ppiY; },
                         }};
};

} // namespace tevano::testing
