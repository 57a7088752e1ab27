// File menu's Import Channels (CSV) and Export Channels (CSV) through the window: the list a
// grid is saved as, the channels an import puts into the grid, the question of a list with rows
// that cannot be taken as they are, placement from a channel, and the messages of a refused
// list, of channels outside the band and of an export that leaves channels out, in both
// languages.

#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "grid/Channel.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace tevano::testing {

namespace {

const QByteArray kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                           "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                           "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

} // namespace

class CsvCommandsTest : public QObject {
    Q_OBJECT

private:
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void exportSavesTheGridWithTheCellBeingEdited() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));

        // Cancelling the file dialog writes nothing and asks nothing.
        program.Trigger(res::cmd::kFileExportCsv);
        QCOMPARE(program.prompts.lastSuggestion, program.Path("sample.csv"));
        QVERIFY(program.prompts.Questions().empty());

        // A name typed into channel 2 and not yet committed goes into the list.
        program.ClickCell(2, 12);
        QVERIFY(program.LineEditor() != nullptr);
        QTest::keyClicks(program.LineEditor(), "UHF-2"); // replaces the selected name

        program.prompts.SaveFile(program.Path("list")); // no suffix: ".csv" is added
        program.Trigger(res::cmd::kFileExportCsv);
        QCOMPARE(ReadFile(program.Path("list.csv")),
                 kHeader + "1,CALL,145.000000,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                           "5.00,,5.0W,,,,,\n"
                           "2,UHF-2,439.993750,off,0.000000,Cross,88.5,88.5,023,NN,023,->DTCS,NFM,"
                           "6.25,S,1.0W,,,,,\n");
        QVERIFY(program.prompts.Questions().empty());
        const QString exported = "Exported 2 channels to \"" + program.Path("list.csv") + "\".";
        QCOMPARE(program.Frame().MessageText(), exported);
        QVERIFY(program.LineEditor() == nullptr);

        // The word stays while the mouse goes over the form, and gives way after a click.
        QWidget* grid = program.Table().viewport();
        QTest::mouseMove(grid, grid->rect().center());
        QCOMPARE(program.Frame().MessageText(), exported);
        QWidget* other = program.View().Control(2003);
        QTest::mouseClick(other, Qt::LeftButton);
        QTest::mouseMove(other, other->rect().topLeft() + QPoint(2, 2));
        QCOMPARE(program.Frame().MessageText(), QString("For help，please press F1"));
    }

    void exportNamesTheChannelsItLeavesOut() {
        ProgramFixture program;
        QVERIFY(program.Start());
        for (const auto& [channel, tx] : {std::pair{4, 14600000U}, std::pair{9, 14700000U}}) {
            Channel transmitOnly;
            transmitOnly.tx = tx;
            WriteChannel(transmitOnly, channel, program.Document().Image());
        }
        program.prompts.SaveFile(program.Path("out.csv"));
        program.Trigger(res::cmd::kFileExportCsv);
        QCOMPARE(ReadFile(program.Path("out.csv")), kHeader);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"Channels 4, 9 have a transmit frequency but no receive frequency "
                             "and were left out: a channel list gives every channel by its "
                             "receive frequency. Give them a receive frequency to export them."});

        // A file that cannot be written is reported and nothing else happens.
        program.prompts.Forget();
        program.prompts.SaveFile(program.Path("no/such/dir/out.csv"));
        program.Trigger(res::cmd::kFileExportCsv);
        QCOMPARE(program.prompts.Texts().size(), 1);
        QVERIFY(program.prompts.Texts().first().startsWith("Cannot save \"" +
                                                           program.Path("no/such/dir/out.csv")));
    }

    void importPutsEveryRowIntoTheGrid() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        WriteFile(program.Path("in.csv"),
                  "Location;Name;Frequency;Duplex;Offset;Tone;cToneFreq;Mode;Skip;Power\r\n"
                  "2;rpt;145,600000;-;0,600000;TSQL;67;NFM;S;1.0W\r\n" // 67 is the tone 67.0
                  "100;\"A B\";446.00625;;;;;FM;;5.0W\r\n");
        program.prompts.OpenFile(program.Path("in.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.lastOption,
                 QString("Place channels from channel %1 in file order"));
        // Taken, and named for lying outside the "Field" band, after the import.
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The channels were imported. These lie outside the band chosen in "
                             "the \"Field\" list; pick the radio's band there, or check these "
                             "rows:\n"
                             "Line 3: channel 100's receive frequency 446.00625 MHz and transmit "
                             "frequency 446.00625 MHz are outside the \"Field\" band 134 - "
                             "176MHz"});
        QCOMPARE(program.Row(1),
                 (QStringList{"145.00000", "145.00000", "OFF", "88.5", "Wide", "Yes", "High",
                              "DTMF", "ON", "Close", "Forward", "CALL"}));
        // Channel 2 was there: it keeps what a list does not carry.
        QCOMPARE(program.Row(2),
                 (QStringList{"145.60000", "145.00000", "67.0", "67.0", "Narrow", "No", "Low",
                              "None", "OFF", "Carrier", "Reverse", "RPT"}));
        QCOMPARE(program.Row(100),
                 (QStringList{"446.00625", "446.00625", "OFF", "OFF", "Wide", "Yes", "High", "None",
                              "OFF", "Close", "Forward", "A B"}));
        QVERIFY(program.Document().IsModified());
        QCOMPARE(program.Frame().MessageText(),
                 "Imported 2 channels from \"" + program.Path("in.csv") + "\".");

        // Saved, the imported channels are in the file as the grid shows them.
        program.App().OnCommand(res::cmd::kFileSave);
        QVERIFY(!program.Document().IsModified());
        const QByteArray saved = ReadFile(program.Path("sample.sin"));
        QCOMPARE(saved.mid(16, 4), QByteArray("\x00\x00\x56\x14", 4)); // 145.60000 MHz
    }

    // The list of the cell the user was on shows the imported word, and leaving keeps it.
    void theCurrentCellsListFollowsTheImport() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(1, 5);
        QVERIFY(program.ListEditor() != nullptr);
        QCOMPARE(program.ListEditor()->currentText(), QString("Wide"));
        WriteFile(program.Path("in.csv"), kHeader + "1,CALL,145.000000,,,,,,,,,,NFM\n");
        program.prompts.OpenFile(program.Path("in.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.Cell(1, 5), QString("Narrow"));
        program.ClickCell(1, 5);
        QCOMPARE(program.ListEditor()->currentText(), QString("Narrow"));
        program.ClickCell(3, 1);
        QCOMPARE(program.Cell(1, 5), QString("Narrow"));
    }

    // Some rows refused and a name too long: the question lists them; No changes nothing, Yes
    // takes the accepted rows with the name cut, as one step of Undo.
    void aListWithRefusedRowsAsksFirst() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        const QStringList before = program.Row(1);
        WriteFile(program.Path("bad.csv"), kHeader + "1,NEW,146.000000\n"
                                                     "2,,145.001\n"
                                                     "3,Repeater,145.000000,,,,,,,,,,WFM\n"
                                                     "4,Repeater,145.000000\n");
        const QString question =
            "Not every row of the channel list \"" + program.Path("bad.csv") +
            "\" can be imported as it is:\n"
            "Line 3: the receive frequency 145.001 MHz is not a multiple of 6.25, 5 or 2.5 kHz\n"
            "Line 4: Mode \"WFM\": the radio has FM (wide) and NFM (narrow) only\n"
            "Line 5: Name \"Repeater\" is longer than a channel name's 6 characters and becomes "
            "\"REPEAT\"\n\n"
            "Import the 2 accepted rows and skip the 2 refused ones?";
        program.prompts.OpenFile(program.Path("bad.csv"));
        program.prompts.Answer(Answer::No);
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts(), QStringList{question});
        QCOMPARE(program.prompts.Questions().front().buttons, Buttons::YesNo);
        QCOMPARE(program.Row(1), before);
        QCOMPARE(program.Row(4), QStringList(12, QString()));
        QVERIFY(!program.Document().IsModified());

        program.prompts.Forget();
        program.prompts.OpenFile(program.Path("bad.csv"));
        program.prompts.Answer(Answer::Yes);
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts(), QStringList{question});
        QCOMPARE(program.Cell(1, 12), QString("NEW"));
        QCOMPARE(program.Cell(4, 12), QString("REPEAT"));
        QCOMPARE(program.Row(3), QStringList(12, QString()));
        QVERIFY(program.Document().IsModified());
        program.App().OnCommand(res::cmd::kEditUndo);
        QCOMPARE(program.Row(1), before);
        QCOMPARE(program.Row(4), QStringList(12, QString()));
        QVERIFY(!program.Document().IsModified());

        // With no row to take, the list is refused and nothing is asked.
        program.prompts.Forget();
        WriteFile(program.Path("none.csv"), kHeader + "1,,145.001\n");
        program.prompts.OpenFile(program.Path("none.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The channel list \"" + program.Path("none.csv") +
                             "\" was not imported, and nothing was changed. Correct these rows "
                             "and import it again:\n"
                             "Line 2: the receive frequency 145.001 MHz is not a multiple of "
                             "6.25, 5 or 2.5 kHz"});
        QCOMPARE(program.Row(1), before);

        // A file that is no channel list, and one that is not there.
        program.prompts.Forget();
        program.prompts.OpenFile(program.Path("sample.sin"));
        program.prompts.OpenFile(program.Path("missing.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts().size(), 2);
        QVERIFY(program.prompts.Texts()[0].contains("is not a channel list"));
        QVERIFY(
            program.prompts.Texts()[1].startsWith("Cannot open \"" + program.Path("missing.csv")));
        QVERIFY(!program.Document().IsModified());
    }

    // The open dialog's option places the rows from a channel in file order; past 128 they are
    // refused, and the question says so.
    void placedFromAChannel() {
        ProgramFixture program;
        QVERIFY(program.Start());
        WriteFile(program.Path("list.csv"), "Name,Frequency\nA,145\nB,146\nC,147\n");
        program.prompts.OpenFileWithNumber(program.Path("list.csv"), 127);
        program.prompts.Answer(Answer::Yes);
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts().size(), 1);
        QVERIFY(program.prompts.Texts()[0].contains(
            "\nLine 4: placed in file order from channel 127, this row would go to channel 129, "
            "past the last channel 128\n\nImport the 2 accepted rows and skip the refused one?"));
        QCOMPARE(program.Cell(127, 12), QString("A"));
        QCOMPARE(program.Cell(128, 12), QString("B"));

        // Without the option, a list without Location goes to channel 1 on.
        program.prompts.Forget();
        program.prompts.OpenFile(program.Path("list.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QVERIFY(program.prompts.Texts().empty());
        QCOMPARE(program.Cell(1, 12), QString("A"));
        QCOMPARE(program.Cell(3, 12), QString("C"));
    }

    void chineseWordsAndMessages() {
        ProgramFixture program;
        QVERIFY(program.Start());
        program.prompts.Answer(Answer::Yes);
        program.App().OnCommand(res::cmd::kSwitchLanguage);
        QVERIFY(!IsEnglish());
        program.prompts.Forget();
        WriteFile(program.Path("in.csv"), kHeader + "5,,145.000000,,,,,,,,,,NFM,,S,1.0W\n");
        program.prompts.OpenFile(program.Path("in.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.Row(5), (QStringList{"145.00000", "145.00000", "OFF", "OFF", "窄", "否",
                                              "低", "无", "关", "关闭", "正向", ""}));
        WriteFile(program.Path("bad.csv"), kHeader + "5,,145.000000,,,,,,,,,,AM\n");
        program.prompts.OpenFile(program.Path("bad.csv"));
        program.Trigger(res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"频道列表 \"" + program.Path("bad.csv") +
                             "\" 未导入，数据未作任何改动。请改正以下各行后重新导入：\n"
                             "第 2 行：Mode \"AM\"：本机只有 FM（宽带）和 NFM（窄带）"});
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::CsvCommandsTest)
#include "CsvCommandsTest.moc"
