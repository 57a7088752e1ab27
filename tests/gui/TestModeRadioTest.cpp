// Start of the test mode dialog against tevano-radio on a pseudo-terminal: the calibration goes
// to the port chosen when the dialog opened, the radio records what it got, and the exchange's
// questions and messages come up over the dialog.

#include "DialogRunner.h"
#include "ProgramFixture.h"
#include "VirtualRadioProcess.h"

#include "base/Messages.h"
#include "resources/CommandIds.h"
#include "resources/layout/TestModeLayout.h"
#include "testmode/ui/CTestModeDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace tevano::testing {

namespace ids = res::testmode;

class TestModeRadioTest : public QObject {
    Q_OBJECT

private:
    static void WriteIni(ProgramFixture& program, const QByteArray& ports) {
        QFile ini(program.Path("MAIN.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[PORTS]\n" + ports);
    }

    // The radio's record of its calibrations, a line each; waits until `count` lines are there.
    static QStringList Recorded(const QString& path, int count) {
        QStringList lines;
        [[maybe_unused]] const bool complete = QTest::qWaitFor(
            [&] {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly)) {
                    lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
                }
                return lines.size() >= count;
            },
            3000);
        return lines;
    }

    // The program with the radio on `port` and the band list at `band` (2 is 400 MHz).
    static bool StartOn(ProgramFixture& program, const VirtualRadioProcess& radio,
                        const QByteArray& port, int band) {
        if (!radio.Started()) {
            return false;
        }
        WriteIni(program, port + "=" + radio.Port().toUtf8() + "\n");
        if (!program.Start()) {
            return false;
        }
        program.View().SetPortName(port.toStdString());
        qobject_cast<QComboBox*>(program.View().Control(1011))->setCurrentIndex(band);
        return true;
    }

    static void Select(CTestModeDlg& dialog, TestModeTreeItem item) {
        qobject_cast<QTreeWidget*>(dialog.Control(ids::kTree))
            ->setCurrentItem(dialog.TreeItem(item));
    }
    static void Press(CTestModeDlg& dialog, int id) {
        qobject_cast<QAbstractButton*>(dialog.Control(id))->click();
    }

    // Opens the Test Mode from the menu and sends TX Power at its default value, 47, with the
    // low test frequency of the band, transmit 400.00625 MHz as typed (on the 6.25 kHz step)
    // and receive tone 67.0.
    static bool CalibrateTxPower(ProgramFixture& program) {
        return WhileOpen<CTestModeDlg>(
            [&program] { program.App().OnCommand(res::cmd::kTestMode); },
            [&program](CTestModeDlg& dialog) {
                // Too late to change the dialog's port.
                program.View().SetPortName("COM4");
                Select(dialog, TestModeTreeItem::LowFrequency);
                Press(dialog, ids::kTransmitStep625);
                auto* transmit = qobject_cast<QLineEdit*>(dialog.Control(ids::kTransmitFrequency));
                transmit->selectAll();
                QTest::keyClicks(transmit, "400.00625");
                auto* tone = qobject_cast<QComboBox*>(dialog.Control(ids::kReceiveTone));
                tone->showPopup();
                tone->setCurrentIndex(1);
                tone->hidePopup();
                QCoreApplication::processEvents();
                Select(dialog, TestModeTreeItem::TxPower);
                Press(dialog, ids::kDefault);
                Press(dialog, ids::kStart);
            });
    }

