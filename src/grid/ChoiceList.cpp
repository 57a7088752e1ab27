#include "grid/ChoiceList.h"

#include "base/TextCase.h"

namespace tevano {

void ChoiceList::Fill(const std::vector<std::string>& entries) {
    Clear();
    for (const std::string& entry : entries) {
        Add(entry);
    }
}

std::string ChoiceListModel::ItemText(int index) const {
    if (index < 0 || index >= Count()) {
        return std::string();
    }
    return entries_[static_cast<std::size_t>(index)];
}

void ChoiceListModel::Clear() {
    entries_.clear();
    current_ = -1;
}

void ChoiceListModel::SetCurSel(int index) {
    current_ = (index >= 0 && index < Count()) ? index : -1;
}

} // namespace tevano
