// Editing on the channel form: the overlay widgets behind the editor's overlay interfaces, the
// channel editor listening to the grid, and the pre-translation of keys and mouse moves.
#pragma once

#include "grid/ChannelEditor.h"
#include "grid/ui/FormPreTranslate.h"
#include "grid/ui/OverlayUndoKeys.h"
#include "grid/ui/QtCellOverlays.h"

#include <array>
#include <memory>

namespace tevano {

class CTevView;

class GridEditing {
public:
    // The view's overlays must exist. The editor becomes the grid's event sink.
    GridEditing(CTevView& view, ChannelEditor::Hooks hooks);
    ~GridEditing();

    GridEditing(const GridEditing&) = delete;
    GridEditing& operator=(const GridEditing&) = delete;

    ChannelEditor& Editor() { return *editor_; }
    FormPreTranslate& PreTranslate() { return *preTranslate_; }

private:
    CTevView& view_;
    QtOverlayEdit frequency_;
    QtOverlayEdit name_;
    QtOverlayList tones_;
    std::array<std::unique_ptr<QtOverlayList>, 7> options_;
    std::unique_ptr<ChannelEditor> editor_;
    std::unique_ptr<FormPreTranslate> preTranslate_;
    OverlayUndoKeys undoKeys_;
};

} // namespace tevano
