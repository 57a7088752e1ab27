#include "grid/HeadlessChannelForm.h"

#include "grid/ChannelGridLayout.h"

namespace tevano {

HeadlessChannelForm::HeadlessChannelForm(Language language) {
    FillFormLists(form_, language);
}

} // namespace tevano
