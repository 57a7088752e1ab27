// The channel form without a display: a grid model and the three lists, set up as the view
// sets them up. The command-line tool, the report and the tests work on it.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "grid/ChoiceList.h"
#include "grid/GridModel.h"

namespace tevano {

class HeadlessChannelForm {
public:
    explicit HeadlessChannelForm(Language language);

    HeadlessChannelForm(const HeadlessChannelForm&) = delete;
    HeadlessChannelForm& operator=(const HeadlessChannelForm&) = delete;

    ChannelForm& Form() { return form_; }
    const ChannelForm& Form() const { return form_; }

    GridModel grid;
    ChoiceListModel type;
    ChoiceListModel field;
    ChoiceListModel manual;

private:
    ChannelForm form_{grid, type, field, manual};
};

} // namespace tevano
