#include "grid/HeadlessChannelForm.h"

#include "grid/ChannelGridLayout.h"

namespace tevano {

HeadlessChannelForm::HeadlessChannelForm(bool english) {
    FillFormLists(form_, english);
    SetUpGridColumns(grid);
}

} // namespace tevano
