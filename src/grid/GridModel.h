// A headless channel grid: the texts of 129 x 13 cells, the current cell, column widths and
// alignment, the cell rectangle in twips and the events, with no display behind it.
#pragma once

#include "grid/GridControl.h"

#include <vector>

namespace tevano {

class GridModel : public GridControl {
public:
    // Sizes as the channel form's grid is designed: 129 rows and 13 columns, one fixed of each.
    static constexpr std::int32_t kDefaultRows = 129;
    static constexpr std::int32_t kDefaultCols = 13;
    // What an unsized column and a row of the 9-point grid font measure, in twips.
    static constexpr std::int32_t kDefaultColWidth = 1110;
    static constexpr std::int32_t kDefaultRowHeight = 285;

    GridModel(std::int32_t rows = kDefaultRows, std::int32_t cols = kDefaultCols);

    std::int32_t Rows() const override { return rows_; }
    std::int32_t Cols() const override { return cols_; }
    std::int32_t Row() const override { return row_; }
    void SetRow(std::int32_t row) override;
    std::int32_t Col() const override { return col_; }
    void SetCol(std::int32_t col) override;
    std::int32_t RowSel() const override { return row_; }
    std::int32_t ColSel() const override { return col_; }

    std::string Text() const override { return TextMatrix(row_, col_); }
    void SetText(const std::string& text) override { SetTextMatrix(row_, col_, text); }

    std::int32_t CellLeft() const override;
    std::int32_t CellTop() const override;
    std::int32_t CellWidth() const override { return ColWidth(col_); }
    std::int32_t CellHeight() const override { return kDefaultRowHeight; }

    void SetColAlignment(std::int32_t col, short alignment) override;
    std::int32_t ColWidth(std::int32_t col) const override;
    void SetColWidth(std::int32_t col, std::int32_t width) override;
    short ColAlignment(std::int32_t col) const;

    std::string TextMatrix(std::int32_t row, std::int32_t col) const override;
    void SetTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) override;

    void Refresh() override { ++refreshCount_; }
    int RefreshCount() const { return refreshCount_; }

    // The first non-fixed row shown below the header; changing it raises Scroll and scrolls
    // unless the event refuses.
    std::int32_t TopRow() const { return topRow_; }
    void SetTopRow(std::int32_t row);

    // User actions, as the display would report them.
    void ClickCell(std::int32_t row, std::int32_t col); // LeaveCell, EnterCell, then MouseDown
    void DoubleClick() { Raise(&GridEvents::DblClick); }
    void TypeKey(std::uint16_t key);

private:
    bool Contains(std::int32_t row, std::int32_t col) const;
    void MoveTo(std::int32_t row, std::int32_t col);
    void Raise(void (GridEvents::*event)());

    std::int32_t rows_;
    std::int32_t cols_;
    std::int32_t row_ = 1;
    std::int32_t col_ = 1;
    std::int32_t topRow_ = 1;
    std::vector<std::string> cells_;
    std::vector<std::int32_t> colWidths_;
    std::vector<short> colAlignments_;
    int refreshCount_ = 0;
};

} // namespace tevano