private slots:
    void startCalibratesTheRadioOnThePortChosenWhenTheDialogOpened() {
        ProgramFixture program;
        const QString record = program.Path("calibrations.txt");
        VirtualRadioProcess radio({"--baud", "0", "--calibrations", record});
        QVERIFY(StartOn(program, radio, "COM2", 2));

        QVERIFY(CalibrateTxPower(program));
        QCOMPARE(program.prompts.Texts(), QStringList{"Finish successfully!"});
        QCOMPARE(Recorded(record, 1),
                 QStringList{"item=tx-power rx=400.00000 tx=400.00625 rx-tone=67.0 "
                             "tx-tone=0.0 value=47 confirmed"});
    }

    // The item view's High, Middle and Low buttons choose the test frequency Start sends (High
    // before any other was chosen). Each test frequency keeps what was typed into its fields;
    // Start sends them held to the band and rounded to the step, as the fields then show, with
    // "," read as the decimal mark.
    void theFrequencyButtonsChooseWhatStartSends() {
        ProgramFixture program;
        const QString record = program.Path("calibrations.txt");
        VirtualRadioProcess radio({"--baud", "0", "--calibrations", record});
        QVERIFY(StartOn(program, radio, "COM1", 0)); // 134 MHz
        QStringList shown;
        QVERIFY(WhileOpen<CTestModeDlg>(
            [&program] { program.App().OnCommand(res::cmd::kTestMode); },
            [&shown](CTestModeDlg& dialog) {
                Select(dialog, TestModeTreeItem::SquelchLevel);
                Press(dialog, ids::kDefault);
                Press(dialog, ids::kStart);
                Select(dialog, TestModeTreeItem::HighFrequency);
                for (const auto& [id, typed] : {std::pair{ids::kReceiveFrequency, "150,0037"},
                                                std::pair{ids::kTransmitFrequency, "145.1337"}}) {
                    auto* field = qobject_cast<QLineEdit*>(dialog.Control(id));
                    field->selectAll();
                    QTest::keyClicks(field, typed);
                }
                Select(dialog, TestModeTreeItem::LowFrequency);
                Select(dialog, TestModeTreeItem::SquelchLevel);
                Press(dialog, ids::kMiddle);
                Press(dialog, ids::kStart);
                Press(dialog, ids::kHigh);
                Press(dialog, ids::kStart);
                Select(dialog, TestModeTreeItem::HighFrequency);
                for (const int id : {ids::kReceiveFrequency, ids::kTransmitFrequency}) {
                    shown << qobject_cast<QLineEdit*>(dialog.Control(id))->text();
                }
            }));
        QCOMPARE(
            program.prompts.Texts(),
            (QStringList{"Finish successfully!", "Finish successfully!", "Finish successfully!"}));
        QCOMPARE(shown, (QStringList{"150.00500", "145.13500"}));
        QCOMPARE(Recorded(record, 3),
                 (QStringList{"item=squelch-level rx=154.00000 tx=154.00000 rx-tone=0.0 "
                              "tx-tone=0.0 value=160 confirmed",
                              "item=squelch-level rx=144.00000 tx=144.00000 rx-tone=0.0 "
                              "tx-tone=0.0 value=160 confirmed",
                              "item=squelch-level rx=150.00500 tx=145.13500 rx-tone=0.0 "
                              "tx-tone=0.0 value=160 confirmed"}));
    }

    void aMissingConfirmationIsRetriedWhenTheUserSaysSo() {
        ProgramFixture program;
        const QString record = program.Path("calibrations.txt");
        VirtualRadioProcess radio(
            {"--baud", "0", "--calibrations", record, "--fault", "no-confirm=value:1"});
        QVERIFY(StartOn(program, radio, "COM1", 2));
        program.prompts.Answer(Answer::Retry);

        QVERIFY(CalibrateTxPower(program));
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{" Error had happen ,need try again", "Finish successfully!"}));
        QCOMPARE(program.prompts.Questions().front().buttons, Buttons::RetryCancel);
        const QStringList lines = Recorded(record, 2);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[1].endsWith("value=47 confirmed"));
    }

    void aPortThatCannotBeOpenedIsTold() {
        ProgramFixture program;
        WriteIni(program, "COM1=" + program.Path("no-such-port").toUtf8() + "\n");
        QVERIFY(program.Start());
        QVERIFY(CalibrateTxPower(program));
        QCOMPARE(program.prompts.Texts(), QStringList{QString::fromStdString(MessageText(
                                              MessageId::PortOpenFailed, Language::English))});
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::TestModeRadioTest)
#include "TestModeRadioTest.moc"
