#include "grid/ui/CMSFlexGrid.h"

#include "base/ui/QtText.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace tevano {

namespace {

constexpr int kTwipsPerInch = 1440;
// The channel form lays an overlay 3 pixels up and left of the cell corner the grid reports, as
// the radio tool's grid reported its cells that far inside their lines. Cells of this grid are
// reported that much further in, so that an overlay lands exactly on its cell.
constexpr int kOverlayOutsetPixels = 3;

short MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 1;
    }
}

short ShiftCode(Qt::KeyboardModifiers modifiers) {
    short shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

} // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent, std::int32_t rows, std::int32_t cols)
    : QTableWidget(std::max(rows - 1, 0), std::max(cols - 1, 0), parent),
      alignments_(static_cast<std::size_t>(std::max(cols, 1)), 0) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    }
    for (int r = 0; r < rowCount(); ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem());
    }
    // The corner cell (row 0, column 0) is the table's corner button; it shows its text too.
    corner_ = findChild<QAbstractButton*>();
    if (corner_ != nullptr) {
        corner_->installEventFilter(this);
    }
    if (rowCount() > 0 && columnCount() > 0) {
        setCurrentCell(0, 0);
    }
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { OnCurrentCellChanged(row, col); });
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] { OnScrolled(*bar); });
    }
}

// The table has scrolled already when the bar reports it; nothing is painted yet, so a scroll the
// editor refuses is put back before anyone sees it.
void CMSFlexGrid::OnScrolled(QScrollBar& bar) {
    int& shown = &bar == verticalScrollBar() ? shownTop_ : shownLeft_;
    if (bar.value() == shown || checkingScroll_) {
        return;
    }
    checkingScroll_ = true;
    const bool accepted = events_ == nullptr || events_->Scroll();
    checkingScroll_ = false;
    if (accepted) {
        shown = bar.value();
        return;
    }
    // A drag of the slider ends here: the button went up over the message box.
    bar.setSliderDown(false);
    bar.setValue(shown);
}

void CMSFlexGrid::SetUnsizedColumnWidth(int pixels) {
    unsizedColumnWidth_ = std::max(pixels, 1);
    horizontalHeader()->setDefaultSectionSize(unsizedColumnWidth_);
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, unsizedColumnWidth_);
    }
    verticalHeader()->setFixedWidth(unsizedColumnWidth_);
}

void CMSFlexGrid::SetRowHeight(int pixels) {
    verticalHeader()->setDefaultSectionSize(pixels);
    horizontalHeader()->setFixedHeight(pixels);
}

std::int32_t CMSFlexGrid::ToTwipsX(int pixels) const {
    return static_cast<std::int32_t>(static_cast<long long>(pixels) * kTwipsPerInch /
                                     logicalDpiX());
}

std::int32_t CMSFlexGrid::ToTwipsY(int pixels) const {
    return static_cast<std::int32_t>(static_cast<long long>(pixels) * kTwipsPerInch /
                                     logicalDpiY());
}

int CMSFlexGrid::ToPixelsX(std::int32_t twips) const {
    return static_cast<int>(static_cast<long long>(twips) * logicalDpiX() / kTwipsPerInch);
}

int CMSFlexGrid::ToPixelsY(std::int32_t twips) const {
    return static_cast<int>(static_cast<long long>(twips) * logicalDpiY() / kTwipsPerInch);
}

// Positions are inside the grid window, whose client area starts inside the frame.
std::int32_t CMSFlexGrid::CellLeft() const {
    int x = frameWidth();
    if (col_ > 0) {
        x += verticalHeader()->width() + columnViewportPosition(col_ - 1) + kOverlayOutsetPixels;
    }
    return ToTwipsX(x);
}

std::int32_t CMSFlexGrid::CellTop() const {
    int y = frameWidth();
    if (row_ > 0) {
        y += horizontalHeader()->height() + rowViewportPosition(row_ - 1) + kOverlayOutsetPixels;
    }
    return ToTwipsY(y);
}

std::int32_t CMSFlexGrid::CellWidth() const {
    return ColWidth(col_);
}

std::int32_t CMSFlexGrid::CellHeight() const {
    return ToTwipsY(row_ > 0 ? rowHeight(row_ - 1) : horizontalHeader()->height());
}

void CMSFlexGrid::SetColAlignment(std::int32_t col, short alignment) {
    if (col < 0 || col >= Cols()) {
        return;
    }
    alignments_[static_cast<std::size_t>(col)] = alignment;
    if (col == 0) {
        verticalHeader()->setDefaultAlignment(ColumnAlignment(0));
        return;
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* cell = item(r, col - 1)) {
            cell->setTextAlignment(ColumnAlignment(col));
        }
    }
}

