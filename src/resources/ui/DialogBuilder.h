// Builds the widgets of a dialog template from the resource module in force: every control at its
// position in dialog units, which are converted with the template font's average character width
// (a quarter of it per unit across) and height (an eighth per unit down), as the radio's dialogs
// were designed.
#pragma once

#include "resources/ResourceTypes.h"

#include <QFont>
#include <QGroupBox>
#include <QRect>
#include <QSpinBox>

#include <functional>
#include <map>

class QWidget;

namespace tevano {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int dialogUnits) const { return dialogUnits * baseX_ / 4; }
    int Y(int dialogUnits) const { return dialogUnits * baseY_ / 8; }
    QRect Rect(int x, int y, int width, int height) const;

private:
    int baseX_;
    int baseY_;
};

// A spin box whose numbers are shown through a text rule (the time-out timer shows "OFF", "15"...).
class DialogSpinBox : public QSpinBox {
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;
    void SetTextRule(std::function<QString(int)> rule);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    std::function<QString(int)> rule_;
};

// A group box as the radio tool's dialogs draw it: a frame behind its controls, the title set
// into the top line of the frame. A screen reader finds it as a group named by its title.
class DialogGroupBox : public QGroupBox {
    Q_OBJECT

public:
    DialogGroupBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Makes the widget of a grid control as a child of `parent`. Only the channel form has a grid;
// the grid subsystem hands in its own control, which this folder does not know.
using GridFactory = std::function<QWidget*(QWidget* parent)>;

class BuiltDialog {
public:
    // Makes every control of the template as a child of `parent`; the parent keeps them. A grid
    // control is made by `makeGrid`, and left out without one.
    BuiltDialog(const res::DialogTemplate& dialog, QWidget* parent,
                const GridFactory& makeGrid = {});

    QWidget* Control(int id) const;
    template <class T> T* As(int id) const { return qobject_cast<T*>(Control(id)); }

    QFont Font() const { return font_; }
    QSize Size() const { return size_; } // the dialog's client area in pixels

    // Gives every control an accessible name from the words around it, as a screen reader
    // would read the dialog: a field or list the label before it (or, without one, the label
    // after it or its group's title), a slider its group's title, a button or box its own
    // text. Where two controls would get the same name, each is told apart by its group's
    // title ("Side Key1, Short Press"). Again after a language switch changed the words.
    void NameControls();

private:
    // A control as built, with its place in the template's dialog units.
    struct Built {
        res::ControlKind kind;
        QRect place;
        QWidget* widget;
    };
    QString GroupTitleAround(std::size_t index) const;

    QWidget* Make(const res::ControlTemplate& control, QWidget* parent, QWidget* previous,
                  const GridFactory& makeGrid);

    QFont font_;
    DialogUnits units_;
    QSize size_;
    std::map<int, QWidget*> controls_;
    std::vector<Built> built_; // in template order, a spin taking the place of its field
};

// The template font of a dialog ("Times New Roman" 8 and so on).
QFont DialogFont(const res::DialogTemplate& dialog);

} // namespace tevano
