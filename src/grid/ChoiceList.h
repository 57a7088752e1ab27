// A drop-down list whose value is the position of its picked entry (-1 for none): the form's
// "Type", "Field" and "Manul Setting" lists above the channel table. Qt or headless behind it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tevano {

class ChoiceList {
public:
    virtual ~ChoiceList() = default;

    virtual int Count() const = 0;
    virtual std::string ItemText(int index) const = 0;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual int CurSel() const = 0;
    // Picks the entry; an index outside the list leaves no entry picked, as a Windows list does.
    virtual void SetCurSel(int index) = 0;

    // Text of the picked entry, empty when none is picked.
    std::string CurrentText() const { return CurSel() >= 0 ? ItemText(CurSel()) : std::string(); }
    void Fill(const std::vector<std::string>& entries);
};

class ChoiceListModel : public ChoiceList {
public:
    ChoiceListModel() = default;
    explicit ChoiceListModel(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    int Count() const override { return static_cast<int>(entries_.size()); }
    std::string ItemText(int index) const override;
    void Clear() override;
    void Add(const std::string& text) override { entries_.push_back(text); }
    int CurSel() const override { return current_; }
    void SetCurSel(int index) override;

private:
    std::vector<std::string> entries_;
    int current_ = -1;
};

} // namespace tevano
