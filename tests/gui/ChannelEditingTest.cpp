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
        QCOMPARE(program.View().FrequencyEdit()->text(), QString("145.00000"));
        program.View().Commit(); // the edit closes, the cell stays current
        // Channel 1 of the second document receives on 146.52 MHz.
        QVERIFY(program.Document().OnOpenDocument(program.Path("sample.sin")).Ok());
        const std::uint8_t rx[] = {0x00, 0x20, 0x65, 0x14};
        std::copy(std::begin(rx), std::end(rx), program.Document().Image().begin());
        program.View().OnInitialUpdate();
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
        QCOMPARE(program.Grid().Row(), 1);
        QCOMPARE(program.Grid().Col(), 1);
        QTest::mouseDClick(program.Grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                           program.Grid().visualRect(Index(program, 1, 1)).center());
        QCOMPARE(program.View().FrequencyEdit()->text(), QString("146.52000"));
        program.View().Commit();
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
    }

    void typedFrequencyFillsANewChannelAndEnterWalksOn() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(3, 1);
        QLineEdit* edit = program.View().FrequencyEdit();
        QVERIFY(edit->isVisible());
        QCOMPARE(Focus(), edit);
        Type("145.0125");
        Enter();
        QCOMPARE(program.Row(3), (QStringList{"145.01250", "145.01250", "OFF", "OFF", "Wide", "Yes",
                                              "High", "DTMF", "ON", "Close", "Forward", ""}));
        // Enter opened the transmit frequency with its text, all selected.
        QCOMPARE(Focus(), edit);
        QCOMPARE(program.Grid().Col(), 2);
        QCOMPARE(edit->selectedText(), QString("145.01250"));
        QVERIFY(program.Document().IsModified());
        QVERIFY(program.prompts.Questions().empty());

        Enter(); // on to the receive tone
        QCOMPARE(Focus(), program.View().ToneList());
        Type("88.5");
        Enter();
        QCOMPARE(program.Cell(3, 3), QString("88.5"));
        QCOMPARE(Focus(), program.View().ToneList());
        QCOMPARE(program.Grid().Col(), 4);
    }

    // The keys of any table: Escape drops the typing, Up and Down in an edit commit and move,
    // F2 opens any cell's editor, named by its channel and column; the focus stays in the grid.
    void escapeArrowsAndF2WorkAsInAnyTable() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        CMSFlexGrid& grid = program.Grid();
        QLineEdit* edit = program.View().FrequencyEdit();
        program.ClickCell(1, 1);
        QCOMPARE(edit->accessibleName(), QString("Channel 1, Rx Frequency"));
        Type("146.52");
        QTest::keyClick(Focus(), Qt::Key_Escape);
        QVERIFY(!edit->isVisible());
        QCOMPARE(program.Cell(1, 1), QString());
        QCOMPARE(Focus(), static_cast<QWidget*>(&grid));

        program.ClickCell(1, 1);
        Type("146.52");
        QTest::keyClick(Focus(), Qt::Key_Down);
        QCOMPARE(program.Cell(1, 1), QString("146.52000"));
        QCOMPARE(grid.Row(), 2);
        QCOMPARE(Focus(), static_cast<QWidget*>(&grid));
        program.ClickCell(2, 1);
        Type("146.521"); // off the channel steps: refused, the editor stays
        program.prompts.Answer(Answer::Ok);
        QTest::keyClick(Focus(), Qt::Key_Up);
        QVERIFY(edit->isVisible());
        QCOMPARE(grid.Row(), 2);
        QTest::keyClick(Focus(), Qt::Key_Escape);

        grid.SetCol(12);
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_F2);
        QCOMPARE(Focus(), static_cast<QWidget*>(program.View().NameEdit()));
        QCOMPARE(program.View().NameEdit()->accessibleName(), QString("Channel 2, Name"));
        QTest::keyClick(Focus(), Qt::Key_Escape);
        grid.SetRow(1);
        grid.SetCol(5);
        QTest::keyClick(&grid, Qt::Key_F2);
        QCOMPARE(Focus(), static_cast<QWidget*>(program.View().OverlayList(5)));
        QCOMPARE(Focus()->accessibleDescription(), QString("Channel 1, W/N"));
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

    void anOverlayCoversItsCell() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        for (const auto& [row, col] : {std::pair{1, 1}, {5, 3}, {9, 12}}) {
            program.ClickCell(row, col);
            QWidget* overlay = Focus();
            const QRect cell = CellRect(program, row, col);
            QVERIFY(overlay->isVisible());
            // Over the cell and its grid lines on the right and below. Lists are as high as
            // their cell; Qt opens the drop-down part as a pop-up.
            QCOMPARE(overlay->geometry(), cell.adjusted(0, 0, 1, 1));
        }
    }

    void typingOnTheGridOpensTheEditWithoutTheClipboard() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        QApplication::clipboard()->setText("CLIPPED");
        CMSFlexGrid& grid = program.Grid();
        grid.setFocus();
        grid.SetRow(1);
        grid.SetCol(1);
        QTest::keyClick(&grid, '4'); // on a cell holding 145.00000
        QLineEdit* edit = program.View().FrequencyEdit();
        QCOMPARE(Focus(), edit);
        QCOMPARE(edit->text(), QString("4"));
        Type("46");
        QCOMPARE(edit->text(), QString("446"));
        grid.SetRow(5); // leaving the cell commits
        QCOMPARE(program.Cell(1, 1), QString("446.00000"));

        grid.setFocus();
        QTest::keyClick(&grid, '.'); // on the empty receive frequency of channel 5
        QCOMPARE(program.prompts.Texts(), QStringList{"Please input Number"});
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
        QComboBox* power = program.View().OverlayList(7);
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
        QCOMPARE(Focus(), program.View().NameEdit());
        QCOMPARE(program.View().NameEdit()->selectedText(), QString("CALL"));
    }

    void theNameEditTakesOnlyTheKeysOfAName() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(2, 12);
        QLineEdit* name = program.View().NameEdit();
        QCOMPARE(Focus(), name);
        Type("ab_-.1 xyz");
        QCOMPARE(name->text(), QString("AB-1 X")); // capitals, six at most
        QTest::keyClick(name, Qt::Key_Left);       // swallowed: the caret stays at the end
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QString("AB-1 "));
        Enter();
        QCOMPARE(program.Cell(2, 12), QString("AB-1 "));
        QCOMPARE(program.Grid().Row(), 3);
        QCOMPARE(program.Grid().Col(), 1);
        QCOMPARE(Focus(), program.View().FrequencyEdit());
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
        QVERIFY(Focus() != &program.Grid() && !program.Grid().isAncestorOf(Focus()));
        QVERIFY(!program.View().NameEdit()->isVisible());
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
        QLineEdit* edit = program.View().FrequencyEdit();
        program.ClickCell(3, 1);
        Type("145");
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(program.Cell(3, 1), QString("145.00000"));
        QCOMPARE(program.Grid().Col(), 2);
        QCOMPARE(Focus(), edit);
        QCOMPARE(edit->selectedText(), QString("145.00000"));
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(Focus(), program.View().ToneList());
        Type("88.5");
        QTest::keyClick(Focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(program.Cell(3, 3), QString("88.5"));
        QCOMPARE(program.Grid().Col(), 2);
        QCOMPARE(Focus(), edit);
        QVERIFY(!program.View().ToneList()->isVisible());

        program.ClickCell(128, 1);
        Type("446.00625");
        program.ClickCell(128, 12); // the last cell: Tab leaves the grid, the name committed
        Type("END");
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(program.Cell(128, 12), QString("END"));
        QVERIFY(Focus() != &program.Grid() && !program.Grid().isAncestorOf(Focus()));
        QVERIFY(!program.View().NameEdit()->isVisible());
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
        QVERIFY(!program.View().FrequencyEdit()->isVisible());
    }

    void theStatusBarHelpFollowsTheMouseAndTheKeyboard() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        const auto over = [&](QWidget* widget) {
            QTest::mouseMove(widget, widget->rect().center());
            return program.Frame().MessageText();
        };
        CMSFlexGrid& grid = program.Grid();
        QCOMPARE(over(grid.viewport()),
                 QString("Please Click the cell to edit or input data，For help，please press F1"));
        QCOMPARE(over(program.View().Control(1011)),
                 QString("Please click the CommBox to choose value，For help，please press F1"));
        QCOMPARE(over(program.View().Control(2003)), QString("For help，please press F1"));
        program.ClickCell(1, 3);
        QCOMPARE(over(program.View().ToneList()),
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
