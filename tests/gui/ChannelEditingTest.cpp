// Editing channels on the desktop program's grid as a user does: clicking cells, typing,
// pressing Enter, picking from the lists, with the messages answered by the script.

#include "GridInput.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tevano::testing {

class ChannelEditingTest : public QObject {
    Q_OBJECT

private slots:
    // The list on the current cell was loaded from the old document; a new document under it
    // must not be overwritten by that old word when the cell is opened and left again.
    void theCurrentCellShowsTheNewDocumentAfterOpen() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(1, 1);
        QCOMPARE(program.LineEditor()->text(), QString("145.00000"));
        program.View().Commit(); // the edit closes, the cell stays current
        // Channel 1 of the second document receives on 146.52 MHz.
        QVERIFY(program.Document().OnOpenDocument(program.Path("sample.sin")).Ok());
        const std::uint8_t rx[] = {0x00, 0x20, 0x65, 0x14};
        std::copy(std::begin(rx), std::end(rx), program.Document().Image().begin());
        program.View().OnInitialUpdate();
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
        QCOMPARE(program.CurrentRow(), 1);
        QCOMPARE(program.CurrentCol(), 1);
        QTest::mouseDClick(program.Table().viewport(), Qt::LeftButton, Qt::NoModifier,
                           program.Table().visualRect(Index(program, 1, 1)).center());
        QCOMPARE(program.LineEditor()->text(), QString("146.52000"));
        program.View().Commit();
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
    }

    void typedFrequencyFillsANewChannelAndEnterWalksOn() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(3, 1);
        QLineEdit* edit = program.LineEditor();
        QVERIFY(edit->isVisible());
        QCOMPARE(Focus(), edit);
        Type("145.0125");
        Enter();
        QCOMPARE(program.Row(3), (QStringList{"145.01250", "145.01250", "OFF", "OFF", "Wide", "Yes",
                                              "High", "DTMF", "ON", "Close", "Forward", ""}));
        // Enter opened the transmit frequency with its text, all selected.
        edit = program.LineEditor();
        QVERIFY(edit != nullptr);
        QCOMPARE(Focus(), edit);
        QCOMPARE(program.CurrentCol(), 2);
        QCOMPARE(edit->selectedText(), QString("145.01250"));
        QVERIFY(program.Document().IsModified());
        QVERIFY(program.prompts.Questions().empty());

        Enter(); // on to the receive tone
        QCOMPARE(Focus(), program.ListEditor());
        Type("88.5");
        Enter();
        QCOMPARE(program.Cell(3, 3), QString("88.5"));
        QCOMPARE(Focus(), program.ListEditor());
        QCOMPARE(program.CurrentCol(), 4);
    }

    // The keys of any table: Escape drops the typing, Up and Down in an edit commit and move,
    // F2 opens any cell's editor, named by its channel and column; the focus stays in the grid.
    void escapeArrowsAndF2WorkAsInAnyTable() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        ChannelTableView& grid = program.Table();
        program.ClickCell(1, 1);
        QLineEdit* edit = program.LineEditor();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->accessibleName(), QString("Channel 1, Rx Frequency"));
        QVERIFY(grid.isAncestorOf(edit));
        Type("146.52");
        QTest::keyClick(Focus(), Qt::Key_Escape);
        QVERIFY(program.Editor() == nullptr);
        QCOMPARE(program.Cell(1, 1), QString());
        QCOMPARE(Focus(), static_cast<QWidget*>(&grid));

        program.ClickCell(1, 1);
        Type("146.52");
        QTest::keyClick(Focus(), Qt::Key_Down);
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
        QCOMPARE(program.CurrentRow(), 2);
        QCOMPARE(Focus(), static_cast<QWidget*>(&grid));
        program.ClickCell(2, 1);
        Type("146.521"); // off the channel steps: refused and said, the cell emptied
        QTest::keyClick(Focus(), Qt::Key_Up);
        QCOMPARE(program.prompts.Texts().size(), 1);
        QCOMPARE(program.Cell(2, 1), QString());
        QCOMPARE(program.CurrentRow(), 1);
        QCOMPARE(Focus(), static_cast<QWidget*>(&grid));

        program.Table().GoTo(program.CurrentRow(), 12);
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_F2);
        QCOMPARE(Focus(), static_cast<QWidget*>(program.LineEditor()));
        QCOMPARE(program.LineEditor()->accessibleName(), QString("Channel 1, Name"));
        QTest::keyClick(Focus(), Qt::Key_Escape);
        program.Table().GoTo(1, 5);
        QTest::keyClick(&grid, Qt::Key_F2);
        QCOMPARE(Focus(), static_cast<QWidget*>(program.ListEditor()));
        QCOMPARE(Focus()->accessibleName(), QString("Channel 1, W/N"));
    }

    // A frequency outside the "Field" band is taken, and said; so are the channels outside a
    // band picked afterwards.
    void frequenciesOutsideTheBandAreTakenAndSaid() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(1, 1);
        Type("446.00625");
        Enter();
        QCOMPARE(program.Cell(1, 1), QString("446.00625"));
        QCOMPARE(program.Frame().MessageText(),
                 QString("Note: channel 1's receive frequency 446.00625 MHz and transmit "
                         "frequency 446.00625 MHz are outside the \"Field\" band 134 - 176MHz; "
                         "the radio may not use it."));
        program.ClickCell(2, 1);
        Type("145.5");
        Enter();
        QVERIFY(program.prompts.Texts().isEmpty());

        auto* field = qobject_cast<QComboBox*>(program.View().Control(1011)); // "Field"
        QVERIFY(field != nullptr);
        program.prompts.Answer(Answer::Ok);
        field->setCurrentIndex(2);
        emit field->activated(2);
        const QStringList texts = program.prompts.Texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains("channel 2's receive frequency 145.50000 MHz"),
                 qPrintable(texts[0]));
        QVERIFY(!texts[0].contains("channel 1's"));
    }

    void typingOnTheGridOpensTheEditWithoutTheClipboard() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        QApplication::clipboard()->setText("CLIPPED");
        ChannelTableView& grid = program.Table();
        grid.setFocus();
        program.Table().GoTo(1, 1);
        QTest::keyClick(&grid, '4'); // on a cell holding 145.00000
        QLineEdit* edit = program.LineEditor();
        QCOMPARE(Focus(), edit);
        QCOMPARE(edit->text(), QString("4"));
        Type("46");
        QCOMPARE(edit->text(), QString("446"));
        program.Table().GoTo(5, program.CurrentCol()); // leaving the cell commits
        QCOMPARE(program.Cell(1, 1), QString("446.00000"));

        grid.setFocus();
        QTest::keyClick(&grid, '.'); // on the empty receive frequency of channel 5
        QCOMPARE(program.prompts.Texts(), QStringList{"Please input Number"});
        edit = program.LineEditor();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("CLIPPED"));
        QVERIFY(program.Cell(5, 1).isEmpty());
    }

    void refusedFrequenciesShowTheirMessages() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(1, 1);
        Type("66.99999");
        Enter();
        Type("145.001"); // now on the transmit frequency
        Enter();
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{"Error Data Format，Please input again",
                              "Error data Value，Please input according the step "
                              "value(6.25K/5k/2.5k)"}));
        QCOMPARE(program.Row(1), QStringList(12, QString()));
    }

    // The Chinese step message differs by one letter between leaving the cell and Enter.
    void chineseStepMessagesOfLeavingAndOfEnter() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.prompts.Answer(Answer::Yes);
        program.App().OnCommand(res::cmd::kSwitchLanguage);
        QVERIFY(!IsEnglish());
        program.prompts.Forget();
        program.ClickCell(2, 1);
        Type("145.001");
        program.ClickCell(4, 1);
        Type("145.001");
        Enter();
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{"输入数据错误，请按6.25K/5k/2.5k的倍数重新输入",
                              "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"}));
        program.ClickCell(6, 1);
        Type("439.99375");
        program.ClickCell(7, 1);
        QCOMPARE(program.Row(6), (QStringList{"439.99375", "439.99375", "OFF", "OFF", "宽", "是",
                                              "高", "DTMF", "开", "关闭", "正向", ""}));
        program.prompts.Forget();
        program.ClickCell(6, 3);
        Type("88.6");
        program.ClickCell(7, 1);
        QCOMPARE(program.prompts.Texts(), QStringList{"该亚音不在亚音列表中，请从列表中选择"});
        QCOMPARE(program.Cell(6, 3), QString("OFF"));
    }

    void aListPickIsCommittedOnLeaving() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(1, 7);
        QComboBox* power = program.ListEditor();
        QCOMPARE(Focus(), power);
        QCOMPARE(power->currentText(), QString("High"));
        QTest::keyClick(power, Qt::Key_Up);
        QCOMPARE(power->currentText(), QString("Low"));
        QVERIFY(!program.Document().IsModified());
        program.ClickCell(1, 11);
        QCOMPARE(program.Cell(1, 7), QString("Low"));
        QVERIFY(program.Document().IsModified());
        Enter(); // on "Repeat Invert": committed as it is and on to the name
        QCOMPARE(program.Cell(1, 11), QString("Forward"));
        QCOMPARE(Focus(), program.LineEditor());
        QCOMPARE(program.LineEditor()->selectedText(), QString("CALL"));
    }

    void theNameEditTakesOnlyTheKeysOfAName() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(2, 12);
        QLineEdit* name = program.LineEditor();
        QCOMPARE(Focus(), name);
        Type("ab_-.1 xyz");
        QCOMPARE(name->text(), QString("AB-1 X")); // capitals, six at most
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QString("AB-1 "));
        Enter();
        QCOMPARE(program.Cell(2, 12), QString("AB-1 "));
        QCOMPARE(program.CurrentRow(), 3);
        QCOMPARE(program.CurrentCol(), 1);
        QCOMPARE(Focus(), program.LineEditor());
    }

    void enterOnChannel128sNameLeavesTheGrid() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(128, 2);
        Type("446.00625");
        program.ClickCell(128, 12);
        Type("END");
        Enter();
        QCOMPARE(program.Cell(128, 12), QString("END"));
        QCOMPARE(program.Cell(128, 1), QString());
        QVERIFY(Focus() != nullptr);
        QVERIFY(Focus() != &program.Table() && !program.Table().isAncestorOf(Focus()));
        QVERIFY(program.LineEditor() == nullptr);
    }

    // "145,5" as people write it; "1e2" is no plain number and the cell keeps its value; a tone
    // the list does not hold is refused, with Enter and with a click on another cell alike, and
    // one it holds is taken however it is spelt.
    void numbersAndTonesAsPeopleTypeThem() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(1, 1);
        Type("145,5");
        Enter();
        QCOMPARE(program.Cell(1, 1), QString("145.50000"));
        Type("1e2"); // over the transmit frequency's text
        Enter();
        QCOMPARE(program.Cell(1, 2), QString("145.50000"));
        Type("88.6"); // the receive tone
        Enter();
        QCOMPARE(program.Cell(1, 3), QString("OFF"));
        Type("123.4"); // the transmit tone, then a click elsewhere
        program.ClickCell(5, 5);
        QCOMPARE(program.Cell(1, 4), QString("OFF"));
        const QString notInList =
            "This tone is not in the tone list. Please choose one from the list.";
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{"Please input Number", notInList, notInList}));

        // A tone of the list typed as people type it takes the list's spelling.
        program.ClickCell(1, 3);
        Type("88,5");
        Enter();
        QCOMPARE(program.Cell(1, 3), QString("88.5"));
        Type("d23n");
        program.ClickCell(5, 5);
        QCOMPARE(program.Cell(1, 4), QString("D023N"));
        QCOMPARE(program.prompts.Texts().size(), 3);
    }

    // Tab in a cell's editor commits it and walks on as Enter does, Shift+Tab walks back; the
    // focus never leaves an editor open behind it.
    void tabCommitsAndWalksOnLikeEnter() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(3, 1);
        Type("145");
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(program.Cell(3, 1), QString("145.00000"));
        QCOMPARE(program.CurrentCol(), 2);
        QLineEdit* edit = program.LineEditor();
        QVERIFY(edit != nullptr);
        QCOMPARE(Focus(), edit);
        QCOMPARE(edit->selectedText(), QString("145.00000"));
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(Focus(), program.ListEditor());
        Type("88.5");
        QTest::keyClick(Focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(program.Cell(3, 3), QString("88.5"));
        QCOMPARE(program.CurrentCol(), 2);
        QCOMPARE(Focus(), program.LineEditor());
        QVERIFY(program.ListEditor() == nullptr);

        program.ClickCell(128, 1);
        Type("446.00625");
        program.ClickCell(128, 12); // the last cell: Tab leaves the grid, the name committed
        Type("END");
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(program.Cell(128, 12), QString("END"));
        QVERIFY(Focus() != &program.Table() && !program.Table().isAncestorOf(Focus()));
        QVERIFY(program.LineEditor() == nullptr);
    }

    void saveCommitsTheCellBeingEdited() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(1, 1);
        Type("146.52");
        program.prompts.SaveFile(program.Path("typed.sin"));
        program.App().OnCommand(res::cmd::kFileSaveAs);
        QFile saved(program.Path("typed.sin"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.left(4), QByteArray("\x00\x20\x65\x14", 4)); // 146.52000 MHz in BCD
        QVERIFY(program.LineEditor() == nullptr);
    }

    void theStatusBarHelpFollowsTheMouseAndTheKeyboard() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        const auto over = [&](QWidget* widget) {
            QTest::mouseMove(widget, widget->rect().center());
            return program.Frame().MessageText();
        };
        ChannelTableView& grid = program.Table();
        QCOMPARE(over(grid.viewport()),
                 QString("Please Click the cell to edit or input data，For help，please press F1"));
        QCOMPARE(over(program.View().Control(1011)),
                 QString("Please click the CommBox to choose value，For help，please press F1"));
        QCOMPARE(over(program.View().Control(2003)), QString("For help，please press F1"));
        program.ClickCell(1, 3);
        QCOMPARE(over(program.ListEditor()),
                 QString("Please click the CommBox to choose value，For help，please press F1"));

        // Tab from the grid to the form's lists and back, the mouse left where it is.
        const auto focused = [&](QWidget* widget) {
            widget->setFocus(Qt::TabFocusReason);
            return program.Frame().MessageText();
        };
        QCOMPARE(focused(&grid),
                 QString("Please Click the cell to edit or input data，For help，please press F1"));
        QCOMPARE(focused(program.View().Control(1011)),
                 QString("Please click the CommBox to choose value，For help，please press F1"));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::ChannelEditingTest)
#include "ChannelEditingTest.moc"
