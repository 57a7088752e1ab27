#include "resources/ui/DialogBuilder.h"

#include "resources/ui/ProgramIcons.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTreeWidget>
#include <algorithm>

namespace tevano {

namespace {

// A one-line label sits level with the field beside it; a taller one starts at its top.
Qt::Alignment LabelAlignment(unsigned style, bool oneLine) {
    const Qt::Alignment vertical = oneLine ? Qt::AlignVCenter : Qt::AlignTop;
    if (style & res::kAlignRight) {
        return Qt::AlignRight | vertical;
    }
    if (style & res::kAlignCenter) {
        return Qt::AlignHCenter | vertical;
    }
    return Qt::AlignLeft | vertical;
}

// Letters typed into an upper-case field are kept in upper case, the caret where it was.
void KeepUpperCase(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int caret = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(caret);
        }
    });
}

// A label whose words need more lines than its box holds (a taller script, a longer
// translation) gets a smaller font rather than losing its last line.
void FitLabelText(QLabel* label, const QRect& rect) {
    QFont font = label->font();
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    for (int size = font.pointSize(); size > 6; --size) {
        const QFontMetrics metrics(font);
        const QString& text = label->text();
        // One line always shows, even in a box a little lower than the font; more lines must
        // fit the box (half a line of slack, as the dialogs' boxes are drawn tight).
        const bool oneLine =
            !text.contains('\n') && metrics.horizontalAdvance(text) <= rect.width();
        const QRect needed = metrics.boundingRect(QRect(0, 0, rect.width(), 10000), flags, text);
        if (oneLine || (needed.height() <= rect.height() + metrics.lineSpacing() / 2 &&
                        needed.width() <= rect.width())) {
            break;
        }
        font.setPointSize(size - 1);
    }
    if (font != label->font()) {
        label->setFont(font);
    }
}

