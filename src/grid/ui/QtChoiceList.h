// A choice list of the program (its value the position of the picked entry, -1 for none) on a
// Qt combo box, so that decode, encode and the language switch reach the form's lists.
#pragma once

#include "base/ui/QtText.h"
#include "grid/ChoiceList.h"

#include <QComboBox>

namespace tevano {

class QtChoiceList : public ChoiceList {
public:
    explicit QtChoiceList(QComboBox* combo) : combo_(combo) {}

    int Count() const override { return combo_->count(); }
    std::string ItemText(int index) const override {
        return index >= 0 && index < combo_->count() ? FromQt(combo_->itemText(index))
                                                     : std::string();
    }
    void Clear() override { combo_->clear(); }
    void Add(const std::string& text) override { combo_->addItem(ToQt(text)); }
    int CurSel() const override { return combo_->currentIndex(); }
    void SetCurSel(int index) override {
        combo_->setCurrentIndex(index >= 0 && index < combo_->count() ? index : -1);
    }

    QComboBox* Combo() const { return combo_; }

private:
    QComboBox* combo_;
};

} // namespace tevano
