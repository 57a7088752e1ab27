#include "grid/ChoiceList.h"

#include "base/TextCase.h"

namespace tevano {

void ChoiceList::Fill(const std::vector<std::string>& entries) {
    Clear();
    for (const std::string& entry : entries) {
        Add(entry);
    }
}

int ChoiceList::FindPrefix(std::string_view text) const {
    for (int i = 0; i < Count(); ++i) {
        if (StartsWithNoCase(ItemText(i), text)) {
            return i;
        }
    }
    return -1;
}

int ChoiceList::FindExact(std::string_view text) const {
    for (int i = 0; i < Count(); ++i) {
        if (EqualsNoCase(ItemText(i), text)) {
            return i;
        }
    }
    return -1;
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
