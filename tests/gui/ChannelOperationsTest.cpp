// The channel operations through the window: moving, inserting, deleting, clearing and sorting
// whole channels (the bytes the table does not show and the scan bit going with them), each one
// undo step named in the Edit menu; copy and paste exact between windows and as a spreadsheet's
// columns; pastes refused; filling a column; and what is said when there is nothing to do.

#include "GridInput.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "grid/ChannelBlocks.h"
#include "grid/ChannelWords.h"
#include "grid/ui/GridUndo.h"
#include "grid/csv/CsvClipboard.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace tevano::testing {

class ChannelOperationsTest : public QObject {
    Q_OBJECT

private:
    // The sample file (channels 1 and 2) with a third channel and a byte no column shows.
    static bool StartWithChannels(ProgramFixture& program) {
        WriteSampleFile(program.Path("sample.sin"));
        if (!program.StartActive({program.Path("sample.sin")})) {
            return false;
        }
        RadioImage& image = program.Document().Image();
        image[ChannelOffset(2) + 15] = 0x5A; // kept by the radio, shown nowhere
        WriteChannelTexts(program, 3, "146.52000", "SIMPLX");
        program.View().ImageChanged();
        program.View().Undo().Reset();
        return true;
    }

    static void WriteChannelTexts(ProgramFixture& program, int channel, const char* rx,
                                  const char* name) {
        program.Table().GoTo(channel, kColRxFrequency);
        program.Table().model()->setData(program.Table().currentIndex(), QString(rx));
        program.Table().GoTo(channel, kColName);
        program.Table().model()->setData(program.Table().currentIndex(), QString(name));
    }

private slots:
    void movingAChannelTakesItsWholeRecordAndIsOneNamedStep() {
        ProgramFixture program;
        QVERIFY(StartWithChannels(program));
        const RadioImage before = program.Document().Image();
        const WholeChannel two = TakeChannel(before, 2);
        program.Table().SelectChannels({2, 3});
        program.Trigger(res::cmd::kMoveChannelsDown);
        const RadioImage& moved = program.Document().Image();
        QVERIFY(TakeChannel(moved, 3) == two); // byte 15 and the scan bit included
        QVERIFY(TakeChannel(moved, 4) == TakeChannel(before, 3));
        QVERIFY(!TakeChannel(moved, 2).Used());
        QCOMPARE(program.Frame().MessageText(), QString("Moved channels 2-3 to 3-4."));
        QCOMPARE(program.Table().SelectedChannels(), (std::vector<int>{3, 4}));
        program.App().UpdateCommandUi();
        QCOMPARE(program.Frame().Action(res::cmd::kEditUndo)->text(),
                 QString("&Undo Move Channels"));

        program.Trigger(res::cmd::kEditUndo);
        QVERIFY(program.Document().Image() == before);
        QVERIFY(!program.Document().IsModified());
        program.Trigger(res::cmd::kEditRedo);
        QVERIFY(TakeChannel(program.Document().Image(), 3) == two);

        // Up from channel 1 is refused, and said.
        program.Table().SelectChannels({1});
        program.Trigger(res::cmd::kMoveChannelsUp);
        QCOMPARE(program.Frame().MessageText(), QString("The channels cannot move further."));
    }