QComboBox* MakeCombo(const res::ControlTemplate& control, QWidget* parent, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    for (int i = 0; i < control.entryCount; ++i) {
        combo->addItem(QString::fromUtf8(control.entries[i]));
    }
    // A list starts with no entry picked until the program picks one.
    combo->setCurrentIndex(-1);
    combo->setMaxVisibleItems(12);
    return combo;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = std::max((alphabet / 26 + 1) / 2, 1);
    baseY_ = std::max(metrics.height(), 1);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

DialogGroupBox::DialogGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DialogGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    const QColor dark = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    // An etched frame: a dark line with a light one just inside it.
    painter.setPen(light);
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    painter.setPen(dark);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const QString words = title();
    if (!words.isEmpty()) {
        const int indent = metrics.averageCharWidth() * 3 / 2;
        const QRect titleRect(indent, 0, metrics.horizontalAdvance(words) + 4, metrics.height());
        painter.fillRect(titleRect, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(titleRect, Qt::AlignCenter, words);
    }
}

void DialogSpinBox::SetTextRule(std::function<QString(int)> rule) {
    rule_ = std::move(rule);
    setValue(value()); // redisplay
    lineEdit()->setText(textFromValue(value()));
}

QString DialogSpinBox::textFromValue(int value) const {
    return rule_ ? rule_(value) : QSpinBox::textFromValue(value);
}

int DialogSpinBox::valueFromText(const QString& text) const {
    if (!rule_) {
        return QSpinBox::valueFromText(text);
    }
    for (int v = minimum(); v <= maximum(); ++v) {
        if (rule_(v) == text) {
            return v;
        }
    }
    return value();
}

QValidator::State DialogSpinBox::validate(QString& input, int& pos) const {
    if (!rule_) {
        return QSpinBox::validate(input, pos);
    }
    // The field only shows the spin's position; typing in it changes nothing.
    return input == rule_(value()) ? QValidator::Acceptable : QValidator::Invalid;
}

QFont DialogFont(const res::DialogTemplate& dialog) {
    QFont font(QString::fromUtf8(dialog.fontName));
    font.setPointSize(dialog.fontPointSize);
    return font;
}

BuiltDialog::BuiltDialog(const res::DialogTemplate& dialog, QWidget* parent,
                         const GridFactory& makeGrid)
    : font_(DialogFont(dialog)), units_(font_),
      size_(units_.X(dialog.width), units_.Y(dialog.height)) {
    parent->setFont(font_);
    QWidget* previous = nullptr;
    std::vector<QWidget*> groupBoxes;
    for (int i = 0; i < dialog.controlCount; ++i) {
        const res::ControlTemplate& control = dialog.controls[i];
        const QRect place(control.x, control.y, control.width, control.height);
        // A spin takes the place of the field it joins.
        if (control.kind == res::ControlKind::Spin && qobject_cast<QLineEdit*>(previous) &&
            !built_.empty() && built_.back().widget == previous) {
            built_.pop_back();
        }
        QWidget* widget = Make(control, parent, previous, makeGrid);
        if (widget == nullptr) {
            continue;
        }
        built_.push_back({control.kind, place, widget});
        if (control.kind == res::ControlKind::GroupBox) {
            groupBoxes.push_back(widget);
        }
        widget->setVisible(!(control.style & res::kHidden));
        widget->setEnabled(!(control.style & res::kDisabled));
        if (control.id >= 0) {
            controls_[control.id] = widget;
        }
        previous = widget;
    }
    // Group boxes are frames behind their controls, not containers.
    for (QWidget* box : groupBoxes) {
        box->lower();
    }
    NameControls();
}

namespace {

// The words of a label or button as a name: without the mnemonic's "&" and a closing colon.
QString NameOf(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) {
        text.chop(1);
    }
    return text.trimmed();
}

bool IsField(res::ControlKind kind) {
    switch (kind) {
    case res::ControlKind::Edit:
    case res::ControlKind::ComboDropDown:
    case res::ControlKind::ComboDropList:
    case res::ControlKind::Spin:
    case res::ControlKind::Progress:
    case res::ControlKind::Tree:
        return true;
    default:
        return false;
    }
}

bool HasOwnText(res::ControlKind kind) {
    return kind == res::ControlKind::CheckBox || kind == res::ControlKind::RadioButton ||
           kind == res::ControlKind::PushButton || kind == res::ControlKind::DefPushButton;
}

} // namespace

// The title of the group around a control: the last group before it in the template whose
// frame holds its top left corner (a list's place includes its drop-down part, and a field may
// reach a little out of its frame; groups shown in turn over one another are each declared
// before their own controls).
QString BuiltDialog::GroupTitleAround(std::size_t index) const {
    const QPoint corner = built_[index].place.topLeft();
    for (std::size_t i = index; i-- > 0;) {
        const Built& group = built_[i];
        if (group.kind == res::ControlKind::GroupBox && group.place.contains(corner)) {
            const auto* box = qobject_cast<QGroupBox*>(group.widget);
            return box != nullptr ? NameOf(box->title()) : QString();
        }
    }
    return QString();
}

void BuiltDialog::NameControls() {
    std::vector<QString> names(built_.size());
    std::vector<QLabel*> labels(built_.size(), nullptr); // the label that names a field
    for (std::size_t i = 0; i < built_.size(); ++i) {
        const Built& control = built_[i];
        if (HasOwnText(control.kind)) {
            if (const auto* button = qobject_cast<const QAbstractButton*>(control.widget)) {
                names[i] = NameOf(button->text());
            }
        } else if (control.kind == res::ControlKind::Slider) {
            // The labels beside a slider name its ends, not the slider.
            names[i] = GroupTitleAround(i);
        } else if (IsField(control.kind)) {
            for (const std::size_t beside : {i - 1, i + 1}) {
                if (names[i].isEmpty() && beside < built_.size() &&
                    built_[beside].kind == res::ControlKind::Label) {
                    labels[i] = qobject_cast<QLabel*>(built_[beside].widget);
                    names[i] = labels[i] != nullptr ? NameOf(labels[i]->text()) : QString();
                }
            }
            if (names[i].isEmpty()) {
                labels[i] = nullptr;
                names[i] = GroupTitleAround(i);
            }
        }
    }
    for (std::size_t i = 0; i < built_.size(); ++i) {
        if (names[i].isEmpty()) {
            continue;
        }
        QString name = names[i];
        if (std::count(names.begin(), names.end(), names[i]) > 1) {
            const QString group = GroupTitleAround(i);
            if (!group.isEmpty() && group != name) {
                name = group + QStringLiteral(", ") + name;
            }
        }
        built_[i].widget->setAccessibleName(name);
        // A list is read by the label it is labelled by (on Linux its own name is its entry),
        // so the label carries the whole name too.
        if (labels[i] != nullptr) {
            labels[i]->setBuddy(built_[i].widget);
            labels[i]->setAccessibleName(name);
        }
    }
}

