// File menu's Import Channels (CSV) and Export Channels (CSV) through the window: the list a
// grid is saved as, the channels an import puts into the grid, and the messages of a refused
// list and of an export that leaves channels out, in both languages.

#include "ProgramFixture.h"
#include "SampleFiles.h"

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
    static void Trigger(ProgramFixture& program, int commandId) {
        QAction* action = program.Frame().Action(commandId);
        QVERIFY(action != nullptr);
        action->trigger();
    }

    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void ClickCell(ProgramFixture& program, int row, int col) {
        CMSFlexGrid& grid = program.Grid();
        const QModelIndex index = grid.model()->index(row - 1, col - 1);
        grid.scrollTo(index);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid.visualRect(index).center());
    }

    static QStringList Row(ProgramFixture& program, int row) {
        QStringList texts;
        for (int col = 1; col <= 12; ++col) {
            texts << program.Cell(row, col);
        }
        return texts;
    }

private slots:
    void exportSavesTheGridWithTheCellBeingEdited() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        program.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.Frame()));

        // Cancelling the file dialog writes nothing and asks nothing.
        Trigger(program, res::cmd::kFileExportCsv);
        QCOMPARE(program.prompts.lastSuggestion, program.Path("sample.csv"));
        QVERIFY(program.prompts.Questions().empty());

        // A name typed into channel 2 and not yet committed goes into the list.
        ClickCell(program, 2, 12);
        QVERIFY(program.View().NameEdit()->isVisible());
        QTest::keyClicks(program.View().NameEdit(), "UHF-2"); // replaces the selected name

        program.prompts.SaveFile(program.Path("list")); // no suffix: ".csv" is added
        Trigger(program, res::cmd::kFileExportCsv);
        QCOMPARE(ReadFile(program.Path("list.csv")),
                 kHeader + "1,CALL,145.000000,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                           "2.50,,5.0W,,,,,\n"
                           "2,UHF-2,439.993750,off,0.000000,Cross,88.5,88.5,023,NN,023,->DTCS,NFM,"
                           "6.25,S,1.0W,,,,,\n");
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(program.Frame().MessageText(),
                 "Exported 2 channels to \"" + program.Path("list.csv") + "\".");
        QVERIFY(!program.View().NameEdit()->isVisible());
    }

    void exportNamesTheChannelsItLeavesOut() {
        ProgramFixture program;
        QVERIFY(program.Start());
        program.Grid().SetTextMatrix(4, 2, "146.00000");
        program.Grid().SetTextMatrix(9, 2, "147.00000");
        program.prompts.SaveFile(program.Path("out.csv"));
        Trigger(program, res::cmd::kFileExportCsv);
        QCOMPARE(ReadFile(program.Path("out.csv")), kHeader);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"Channels 4, 9 have a transmit frequency but no receive frequency "
                             "and were left out: a channel list gives every channel by its "
                             "receive frequency. Give them a receive frequency to export them."});

        // A file that cannot be written is reported and nothing else happens.
        program.prompts.Forget();
        program.prompts.SaveFile(program.Path("no/such/dir/out.csv"));
        Trigger(program, res::cmd::kFileExportCsv);
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
                  "2;rpt;145,600000;-;0,600000;TSQL;67.0;NFM;S;1.0W\r\n"
                  "100;\"A B\";446.00625;;;;;FM;;5.0W\r\n");
        program.prompts.OpenFile(program.Path("in.csv"));
        Trigger(program, res::cmd::kFileImportCsv);
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(Row(program, 1),
                 (QStringList{"145.00000", "145.00000", "OFF", "88.5", "Wide", "Yes", "High",
                              "DTMF", "ON", "Close", "Forward", "CALL"}));
        QCOMPARE(Row(program, 2),
                 (QStringList{"145.60000", "145.00000", "67.0", "67.0", "Narrow", "No", "Low",
                              "DTMF", "ON", "Close", "Forward", "RPT"}));
        QCOMPARE(Row(program, 100),
                 (QStringList{"446.00625", "446.00625", "OFF", "OFF", "Wide", "Yes", "High", "DTMF",
                              "ON", "Close", "Forward", "A B"}));
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
        QVERIFY(program.Start({program.Path("sample.sin")}));
        program.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.Frame()));
        ClickCell(program, 1, 5);
        QVERIFY(program.View().OverlayList(5)->isVisible());
        QCOMPARE(program.View().OverlayList(5)->currentText(), QString("Wide"));
        WriteFile(program.Path("in.csv"), kHeader + "1,CALL,145.000000,,,,,,,,,,NFM\n");
        program.prompts.OpenFile(program.Path("in.csv"));
        Trigger(program, res::cmd::kFileImportCsv);
        QCOMPARE(program.Cell(1, 5), QString("Narrow"));
        ClickCell(program, 1, 5);
        QCOMPARE(program.View().OverlayList(5)->currentText(), QString("Narrow"));
        ClickCell(program, 3, 1);
        QCOMPARE(program.Cell(1, 5), QString("Narrow"));
    }

    void aRefusedListLeavesGridAndDocumentAsTheyWere() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        const QStringList before = Row(program, 1);
        WriteFile(program.Path("bad.csv"), kHeader + "1,NEW,146.000000\n"
                                                     "2,,145.001\n"
                                                     "3,,145.000000,,,,,,,,,,WFM\n");
        program.prompts.OpenFile(program.Path("bad.csv"));
        Trigger(program, res::cmd::kFileImportCsv);
        QCOMPARE(
            program.prompts.Texts(),
            QStringList{"The channel list \"" + program.Path("bad.csv") +
                        "\" was not imported, and nothing was changed. Correct these rows "
                        "and import it again:\n"
                        "Line 3: the receive frequency 145.001 MHz is not a multiple of "
                        "6.25, 5 or 2.5 kHz\n"
                        "Line 4: Mode \"WFM\": the radio has FM (wide) and NFM (narrow) only"});
        QCOMPARE(Row(program, 1), before);
        QCOMPARE(Row(program, 3), QStringList(12, QString()));
        QVERIFY(!program.Document().IsModified());

        // A file that is no channel list, and one that is not there.
        program.prompts.Forget();
        program.prompts.OpenFile(program.Path("sample.sin"));
        program.prompts.OpenFile(program.Path("missing.csv"));
        Trigger(program, res::cmd::kFileImportCsv);
        Trigger(program, res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts().size(), 2);
        QVERIFY(program.prompts.Texts()[0].contains("is not a channel list"));
        QVERIFY(
            program.prompts.Texts()[1].startsWith("Cannot open \"" + program.Path("missing.csv")));
        QVERIFY(!program.Document().IsModified());
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
        Trigger(program, res::cmd::kFileImportCsv);
        QCOMPARE(Row(program, 5), (QStringList{"145.00000", "145.00000", "OFF", "OFF", "窄", "否",
                                               "低", "DTMF", "开", "关闭", "正向", ""}));
        WriteFile(program.Path("bad.csv"), kHeader + "5,,145.000000,,,,,,,,,,AM\n");
        program.prompts.OpenFile(program.Path("bad.csv"));
        Trigger(program, res::cmd::kFileImportCsv);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"频道列表 \"" + program.Path("bad.csv") +
                             "\" 未导入，数据未作任何改动。请改正以下各行后重新导入：\n"
                             "第 2 行：Mode \"AM\"：本机只有 FM（宽带）和 NFM（窄带）"});
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::CsvCommandsTest)
#include "CsvCommandsTest.moc"
