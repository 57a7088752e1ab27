// Port Setup as the user meets it: the devices of a made-up /dev in each row, the ports as the
// INI file maps them, picking, typing and clearing, OK writing section [PORTS] to the file at
// once, Cancel writing nothing, the list following cables plugged in and out, the cable check of
// the port picked; and from the Port menu, a port pointed at the virtual radio that a write then
// goes through.

#include "DialogRunner.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/TransferRunner.h"

#include "radiolink/PortNames.h"
#include "radiolink/ui/CPortSetupDlg.h"
#include "radiolink/ui/CProgressDlg.h"
#include "resources/CommandIds.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace tevano::testing {

namespace {

const QString kFtdi = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

// A /dev with one FTDI cable (ttyUSB2, also under its by-id name) and one ACM device.
void MakeDev(const QTemporaryDir& root) {
    QDir dir(root.path());
    dir.mkpath("dev/serial/by-id");
    for (const char* device : {"dev/ttyUSB2", "dev/ttyACM0", "dev/ttyS0"}) {
        QFile file(dir.filePath(device));
        file.open(QIODevice::WriteOnly);
    }
    QFile::link("../../ttyUSB2", dir.filePath("dev/serial/by-id/" + kFtdi));
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString FileText(const QString& path) {
    return QString::fromUtf8(FileBytes(path));
}

QStringList Labels(const QComboBox* box) {
    QStringList labels;
    for (int i = 0; i < box->count(); ++i) {
        labels << box->itemText(i);
    }
    return labels;
}

// Types into a row as the user does: everything in it replaced by the text.
void Type(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(box->lineEdit(), text);
}

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

} // namespace

class PortSetupDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QTemporaryDir files_;

    QString IniPath() const { return files_.filePath("MAIN.ini"); }

