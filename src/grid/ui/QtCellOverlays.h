// The grid's overlay controls on Qt widgets: the frequency and name edits on line edits, the
// tone and option lists on combo boxes, as the channel editor drives them.
#pragma once

#include "grid/CellOverlay.h"
#include "grid/ui/QtChoiceList.h"

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace tevano {

class QtOverlayEdit : public OverlayEdit {
public:
    explicit QtOverlayEdit(QLineEdit* edit) : edit_(edit) {}

    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    void Place(int x, int y, int width, int height) override;
    void SetFocus() override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SelectAll() override;
    void CaretToEnd() override;

private:
    QLineEdit* edit_;
};

class QtOverlayList : public OverlayList {
public:
    explicit QtOverlayList(QComboBox* combo) : combo_(combo), choices_(combo) {}

    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    // The combo box is as high as the cell; Qt opens its drop-down part as a pop-up.
    void Place(int x, int y, int width, int height) override;
    void SetFocus() override;
    ChoiceList& Choices() override { return choices_; }
    std::string EditText() const override;
    void SetEditText(const std::string& text) override;
    void SelectEditText() override;

private:
    QComboBox* combo_;
    QtChoiceList choices_;
};

// The name edit turns letters into capitals as they are typed or pasted, as the radio shows
// its channel names.
class UpperCaseValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace tevano
