// The operations the program uses on the channel grid: cell addressing, the current cell and its
// rectangle in twips, column widths and alignment, and the events the grid raises. Decode, encode
// and editing talk to this interface only; a headless model and the Qt grid both implement it.
#pragma once

#include <cstdint>
#include <string>

namespace tevano {

// Receives the grid's events. LeaveCell always comes before EnterCell when the current cell moves.
class GridEvents {
public:
    virtual ~GridEvents() = default;
    virtual void EnterCell() {}
    virtual void LeaveCell() {}
    virtual void KeyPress(std::uint16_t& /*key*/) {}
    virtual void DblClick() {}
    // button 1 left, 2 right, 4 middle; x and y in twips inside the control
    virtual void MouseDown(short /*button*/, short /*shift*/, std::int32_t /*x*/,
                           std::int32_t /*y*/) {}
    // Raised as the grid scrolls to show other rows or columns; false keeps it where it was.
    virtual bool Scroll() { return true; }
};

class GridControl {
public:
    static constexpr short kAlignCenterCenter = 4;

    virtual ~GridControl() = default;

    virtual std::int32_t Rows() const = 0;
    virtual std::int32_t Cols() const = 0;

    // The current cell; putting Row or Col moves it and raises LeaveCell, then EnterCell.
    virtual std::int32_t Row() const = 0;
    virtual void SetRow(std::int32_t row) = 0;
    virtual std::int32_t Col() const = 0;
    virtual void SetCol(std::int32_t col) = 0;
    virtual std::int32_t RowSel() const = 0;
    virtual std::int32_t ColSel() const = 0;

    // Text of the current cell.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;

    // Rectangle of the current cell inside the control, in twips (1/1440 inch).
    virtual std::int32_t CellLeft() const = 0;
    virtual std::int32_t CellTop() const = 0;
    virtual std::int32_t CellWidth() const = 0;
    virtual std::int32_t CellHeight() const = 0;

    virtual void SetColAlignment(std::int32_t col, short alignment) = 0;
    virtual std::int32_t ColWidth(std::int32_t col) const = 0;
    virtual void SetColWidth(std::int32_t col, std::int32_t width) = 0;

    // Text of any cell; out-of-range cells read as empty and ignore writes.
    virtual std::string TextMatrix(std::int32_t row, std::int32_t col) const = 0;
    virtual void SetTextMatrix(std::int32_t row, std::int32_t col, const std::string& text) = 0;

    virtual void Refresh() = 0;

    // Where the events go; nullptr drops them.
    void SetEventSink(GridEvents* sink) { events_ = sink; }

protected:
    GridEvents* events_ = nullptr;
};

} // namespace tevano