QWidget* BuiltDialog::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QWidget* BuiltDialog::Make(const res::ControlTemplate& control, QWidget* parent, QWidget* previous,
                           const GridFactory& makeGrid) {
    const QString text = QString::fromUtf8(control.text != nullptr ? control.text : "");
    QRect rect = units_.Rect(control.x, control.y, control.width, control.height);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case res::ControlKind::GroupBox:
        widget = new DialogGroupBox(text, parent);
        break;
    case res::ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        const bool oneLine = rect.height() < 2 * label->fontMetrics().height();
        label->setAlignment(LabelAlignment(control.style, oneLine));
        label->setWordWrap(true);
        FitLabelText(label, rect);
        widget = label;
        break;
    }
    case res::ControlKind::Icon: {
        auto* label = new QLabel(parent);
        const int size = std::min(rect.width(), rect.height());
        label->setPixmap(ProgramIcons::Icon(text.toInt()).pixmap(QSize(size, size)));
        widget = label;
        break;
    }
    case res::ControlKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        if (control.limit > 0) {
            edit->setMaxLength(control.limit);
        }
        if (control.style & res::kUpperCase) {
            KeepUpperCase(edit);
        }
        if (control.style & res::kDigitsOnly) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        }
        edit->setReadOnly(control.style & res::kReadOnly);
        widget = edit;
        break;
    }
    case res::ControlKind::ComboDropDown:
    case res::ControlKind::ComboDropList: {
        QComboBox* combo =
            MakeCombo(control, parent, control.kind == res::ControlKind::ComboDropDown);
        // The template's height includes the drop-down part; the box itself is one line high.
        rect.setHeight(std::min(rect.height(), combo->sizeHint().height()));
        widget = combo;
        break;
    }
    case res::ControlKind::CheckBox:
        widget = new QCheckBox(text, parent);
        break;
    case res::ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, parent);
        // The dialogs group their radio buttons themselves.
        radio->setAutoExclusive(false);
        widget = radio;
        break;
    }
    case res::ControlKind::PushButton:
    case res::ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(control.kind == res::ControlKind::DefPushButton);
        widget = button;
        break;
    }
    case res::ControlKind::Spin: {
        // An up-down control joins the field before it: both become one spin box.
        auto* spin = new DialogSpinBox(parent);
        if (qobject_cast<QLineEdit*>(previous) != nullptr) {
            rect = previous->geometry().united(QRect(previous->geometry().topRight(), rect.size()));
            for (auto& [id, w] : controls_) {
                if (w == previous) {
                    w = spin;
                }
            }
            previous->hide();
            previous->deleteLater();
        }
        spin->setWrapping(!(control.style & res::kNoWrap));
        widget = spin;
        break;
    }
    case res::ControlKind::Progress: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        widget = bar;
        break;
    }
    case res::ControlKind::Slider:
        widget = new QSlider(Qt::Horizontal, parent);
        break;
    case res::ControlKind::Tree: {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated(true);
        widget = tree;
        break;
    }
    case res::ControlKind::Grid:
        widget = makeGrid ? makeGrid(parent) : nullptr;
        break;
    }
    if (widget != nullptr) {
        widget->setGeometry(rect);
    }
    return widget;
}

} // namespace tevano
