// The channel grid on screen: a Qt table behind the grid operations the program uses. Row 0 and
// column 0 are the fixed header row and column; cell positions are reported in twips.
#pragma once

#include "grid/GridControl.h"

#include <QTableWidget>

#include <vector>

class QAbstractButton;
class QScrollBar;

namespace tevano {

class CMSFlexGrid : public QTableWidget, public GridControl {
    Q_OBJECT

public:
    explicit CMSFlexGrid(QWidget* parent, std::int32_t rows = 129, std::int32_t cols = 13);

    // The width a column has before any width is set; the channel form's widths are multiples of
    // it, so it is chosen to make the columns fill the given width (pixels) exactly.
    void SetUnsizedColumnWidth(int pixels);
    void SetRowHeight(int pixels);

    std::int32_t Rows() const override { return rowCount() + 1; }
    std::int32_t Cols() const override { return columnCount() + 1; }
    std::int32_t Row() const override { return row_; }
    void SetRow(std::int32_t row) override { MoveTo(row, col_); }
    std::int32_t Col() const override { return col_; }
    void SetCol(std::int32_t col) override { MoveTo(row_, col); }
    std::int32_t RowSel() const override { return row_; }
    std::int32_t ColSel() const override { return col_; }

    std::string Text() const override { return TextMatrix(row_, col_); }
    void SetText(const std::string& text) override { SetTextMatrix(row_, col_, text); }

    std::int32_t CellLeft() const override;
    std::int32_t CellTop() const override;
    std::int32_t CellWidth() const override;
    std::int32_t CellHeight() const override;

    void SetColAlignment(std::int32_t col, short alignment) override;
    std::int32_t ColWidth(std::int32_t col) const override;
    void SetColWidth(std::int32_t col, std::int32_t width) override;

    std::string TextMatrix(std::int32_t row, std::int32_t col) const override;
    void SetTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) override;

    void Refresh() override;

    // Pixels and twips of this screen, horizontally and vertically.
    std::int32_t ToTwipsX(int pixels) const;
    std::int32_t ToTwipsY(int pixels) const;
    int ToPixelsX(std::int32_t twips) const;
    int ToPixelsY(std::int32_t twips) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveTo(std::int32_t row, std::int32_t col);
    void OnScrolled(QScrollBar& bar);
    void OnCurrentCellChanged(int row, int col);
    void PaintCorner();
    Qt::Alignment ColumnAlignment(std::int32_t col) const;

    std::int32_t row_ = 1;
    std::int32_t col_ = 1;
    bool movingFromCode_ = false;
    // The scroll bars' values the editor last agreed to, and whether it is being asked.
    int shownTop_ = 0;
    int shownLeft_ = 0;
    bool checkingScroll_ = false;
    QString cornerText_;
    QAbstractButton* corner_ = nullptr;
    std::vector<short> alignments_;
    int unsizedColumnWidth_ = 64;
};

} // namespace tevano
