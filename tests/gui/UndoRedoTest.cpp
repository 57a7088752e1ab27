// Undo and redo on the program's window as a user works: Ctrl+Z and Ctrl+Y on typed channels
// (the edit's own typing first), a cleared channel, a list pick, a dialog's settings, a read
// from the virtual radio, an import, the language switch, and the menu items' enabled states
// with the document's unsaved-changes state.

#include "DialogRunner.h"
#include "GridInput.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/TransferRunner.h"

#include "grid/ui/GridUndo.h"
#include "image/ChannelFile.h"
#include "options/ui/CSideKeyDlg.h"
#include "resources/CommandIds.h"
#include "resources/layout/SideKeyLayout.h"
#include "shell/DisplayLanguage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tevano::testing {

class UndoRedoTest : public QObject {
    Q_OBJECT

private:
    // The keys go to whatever has the focus, as the user's do.
    static void CtrlZ() { QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier); }
    static void CtrlY() { QTest::keyClick(Focus(), Qt::Key_Y, Qt::ControlModifier); }
    // A commit becomes a step once its event is over.
    static void Settle() { QCoreApplication::processEvents(); }

    static QStringList EmptyRow() { return QStringList(12, QString()); }

    // Whether the Edit menu offers Undo and Redo, as it shows them when opened.
    static std::pair<bool, bool> Offered(ProgramFixture& program) {
        emit program.Frame().UpdateCommands();
        return {program.Frame().Action(res::cmd::kEditUndo)->isEnabled(),
                program.Frame().Action(res::cmd::kEditRedo)->isEnabled()};
    }

    static void Menu(ProgramFixture& program, int command) {
        program.Frame().Action(command)->trigger();
    }

    static QComboBox* FieldList(ProgramFixture& program) {
        return qobject_cast<QComboBox*>(program.View().Control(1011));
    }

    const QStringList kNewChannel145 = {"145.00000", "145.00000", "OFF", "OFF",   "Wide",    "Yes",
                                        "High",      "DTMF",      "ON",  "Close", "Forward", ""};

