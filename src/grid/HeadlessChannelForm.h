// The channel form's three lists without a display, set up as the view sets them up. The
// command-line tool, the report and the tests work on it beside the image.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "grid/ChoiceList.h"

namespace tevano {

class HeadlessChannelForm {
public:
    explicit HeadlessChannelForm(Language language);

    HeadlessChannelForm(const HeadlessChannelForm&) = delete;
    HeadlessChannelForm& operator=(const HeadlessChannelForm&) = delete;

    ChannelForm& Form() { return form_; }
    const ChannelForm& Form() const { return form_; }

    ChoiceListModel type;
    ChoiceListModel field;
    ChoiceListModel manual;

private:
    ChannelForm form_{type, field, manual};
};

} // namespace tevano