    void WriteIni(const QByteArray& text) const {
        QFile ini(IniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(text);
    }

    // The store as the program opens it, saved at destruction.
    static bool Load(CIniFile& ini, const QString& path) {
        return ini.Load(path.toStdString(), true, true, false);
    }

private slots:
    void initTestCase() { MakeDev(root_); }

    // Every row offers the devices and shows what its port names now; OK writes every row.
    void rowsShowThePortsAndOkWritesThemToTheFileAtOnce() {
        WriteIni("[MAIN]\nLANGUAGE=MAIN_EN\n[PORTS]\nCOM2=/dev/serial/by-id/" + kFtdi.toUtf8() +
                 "\nCOM3=/home/ham/radio-link\n");
        CIniFile ini;
        QVERIFY(Load(ini, IniPath()));
        CPortSetupDlg dialog(ini, Language::English, root_.path().toStdString(), nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Port Setup"));
        const QStringList devices = {"FTDI FT232R USB UART A50285BI (ttyUSB2)", "/dev/ttyUSB2",
                                     "/dev/ttyACM0"};
        for (std::size_t row = 0; row < kPortNames.size(); ++row) {
            QCOMPARE(Labels(dialog.PortBox(row)), devices);
            QCOMPARE(dialog.PortBox(row)->lineEdit()->placeholderText(),
                     QString("/dev/ttyUSB%1").arg(row));
        }
        QCOMPARE(dialog.PortBox(0)->currentText(), QString());
        QCOMPARE(dialog.PortBox(1)->currentText(), devices[0]);
        QCOMPARE(dialog.PortBox(2)->currentText(), QString("/home/ham/radio-link"));
        QVERIFY(dialog.NothingFoundLabel()->isHidden());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // COM1: the ACM device picked from the list with the keyboard.
        QComboBox* com1 = dialog.PortBox(0);
        com1->setFocus();
        QTest::keyClick(com1, Qt::Key_Down);
        QTest::keyClick(com1, Qt::Key_Down);
        QTest::keyClick(com1, Qt::Key_Down);
        QCOMPARE(com1->currentText(), QString("/dev/ttyACM0"));
        // COM2 back to its default; COM3 kept; COM4 a path of the user's own, blanks trimmed.
        Type(dialog.PortBox(1), "");
        Type(dialog.PortBox(3), " /dev/ttyS1 ");
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // On disk before the program ends, for a tevano-cli started now.
        const QString text = FileText(IniPath());
        QVERIFY2(text.contains("COM1=/dev/ttyACM0"), qPrintable(text));
        QVERIFY2(text.contains("COM3=/home/ham/radio-link"), qPrintable(text));
        QVERIFY2(text.contains("COM4=/dev/ttyS1\n"), qPrintable(text));
        QVERIFY2(!text.contains(kFtdi), qPrintable(text));
        QVERIFY2(text.contains("LANGUAGE=MAIN_EN"), qPrintable(text));
        CIniFile reread;
        QVERIFY(Load(reread, IniPath()));
        const auto lookup = [&reread](const std::string& key) {
            return reread.GetValue(kPortsSection, key, "");
        };
        QCOMPARE(PortDevicePath("COM1", lookup), std::string("/dev/ttyACM0"));
        QCOMPARE(PortDevicePath("COM2", lookup), std::string("/dev/ttyUSB1"));
        QCOMPARE(PortDevicePath("COM4", lookup), std::string("/dev/ttyS1"));
    }

    void cancelWritesNothing() {
        WriteIni("[PORTS]\nCOM1=/dev/ttyUSB2\n");
        const QString before = FileText(IniPath());
        {
            CIniFile ini;
            QVERIFY(Load(ini, IniPath()));
            CPortSetupDlg dialog(ini, Language::English, root_.path().toStdString(), nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(dialog.PortBox(0)->currentText(), QString("/dev/ttyUSB2"));
            Type(dialog.PortBox(0), "/dev/ttyACM7");
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(ini.GetValue(kPortsSection, "COM1", ""), std::string("/dev/ttyUSB2"));
        }
        QCOMPARE(FileText(IniPath()), before);
    }

    // A cable plugged in while the dialog is open comes up with Refresh; what the rows name
    // stays, and the rows speak the display language.
    void listFollowsCablesPluggedInAndOutAndTheCheckNamesThePortPicked() {
        QTemporaryDir empty;
        QDir(empty.path()).mkpath("dev");
        WriteIni("[PORTS]\n");
        CIniFile ini;
        QVERIFY(Load(ini, IniPath()));
        CPortSetupDlg dialog(ini, Language::Chinese, empty.path().toStdString(), nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("端口设置"));
        QCOMPARE(dialog.NothingFoundLabel()->text(), QString("没有找到已插入的 USB 串口设备。"));
        QVERIFY(dialog.NothingFoundLabel()->isVisible());
        QCOMPARE(dialog.PortBox(0)->count(), 0);
        QVERIFY(!dialog.DiagnosisText()->accessibleName().isEmpty());
        QVERIFY(dialog.DiagnosisText()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(dialog.DiagnosisText()->toPlainText().startsWith("COM1\n/dev/ttyUSB0 没有插入。"));
        dialog.PortBox(2)->setFocus();
        Type(dialog.PortBox(2), "/tmp/radio");
        QVERIFY2(dialog.DiagnosisText()->toPlainText().startsWith("COM3\n/tmp/radio 没有插入。"),
                 qPrintable(dialog.DiagnosisText()->toPlainText()));

        // Plugged in and pulled out while the dialog is open, without a press of Refresh.
        const QString device = QDir(empty.path()).filePath("dev/ttyUSB0");
        QFile(device).open(QIODevice::WriteOnly);
        QTRY_COMPARE(Labels(dialog.PortBox(0)), QStringList{"/dev/ttyUSB0"});
        QVERIFY(dialog.NothingFoundLabel()->isHidden());
        QCOMPARE(dialog.PortBox(0)->currentText(), QString());
        QCOMPARE(dialog.PortBox(2)->currentText(), QString("/tmp/radio"));
        QCOMPARE(dialog.ChosenPath(2), std::string("/tmp/radio"));
        QVERIFY(QFile::remove(device));
        QTRY_VERIFY(dialog.NothingFoundLabel()->isVisible());
        QCOMPARE(dialog.PortBox(0)->count(), 0);

        QFile(device).open(QIODevice::WriteOnly);
        QTest::mouseClick(dialog.RefreshButton(), Qt::LeftButton);
        QCOMPARE(Labels(dialog.PortBox(0)), QStringList{"/dev/ttyUSB0"});
        dialog.PortBox(0)->setFocus();
        QTRY_VERIFY(dialog.DiagnosisText()->toPlainText().startsWith("COM1\n/dev/ttyUSB0\n"));
    }

    // OK saves at once; a file that cannot be written is named with the reason.
    void aSaveThatFailsIsReported() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QVERIFY(QFile::remove(program.Path("MAIN.ini")));
        QVERIFY(QDir().mkdir(program.Path("MAIN.ini")));
        const bool opened = WhileOpen<CPortSetupDlg>(
            [&program] { program.App().OnCommand(res::cmd::kPortSetup); },
            [](CPortSetupDlg& dialog) {
                Type(dialog.PortBox(0), "/dev/ttyS3");
                QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QVERIFY(opened);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The settings could not be saved in \"" + program.Path("MAIN.ini") +
                             "\": Is a directory."});
    }

    void portSetupFromThePortMenuPointsAPortAtTheRadio() {
        ProgramFixture program;
        WriteSampleFile(program.Path("file.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--save", program.Path("radio.sin")});
        QVERIFY(radio.Started());
        QVERIFY(program.Start({program.Path("file.sin")}));
        // The last item of the Port menu.
        QAction* item = program.Frame().Action(res::cmd::kPortSetup);
        QVERIFY(item != nullptr);
        QMenu* portMenu = nullptr;
        for (QObject* owner : item->associatedObjects()) {
            portMenu = portMenu != nullptr ? portMenu : qobject_cast<QMenu*>(owner);
        }
        QVERIFY(portMenu != nullptr);
        QCOMPARE(portMenu->actions().last(), item);
        QCOMPARE(item->text(), QString("Port Set&up..."));

        const bool opened = WhileOpen<CPortSetupDlg>(
            [&program] { program.App().OnCommand(res::cmd::kPortSetup); },
            [&radio, &program](CPortSetupDlg& dialog) {
                QCOMPARE(dialog.parentWidget(), static_cast<QWidget*>(&program.Frame()));
                Type(dialog.PortBox(1), radio.Port());
                QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QVERIFY(opened);
        QVERIFY(FileText(program.Path("MAIN.ini")).contains("COM2=" + radio.Port()));

        program.App().OnCommand(res::cmd::kPortCom2);
        QVERIFY(StartTransfer(program.App(), res::cmd::kWriteToRadio) != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program.Path("radio.sin")), 30000);
        QCOMPARE(FileBytes(program.Path("radio.sin")), FileBytes(program.Path("file.sin")));
        QVERIFY(program.prompts.Questions().empty());
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::PortSetupDialogTest)
#include "PortSetupDialogTest.moc"