    void insertDeleteClearAndSort() {
        ProgramFixture program;
        QVERIFY(StartWithChannels(program));
        const RadioImage before = program.Document().Image();
        program.Table().SelectChannels({1, 2});
        program.Trigger(res::cmd::kInsertChannels);
        QCOMPARE(program.Cell(1, kColRxFrequency), QString());
        QVERIFY(TakeChannel(program.Document().Image(), 4) == TakeChannel(before, 2));
        QCOMPARE(program.Frame().MessageText(), QString("Inserted empty channels 1-2."));

        program.Table().SelectChannels({1, 2});
        program.Trigger(res::cmd::kDeleteChannels);
        for (int channel = 1; channel <= 3; ++channel) {
            QVERIFY(TakeChannel(program.Document().Image(), channel) ==
                    TakeChannel(before, channel));
        }

        program.Table().SelectChannels({2});
        program.Trigger(res::cmd::kEditClear);
        QVERIFY(!TakeChannel(program.Document().Image(), 2).Used());
        program.Trigger(res::cmd::kEditClear); // now empty: nothing to do, and said
        QCOMPARE(program.Frame().MessageText(), QString("Channels 2 are empty: nothing to do."));
        program.Trigger(res::cmd::kEditUndo);
        QVERIFY(TakeChannel(program.Document().Image(), 2) == TakeChannel(before, 2));

        // One cell selected: all channels, by name (CALL, SIMPLX, UHF), used ones first.
        program.Table().GoTo(1, kColName);
        program.Trigger(res::cmd::kSortByName);
        QCOMPARE(program.Cell(1, kColName), QString("CALL"));
        QCOMPARE(program.Cell(2, kColName), QString("SIMPLX"));
        QCOMPARE(program.Cell(3, kColName), QString("UHF"));
        QVERIFY(TakeChannel(program.Document().Image(), 3) == TakeChannel(before, 2));

        // Inserting would push a used channel past 128: refused with a message.
        WriteChannelTexts(program, 128, "145.50000", "LAST");
        program.Table().SelectChannels({5});
        program.prompts.Forget();
        const RadioImage full = program.Document().Image();
        program.Trigger(res::cmd::kInsertChannels);
        QCOMPARE(program.prompts.Texts().size(), 1);
        QVERIFY(program.prompts.Texts().front().startsWith("Inserting 1 channels would push"));
        QVERIFY(program.Document().Image() == full);
    }

    // Copied in one window and pasted in another, channels come over byte for byte; over used
    // channels only when the user says so.
    void copyAndPasteBetweenWindowsIsExact() {
        RadioImage copied{};
        {
            ProgramFixture program;
            QVERIFY(StartWithChannels(program));
            copied = program.Document().Image();
            program.Table().SelectChannels({1, 2, 3});
            program.Trigger(res::cmd::kEditCopy);
            QCOMPARE(program.Frame().MessageText(), QString("Copied channels 1-3."));
            const QMimeData* data = QApplication::clipboard()->mimeData();
            QVERIFY(data->hasFormat(kChannelsMimeType));
            QVERIFY(data->text().startsWith("Location\tName\tFrequency"));
        }
        ProgramFixture other;
        QVERIFY(other.StartActive());
        WriteChannelTexts(other, 11, "150.00000", "KEEP");
        other.Table().SelectChannels({10});
        other.prompts.Answer(Answer::No);
        other.Trigger(res::cmd::kEditPaste);
        QCOMPARE(other.prompts.Texts(),
                 QStringList{"The paste overwrites 1 used channels from channel 10 on. Paste anyway?"});
        QCOMPARE(other.Cell(11, kColName), QString("KEEP"));
        other.prompts.Answer(Answer::Yes);
        other.Trigger(res::cmd::kEditPaste);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(TakeChannel(other.Document().Image(), 10 + i) == TakeChannel(copied, 1 + i));
        }
        QCOMPARE(other.Frame().MessageText(), QString("Pasted into channels 10-12."));

