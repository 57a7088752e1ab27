// Moving about a grid of 128 channels: what a scroll does to the cell being edited, and where
// the grid stands when a document comes in.

#include "GridInput.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/TransferRunner.h"

#include "resources/CommandIds.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace tevano::testing {

class GridScrollingTest : public QObject {
    Q_OBJECT

private slots:
    // A wheel turn or a scroll-bar move commits the cell being edited as a click on another cell
    // would; a value the checks refuse keeps its editor over its cell and the grid where it was.
    void scrollingCommitsTheCellBeingEdited() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        ChannelTableView& grid = program.Table();
        QScrollBar* bar = grid.verticalScrollBar();
        program.ClickCell(2, 12);
        Type("KEPT");
        Wheel(program, -120);
        QVERIFY(bar->value() > 0);
        QCOMPARE(program.Cell(2, 12), QString("KEPT"));
        QVERIFY(program.LineEditor() == nullptr);

        // A value the rules refuse is refused on scrolling too, and said.
        program.ClickCell(3, 1);
        Type("600");
        Wheel(program, -120);
        QCOMPARE(program.prompts.Texts(), QStringList{"Error Data Format，Please input again"});
        QCOMPARE(program.Cell(3, 1), QString());
        QVERIFY(program.LineEditor() == nullptr);
    }

    // New, Open, a dropped file and a read show channel 1 at the top with the current cell on
    // it, however far down the user was.
    void aDocumentThatComesInShowsChannelOne() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("sample.sin")});
        QVERIFY(program.StartWithRadio(radio));
        ChannelTableView& grid = program.Table();
        const auto farDown = [&] {
            program.ClickCell(100, 6);
            return grid.verticalScrollBar()->value() > 0 && program.CurrentRow() == 100;
        };
        const auto onChannelOne = [&] {
            return program.CurrentRow() == 1 && program.CurrentCol() == 1 && grid.rowAt(0) == 0 &&
                   grid.currentIndex().row() == 0 && grid.currentIndex().column() == 1;
        };
        QVERIFY(farDown());
        program.prompts.OpenFile(program.Path("sample.sin"));
        program.App().OnCommand(res::cmd::kFileOpen);
        QVERIFY(onChannelOne());
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QVERIFY(farDown());
        program.App().OnCommand(res::cmd::kFileNew);
        QVERIFY(onChannelOne());
        QVERIFY(farDown());
        emit program.Frame().FilesDropped({program.Path("sample.sin")});
        QVERIFY(onChannelOne());
        QVERIFY(farDown());
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.Cell(2, 12), QString("UHF"));
        QVERIFY(onChannelOne());
        QVERIFY(program.ListEditor() == nullptr);
    }

    // The table scrolls a half-shown cell into view a moment after the click; that must not
    // hide the overlay the click opened. The click commits the cell left as any click does: one
    // message for a refused value, not a second one for the scroll.
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::GridScrollingTest)
#include "GridScrollingTest.moc"
