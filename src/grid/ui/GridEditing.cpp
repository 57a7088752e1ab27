#include "grid/ui/GridEditing.h"

#include "grid/ChannelWords.h"
#include "grid/ui/CMSFlexGrid.h"
#include "grid/ui/CTevView.h"

#include <QComboBox>
#include <QLineEdit>

namespace tevano {

GridEditing::GridEditing(CTevView& view, ChannelEditor::Hooks hooks)
    : view_(view), frequency_(view.FrequencyEdit()), name_(view.NameEdit()),
      tones_(view.ToneList()) {
    for (int col = kColBandwidth; col <= kColRepeatInvert; ++col) {
        options_[static_cast<std::size_t>(col - kColBandwidth)] =
            std::make_unique<QtOverlayList>(view.OverlayList(col));
    }
    std::array<OverlayList*, 7> options{};
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i] = options_[i].get();
    }
    editor_ = std::make_unique<ChannelEditor>(
        view.Grid(), ChannelOverlays{frequency_, name_, tones_, options}, std::move(hooks));
    view.Grid().SetEventSink(editor_.get());
    preTranslate_ = std::make_unique<FormPreTranslate>(view, *editor_);
    // Ctrl+Z and Ctrl+Y in an overlay edit act on its typing first.
    undoKeys_.Watch(view.FrequencyEdit());
    undoKeys_.Watch(view.NameEdit());
    undoKeys_.Watch(view.ToneList());
    // The help texts follow the mouse over every control of the form, not only while a button
    // is held.
    view.setMouseTracking(true);
    for (QWidget* child : view.findChildren<QWidget*>()) {
        child->setMouseTracking(true);
    }
}

GridEditing::~GridEditing() {
    view_.Grid().SetEventSink(nullptr);
}

} // namespace tevano
