#include "grid/GridModel.h"

#include <algorithm>

namespace tevano {

GridModel::GridModel(std::int32_t rows, std::int32_t cols)
    : rows_(std::max(rows, 1)), cols_(std::max(cols, 1)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)),
      colWidths_(static_cast<std::size_t>(cols_), -1),
      colAlignments_(static_cast<std::size_t>(cols_), 0) {
    row_ = std::min<std::int32_t>(1, rows_ - 1);
    col_ = std::min<std::int32_t>(1, cols_ - 1);
}

bool GridModel::Contains(std::int32_t row, std::int32_t col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

void GridModel::Raise(void (GridEvents::*event)()) {
    if (events_ != nullptr) {
        (events_->*event)();
    }
}

void GridModel::MoveTo(std::int32_t row, std::int32_t col) {
    if (!Contains(row, col) || (row == row_ && col == col_)) {
        return;
    }
    Raise(&GridEvents::LeaveCell);
    row_ = row;
    col_ = col;
    Raise(&GridEvents::EnterCell);
}

void GridModel::SetRow(std::int32_t row) {
    MoveTo(row, col_);
}

void GridModel::SetCol(std::int32_t col) {
    MoveTo(row_, col);
}

std::int32_t GridModel::CellLeft() const {
    std::int32_t left = 0;
    for (std::int32_t c = 0; c < col_; ++c) {
        left += ColWidth(c);
    }
    return left;
}

std::int32_t GridModel::CellTop() const {
    // The fixed header row stays in place; the other rows move with the scroll position.
    if (row_ == 0) {
        return 0;
    }
    return (1 + row_ - topRow_) * kDefaultRowHeight;
}

void GridModel::SetColAlignment(std::int32_t col, short alignment) {
    if (col >= 0 && col < cols_) {
        colAlignments_[static_cast<std::size_t>(col)] = alignment;
    }
}

short GridModel::ColAlignment(std::int32_t col) const {
    return col >= 0 && col < cols_ ? colAlignments_[static_cast<std::size_t>(col)] : 0;
}

std::int32_t GridModel::ColWidth(std::int32_t col) const {
    if (col < 0 || col >= cols_) {
        return 0;
    }
    const std::int32_t width = colWidths_[static_cast<std::size_t>(col)];
    return width < 0 ? kDefaultColWidth : width;
}

void GridModel::SetColWidth(std::int32_t col, std::int32_t width) {
    if (col >= 0 && col < cols_) {
        colWidths_[static_cast<std::size_t>(col)] = width;
    }
}

std::string GridModel::TextMatrix(std::int32_t row, std::int32_t col) const {
    if (!Contains(row, col)) {
        return std::string();
    }
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                  static_cast<std::size_t>(col)];
}

void GridModel::SetTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) {
    if (Contains(row, col)) {
        cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col)] = text;
    }
}

void GridModel::SetTopRow(std::int32_t row) {
    row = std::clamp<std::int32_t>(row, 1, std::max<std::int32_t>(rows_ - 1, 1));
    if (row != topRow_ && (events_ == nullptr || events_->Scroll())) {
        topRow_ = row;
    }
}

void GridModel::ClickCell(std::int32_t row, std::int32_t col) {
    MoveTo(row, col);
    if (events_ != nullptr) {
        events_->MouseDown(1, 0, CellLeft(), CellTop());
    }
}

void GridModel::TypeKey(std::uint16_t key) {
    if (events_ != nullptr) {
        events_->KeyPress(key);
    }
}

} // namespace tevano