        // From channel 127 three channels do not fit: refused before anything changes.
        const RadioImage before = other.Document().Image();
        other.prompts.Forget();
        other.Table().SelectChannels({127});
        other.Trigger(res::cmd::kEditPaste);
        QCOMPARE(other.prompts.Texts().size(), 1);
        QVERIFY(other.prompts.Texts().front().startsWith("The clipboard holds 3 channels, but"));
        QVERIFY(other.Document().Image() == before);
    }

    // A spreadsheet's rows, with the header line or in the export's column order without it.
    void spreadsheetTextPastesThroughTheListRules() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        const QString header = "Location\tName\tFrequency\tDuplex\tOffset\n";
        for (const QString& text : {header + "1\tREP\t146.940000\t-\t0.600000\n",
                                    QString("1\tREP\t146.940000\t-\t0.600000\n")}) {
            QApplication::clipboard()->setText(text);
            program.Table().SelectChannels({20});
            program.prompts.Answer(Answer::Yes);
            program.Trigger(res::cmd::kEditPaste);
            QCOMPARE(program.Cell(20, kColRxFrequency), QString("146.94000"));
            QCOMPARE(program.Cell(20, kColTxFrequency), QString("146.34000"));
            QCOMPARE(program.Cell(20, kColName), QString("REP"));
            program.Trigger(res::cmd::kEditUndo);
            QCOMPARE(program.Cell(20, kColRxFrequency), QString());
        }

        // Text that is no channel list changes nothing and says so.
        program.prompts.Forget();
        QApplication::clipboard()->setText("Dear dealer,\nplease find the list attached.\n");
        program.Trigger(res::cmd::kEditPaste);
        QCOMPARE(program.prompts.Texts().size(), 1);
        QVERIFY(program.prompts.Texts().front().startsWith("The clipboard holds no channels."));
        QVERIFY(!program.Document().IsModified());
    }

    // One value typed with Enter goes into the selected cells of its column, through the rules;
    // a channel that refuses it keeps what it had and is named.
    void fillingAColumnListsTheChannelsThatRefused() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        WriteChannelTexts(program, 1, "145.00000", "A");
        WriteChannelTexts(program, 2, "520.90000", "B");
        WriteChannelTexts(program, 3, "146.52000", "C");
        program.View().Undo().Reset();
        ChannelTableView& table = program.Table();
        const QItemSelection cells(Index(program, 1, kColTxFrequency),
                                   Index(program, 4, kColTxFrequency));
        table.GoTo(1, kColTxFrequency);
        table.selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
        table.setFocus();
        QTest::keyClick(&table, '+'); // a signed number: an offset from the receive frequency
        QVERIFY(program.LineEditor() != nullptr);
        Type("0.6");
        Enter();
        QCOMPARE(program.Cell(1, kColTxFrequency), QString("145.60000"));
        QCOMPARE(program.Cell(2, kColTxFrequency), QString("520.90000")); // 521.5 is refused
        QCOMPARE(program.Cell(3, kColTxFrequency), QString("147.12000"));
        QCOMPARE(program.Cell(4, kColTxFrequency), QString()); // empty: not in use
        QCOMPARE(program.prompts.Texts().back(),
                 QString("Tx Frequency: channels 2 did not take the value and keep what they had."));
        QCOMPARE(Focus(), static_cast<QWidget*>(&table));
        program.Trigger(res::cmd::kEditUndo);
        QCOMPARE(program.Cell(1, kColTxFrequency), QString("145.00000"));
        QCOMPARE(program.Cell(3, kColTxFrequency), QString("146.52000"));
    }

    // Cells of one column go into that column only; a click on channel numbers selects whole
    // channels, Shift+click up to another.
    void columnsAndWholeChannelsAreSelectedAsInAnyTable() {
        ProgramFixture program;
        QVERIFY(StartWithChannels(program));
        ChannelTableView& table = program.Table();
        table.GoTo(1, kColName);
        table.selectionModel()->select(
            QItemSelection(Index(program, 1, kColName), Index(program, 2, kColName)),
            QItemSelectionModel::ClearAndSelect);
        program.Trigger(res::cmd::kEditCopy);
        QCOMPARE(QApplication::clipboard()->text(), QString("CALL\nUHF"));
        table.SelectChannels({3});
        program.Trigger(res::cmd::kEditPaste);
        QCOMPARE(program.Cell(3, kColRxFrequency), QString("146.52000"));
        QCOMPARE(program.Cell(3, kColName), QString("CALL"));
        QCOMPARE(program.Cell(4, kColName), QString("UHF"));
        QCOMPARE(program.Cell(4, kColRxFrequency), QString()); // a name alone, as typed

        const auto numberOf = [&](int channel) {
            return table.visualRect(table.model()->index(channel - 1, 0)).center();
        };
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, numberOf(2));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ShiftModifier, numberOf(4));
        QCOMPARE(table.SelectedChannels(), (std::vector<int>{2, 3, 4}));
        QCOMPARE(table.selectionModel()->selectedIndexes().size(), 3 * 12);
        QVERIFY(program.Editor() == nullptr);
    }

    void nothingSelectedToCopyIsSaid() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.Table().SelectChannels({5, 6});
        program.Trigger(res::cmd::kEditCopy);
        QCOMPARE(program.Frame().MessageText(), QString("Channels 5-6 are empty: nothing to do."));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::ChannelOperationsTest)
#include "ChannelOperationsTest.moc"
