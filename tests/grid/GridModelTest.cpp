#include "grid/GridModel.h"
#include "grid/ChannelGridLayout.h"
#include "grid/ChoiceList.h"
#include "grid/HeadlessChannelForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tevano {
namespace {

class EventLog : public GridEvents {
public:
    explicit EventLog(const GridControl& grid) : grid_(grid) {}
    void EnterCell() override { Add("enter"); }
    void LeaveCell() override { Add("leave"); }
    void MouseDown(short button, short, std::int32_t, std::int32_t) override {
        Add("mouse" + std::to_string(button));
    }
    void KeyPress(std::uint16_t& key) override { Add("key" + std::to_string(key)); }
    bool Scroll() override {
        Add("scroll");
        return true;
    }
    std::vector<std::string> events;

private:
    void Add(const std::string& name) {
        events.push_back(name + "@" + std::to_string(grid_.Row()) + "," +
                         std::to_string(grid_.Col()));
    }
    const GridControl& grid_;
};

TEST(GridModel, MovingTheCurrentCellRaisesLeaveThenEnter) {
    GridModel grid;
    EventLog log(grid);
    grid.SetEventSink(&log);
    EXPECT_EQ(grid.Rows(), 129);
    EXPECT_EQ(grid.Cols(), 13);
    grid.SetRow(5);
    grid.SetCol(3);
    grid.SetCol(3); // no move, no events
    grid.ClickCell(7, 12);
    grid.TypeKey('4');
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"leave@1,1", "enter@5,1", "leave@5,1", "enter@5,3",
                                        "leave@5,3", "enter@7,12", "mouse1@7,12", "key52@7,12"}));
    EXPECT_EQ(grid.RowSel(), 7);
    EXPECT_EQ(grid.ColSel(), 12);
}

TEST(GridModel, MovesOutsideTheGridAreIgnored) {
    GridModel grid;
    EventLog log(grid);
    grid.SetEventSink(&log);
    grid.SetRow(129);
    grid.SetCol(-1);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TextMatrix(200, 0), "");
    grid.SetTextMatrix(200, 0, "x"); // ignored, no crash
    grid.SetTextMatrix(128, 12, "LAST");
    EXPECT_EQ(grid.TextMatrix(128, 12), "LAST");
}

TEST(GridModel, CurrentCellRectangleInTwips) {
    GridModel grid;
    grid.SetColWidth(0, 400);
    grid.SetColWidth(1, 1000);
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(grid.CellLeft(), 1400);
    EXPECT_EQ(grid.CellTop(), 3 * GridModel::kDefaultRowHeight);
    EXPECT_EQ(grid.CellWidth(), GridModel::kDefaultColWidth);
    EXPECT_EQ(grid.CellHeight(), GridModel::kDefaultRowHeight);
    EventLog log(grid);
    grid.SetEventSink(&log);
    grid.SetTopRow(3); // scrolled: row 3 now sits right below the header
    EXPECT_EQ(grid.CellTop(), GridModel::kDefaultRowHeight);
    EXPECT_EQ(log.events, std::vector<std::string>{"scroll@3,2"});
}

TEST(GridLayout, ColumnWidthsAreMultiplesOfW) {
    const auto widths = ColumnWidths(1000);
    const std::array<std::int32_t, 13> expected = {420, 1100, 1100, 850,  850,  900, 850,
                                                   800, 1000, 850,  1000, 1200, 1000};
    EXPECT_EQ(widths, expected);
    // Each product is cut toward zero.
    EXPECT_EQ(ColumnWidths(999)[0], 419);  // 419.58
    EXPECT_EQ(ColumnWidths(999)[1], 1098); // 1098.9
}

TEST(GridLayout, FirstSetUpCentresAndSizesFromColumnTwo) {
    GridModel grid;
    SetUpGridColumns(grid);
    const auto widths = ColumnWidths(GridModel::kDefaultColWidth);
    for (int col = 0; col < 13; ++col) {
        EXPECT_EQ(grid.ColAlignment(col), 4);
        EXPECT_EQ(grid.ColWidth(col), widths[static_cast<std::size_t>(col)]);
    }
}

TEST(GridLayout, HeadersAndChannelNumbers) {
    HeadlessChannelForm form(Language::English);
    RadioImage image{};
    MakeNewImage(image);
    ShowImage(image, form.Form(), Language::English);
    EXPECT_EQ(form.grid.TextMatrix(0, 0), "CH");
    EXPECT_EQ(form.grid.TextMatrix(0, 1), "Rx Frequency");
    EXPECT_EQ(form.grid.TextMatrix(0, 5), " W/N ");
    EXPECT_EQ(form.grid.TextMatrix(0, 8), " Opt Signal");
    EXPECT_EQ(form.grid.TextMatrix(1, 0), "1");
    EXPECT_EQ(form.grid.TextMatrix(128, 0), "128");
    ShowImage(image, form.Form(), Language::Chinese);
    EXPECT_EQ(form.grid.TextMatrix(0, 5), " 宽/窄");
    EXPECT_EQ(form.grid.TextMatrix(0, 11), "中继信令反相");
}

TEST(ChoiceList, OutOfRangePickLeavesNoEntry) {
    ChoiceListModel list({"Open", "Close"});
    list.SetCurSel(1);
    EXPECT_EQ(list.CurrentText(), "Close");
    list.SetCurSel(2);
    EXPECT_EQ(list.CurSel(), -1);
    EXPECT_EQ(list.CurrentText(), "");
    EXPECT_EQ(list.FindPrefix("cl"), 1);
    EXPECT_EQ(list.FindPrefix(""), 0);
    EXPECT_EQ(list.FindPrefix("x"), -1);
    EXPECT_EQ(list.FindExact("OPEN"), 0);
    EXPECT_EQ(list.FindExact("Ope"), -1);
}

} // namespace
} // namespace tevano