private slots:
    void aTypedFrequencyWithItsDefaultsGoesAndComesBack() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        QCOMPARE(Offered(program), std::make_pair(false, false));
        program.ClickCell(3, 1);
        Type("145");
        Enter();
        Settle();
        QCOMPARE(program.Row(3), kNewChannel145);
        QCOMPARE(Offered(program), std::make_pair(true, false));

        // Enter left the focus in the transmit frequency's edit, which has nothing typed to undo:
        // the key undoes the channel.
        QCOMPARE(Focus(), program.LineEditor());
        CtrlZ();
        QCOMPARE(program.Row(3), EmptyRow());
        QVERIFY(program.LineEditor() == nullptr);
        QCOMPARE(Focus(), static_cast<QWidget*>(&program.Table()));
        QCOMPARE(std::make_pair(program.CurrentRow(), program.CurrentCol()), std::make_pair(3, 1));
        QVERIFY(!program.Document().IsModified()); // as new again
        QCOMPARE(Offered(program), std::make_pair(false, true));

        CtrlY();
        QCOMPARE(program.Row(3), kNewChannel145);
        QVERIFY(program.Document().IsModified());
        QCOMPARE(Offered(program), std::make_pair(true, false));
        QVERIFY(program.prompts.Questions().empty());
    }

    void insideAnEditCtrlZFirstUndoesTheTyping() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        program.ClickCell(1, 1);
        Type("146");
        Enter(); // a step; the edit opens on the transmit frequency
        QLineEdit* edit = program.LineEditor();
        QCOMPARE(edit->text(), QString("145.00000"));
        Type("147");
        QCOMPARE(edit->text(), QString("147"));

        CtrlZ();
        QCOMPARE(program.LineEditor(), edit);
        QCOMPARE(program.Cell(1, 1), QString("146.00000"));
        QVERIFY(edit->text() != "147");
        for (int i = 0; i < 5 && edit->isUndoAvailable(); ++i) {
            CtrlZ();
        }
        QCOMPARE(edit->text(), QString("145.00000"));
        CtrlY(); // the edit's own redo
        QCOMPARE(program.Cell(1, 2), QString("145.00000"));
        QVERIFY(edit->text() != "145.00000");
        for (int i = 0; i < 5 && edit->isUndoAvailable(); ++i) {
            CtrlZ();
        }

        // Nothing of its own left: the edit is put away and the channel's step undone.
        CtrlZ();
        QVERIFY(program.LineEditor() == nullptr);
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(program.Cell(1, 2), QString("145.00000"));
        QVERIFY(!program.Document().IsModified());

        // A digit typed on the grid opens the edit holding it, with nothing of the edit's own to
        // undo: the key drops it, without the range message a commit of "4" would bring.
        ChannelTableView& grid = program.Table();
        QCOMPARE(std::make_pair(program.CurrentRow(), program.CurrentCol()), std::make_pair(1, 1));
        QTest::keyClick(&grid, '4');
        edit = program.LineEditor();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->text(), QString("4"));
        CtrlZ();
        QVERIFY(program.LineEditor() == nullptr);
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(Offered(program), std::make_pair(false, true)); // the 146 can still come back

        // The tone list's edit field the same way.
        program.ClickCell(1, 3);
        Type("67.0");
        Enter(); // a step; the list opens on the transmit tone
        QComboBox* tones = program.ListEditor();
        QCOMPARE(Focus(), static_cast<QWidget*>(tones));
        QCOMPARE(tones->currentText(), QString("88.5"));
        Type("7");
        QCOMPARE(tones->currentText(), QString("7"));
        CtrlZ();
        QCOMPARE(program.ListEditor(), tones);
        QCOMPARE(tones->currentText(), QString("88.5"));
        QCOMPARE(program.Cell(1, 3), QString("67.0"));
        CtrlZ();
        QVERIFY(program.ListEditor() == nullptr);
        QCOMPARE(program.Cell(1, 3), QString("OFF"));
        QCOMPARE(program.Cell(1, 4), QString("88.5"));
    }

    void aClearedChannelAndAListPickAreStepsOfTheirOwn() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.StartActive({program.Path("sample.sin")}));
        const QStringList channel2 = program.Row(2);
        QCOMPARE(channel2.first(), QString("439.99375"));
        program.ClickCell(2, 1);
        QTest::keyClick(Focus(), Qt::Key_Delete);
        Enter(); // the only frequency goes, and the channel's options and name with it
        const QStringList cleared = program.Row(2);
        QCOMPARE(cleared.mid(4), EmptyRow().mid(4));
        QCOMPARE(cleared.first(), QString());
        Settle();
        QComboBox* field = FieldList(program);
        const int band = field->currentIndex();
        field->setCurrentIndex(band + 1);
        emit field->activated(band + 1);
        Settle();

        // The transmit frequency's edit is open on its empty cell, untouched: it is put away,
        // not committed (that would clear the receive tone left in column 4).
        QVERIFY(program.LineEditor() != nullptr);
        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(field->currentIndex(), band);
        QCOMPARE(program.Row(2), cleared);
        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(program.Row(2), channel2);
        QVERIFY(!program.Document().IsModified());
        QCOMPARE(Offered(program), std::make_pair(false, true));

        // A new change after undo: what was undone cannot come back.
        program.ClickCell(1, 12);
        Type("X");
        program.Table().GoTo(5, program.CurrentCol()); // leaving the cell commits the name
        QCOMPARE(program.Cell(1, 12), QString("X"));
        QCOMPARE(Offered(program), std::make_pair(true, false));
        Menu(program, res::cmd::kEditRedo);
        QCOMPARE(program.Row(2), channel2);
    }

    void savingMarksTheStateThatUndoMakesUnchangedAgain() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(1, 1);
        Type("145");
        Enter();
        program.prompts.SaveFile(program.Path("saved.sin"));
        program.App().OnCommand(res::cmd::kFileSave); // commits the edit being made first
        QVERIFY(!program.Document().IsModified());
        program.ClickCell(1, 12);
        Type("A");
        Enter();
        Settle();
        QVERIFY(program.Document().IsModified());
        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(program.Cell(1, 12), QString());
        QVERIFY(!program.Document().IsModified());
        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(program.Cell(1, 1), QString());
        QVERIFY(program.Document().IsModified());
        Menu(program, res::cmd::kEditRedo);
        QVERIFY(!program.Document().IsModified());

        // A new document starts with nothing to undo; so does an opened one.
        Menu(program, res::cmd::kEditRedo);
        program.prompts.Answer(Answer::No); // do not save the name
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(Offered(program), std::make_pair(false, false));
        program.ClickCell(1, 1);
        Type("150");
        Enter();
        program.prompts.Answer(Answer::No);
        program.prompts.OpenFile(program.Path("saved.sin"));
        program.App().OnCommand(res::cmd::kFileOpen);
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(Offered(program), std::make_pair(false, false));
    }

    void theSideKeyDialogsOkIsUndone() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        const std::uint8_t keyByte = program.Document().Image()[0x81D];
        QVERIFY(WhileOpen<CSideKeyDlg>(
            [&program] { program.App().OnCommand(res::cmd::kSideKey); },
            [](CSideKeyDlg& dialog) {
                auto* key = qobject_cast<QComboBox*>(dialog.Control(res::sidekey::kKey1ShortPress));
                key->setCurrentIndex((key->currentIndex() + 1) % key->count());
                QTest::mouseClick(qobject_cast<QPushButton*>(dialog.Control(res::build::kIdOk)),
                                  Qt::LeftButton);
            }));
        const std::uint8_t changed = program.Document().Image()[0x81D];
        QVERIFY(changed != keyByte);
        program.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.Frame()));
        program.Table().setFocus();
        QCOMPARE(Offered(program), std::make_pair(true, false));
        CtrlZ();
        QCOMPARE(program.Document().Image()[0x81D], keyByte);
        QVERIFY(!program.Document().IsModified());
        CtrlY();
        QCOMPARE(program.Document().Image()[0x81D], changed);
    }

    void aReadFromTheRadioIsOneStep() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        program.ClickCell(5, 1);
        Type("150");
        Enter();
        const RadioImage imageBefore = program.Document().Image();
        const QStringList channel5 = program.Row(5);

        program.prompts.Answer(Answer::No); // the edits are not saved before the read
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        program.prompts.Forget();
        RadioImage radioImage{};
        QVERIFY(LoadChannelFile(program.Path("radio.sin").toStdString(), radioImage).Ok());
        QVERIFY(program.Document().Image() == radioImage);
        QCOMPARE(program.Cell(2, 12), QString("UHF"));
        QCOMPARE(program.Row(5), EmptyRow());

        Menu(program, res::cmd::kEditUndo); // the read, all of it
        QVERIFY(program.Document().Image() == imageBefore);
        QCOMPARE(program.Row(5), channel5);
        QCOMPARE(program.Row(1), EmptyRow());
        QCOMPARE(program.Row(2), EmptyRow());
        QVERIFY(program.Document().IsModified()); // the typed channel is still there
        Menu(program, res::cmd::kEditUndo);
        QVERIFY(!program.Document().IsModified());
        Menu(program, res::cmd::kEditRedo);
        Menu(program, res::cmd::kEditRedo);
        QVERIFY(program.Document().Image() == radioImage);
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(program.Cell(2, 12), QString("UHF"));
    }

    void anImportIsOneStep() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        QFile list(program.Path("list.csv"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                   "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                   "RPT1CALL,RPT2CALL,DVCODE\n"
                   "1,CALL,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,"
                   ",,,\n"
                   "9,UHF,439.993750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,"
                   "1.0W,,,,,\n");
        list.close();
        program.ClickCell(20, 1);
        Type("150"); // committed by the import, as a step before it
        program.prompts.OpenFile(program.Path("list.csv"));
        program.App().OnCommand(res::cmd::kFileImportCsv);
        QCOMPARE(program.Cell(1, 12), QString("CALL"));
        QCOMPARE(program.Cell(9, 1), QString("439.99375"));

        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(program.Row(1), EmptyRow());
        QCOMPARE(program.Row(9), EmptyRow());
        QCOMPARE(program.Cell(20, 1), QString("150.00000"));
        Menu(program, res::cmd::kEditRedo);
        QCOMPARE(program.Cell(1, 12), QString("CALL"));
        QCOMPARE(program.Cell(9, 6), QString("No"));
    }

    void stepsComeBackInTheLanguageInForce() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        program.ClickCell(4, 1);
        Type("145");
        Enter();
        program.prompts.Answer(Answer::Yes);
        program.App().OnCommand(res::cmd::kSwitchLanguage);
        QVERIFY(!IsEnglish());
        QCOMPARE(program.Cell(4, 5), QString("宽"));
        // The switch itself is no step: the first undo takes the channel.
        QCOMPARE(Offered(program), std::make_pair(true, false));
        Menu(program, res::cmd::kEditUndo);
        QCOMPARE(program.Row(4), EmptyRow());
        QCOMPARE(Offered(program), std::make_pair(false, true));
        Menu(program, res::cmd::kEditRedo);
        QCOMPARE(program.Row(4), (QStringList{"145.00000", "145.00000", "OFF", "OFF", "宽", "是",
                                              "高", "DTMF", "开", "关闭", "正向", ""}));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::UndoRedoTest)
#include "UndoRedoTest.moc"