Qt::Alignment CMSFlexGrid::ColumnAlignment(std::int32_t col) const {
    // FlexGrid's 4 is centred both ways; 0 (general) shows text left, numbers right.
    const short alignment = alignments_[static_cast<std::size_t>(col)];
    return alignment == kAlignCenterCenter ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
}

std::int32_t CMSFlexGrid::ColWidth(std::int32_t col) const {
    if (col < 0 || col >= Cols()) {
        return 0;
    }
    return ToTwipsX(col == 0 ? verticalHeader()->width() : columnWidth(col - 1));
}

void CMSFlexGrid::SetColWidth(std::int32_t col, std::int32_t width) {
    if (col < 0 || col >= Cols()) {
        return;
    }
    const int pixels = std::max(ToPixelsX(width), 0);
    if (col == 0) {
        verticalHeader()->setFixedWidth(pixels);
    } else {
        setColumnWidth(col - 1, pixels);
    }
}

std::string CMSFlexGrid::TextMatrix(std::int32_t row, std::int32_t col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) {
        return std::string();
    }
    const QTableWidgetItem* cell = nullptr;
    if (row == 0 && col == 0) {
        return FromQt(cornerText_);
    }
    if (row == 0) {
        cell = horizontalHeaderItem(col - 1);
    } else if (col == 0) {
        cell = verticalHeaderItem(row - 1);
    } else {
        cell = item(row - 1, col - 1);
    }
    return cell != nullptr ? FromQt(cell->text()) : std::string();
}

void CMSFlexGrid::SetTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) {
        return;
    }
    const QString qtext = ToQt(text);
    if (row == 0 && col == 0) {
        cornerText_ = qtext;
        if (corner_ != nullptr) {
            corner_->update();
        }
        return;
    }
    if (row == 0) {
        horizontalHeaderItem(col - 1)->setText(qtext);
        return;
    }
    if (col == 0) {
        verticalHeaderItem(row - 1)->setText(qtext);
        return;
    }
    QTableWidgetItem* cell = item(row - 1, col - 1);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        cell->setTextAlignment(ColumnAlignment(col));
        setItem(row - 1, col - 1, cell);
    }
    cell->setText(qtext);
}

void CMSFlexGrid::Refresh() {
    viewport()->repaint();
}

void CMSFlexGrid::MoveTo(std::int32_t row, std::int32_t col) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols() || (row == row_ && col == col_)) {
        return;
    }
    if (events_ != nullptr) {
        events_->LeaveCell();
    }
    row_ = row;
    col_ = col;
    if (row > 0 && col > 0) {
        movingFromCode_ = true;
        setCurrentCell(row - 1, col - 1);
        movingFromCode_ = false;
    }
    if (events_ != nullptr) {
        events_->EnterCell();
    }
}

void CMSFlexGrid::OnCurrentCellChanged(int row, int col) {
    if (movingFromCode_ || row < 0 || col < 0) {
        return;
    }
    MoveTo(row + 1, col + 1);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool navigation = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                            event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                            event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                            event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ||
                            event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (!navigation && !text.isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        // A typed character goes to the program, as the radio grid's key-press event.
        std::uint16_t key = text.at(0).unicode();
        if (events_ != nullptr) {
            events_->KeyPress(key);
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
    // The click first moves the current cell (LeaveCell, EnterCell), then reports the button.
    QTableWidget::mousePressEvent(event);
    // A cell clicked half out of view is scrolled in now, before the button is reported; the
    // table's own scroll comes later and would hide the overlay the click opens.
    if (currentIndex().isValid()) {
        scrollTo(currentIndex());
    }
    if (events_ != nullptr && indexAt(event->position().toPoint()).isValid()) {
        const QPoint inGrid = viewport()->mapTo(this, event->position().toPoint());
        events_->MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                           ToTwipsX(inGrid.x()), ToTwipsY(inGrid.y()));
    }
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (events_ != nullptr && indexAt(event->position().toPoint()).isValid()) {
        events_->DblClick();
    }
    event->accept();
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCorner();
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void CMSFlexGrid::PaintCorner() {
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.state = QStyle::State_None | QStyle::State_Raised | QStyle::State_Horizontal;
    option.rect = corner_->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = cornerText_;
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner_);
    corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
}

} // namespace tevano
