// What the window adds to the radio exchanges on Linux: the backup of a completed read and the
// status bar's word on where it went (or why it could not be saved, the read standing), the
// reason beside the unchanged open-failure message of a transfer and of the test mode, and Open
// Backup Folder.

#include "DialogRunner.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/TransferRunner.h"

#include "image/ChannelFile.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ReadBackups.h"
#include "radiolink/ui/ComparisonDialog.h"
#include "resources/CommandIds.h"
#include "resources/layout/TestModeLayout.h"
#include "testmode/ui/CTestModeDlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

namespace tevano::testing {

namespace {

const QString kPortOpenFailed =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString StatusText(ProgramFixture& program) {
    return program.Frame().MessageText();
}

// The rows of the comparison window's table, each as "where | this | other".
QStringList TableRows(const ComparisonDialog& dialog) {
    QStringList rows;
    const QTableWidget* table = dialog.Table();
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < table->columnCount(); ++col) {
            const QTableWidgetItem* item = table->item(row, col);
            cells << (item != nullptr ? item->text() : QString());
        }
        rows << cells.join(" | ");
    }
    return rows;
}

// Runs `command` and takes the rows of the comparison window it opens (which it closes), or
// nothing when none opened; `copied` gets what its Copy put on the clipboard.
QStringList ComparisonRows(const std::function<void()>& command, QString* copied = nullptr) {
    QStringList rows;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<ComparisonDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer.stop();
        rows = TableRows(*dialog);
        if (copied != nullptr) {
            QApplication::clipboard()->clear();
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == "&Copy") {
                    button->click();
                }
            }
            *copied = QApplication::clipboard()->text();
        }
        dialog->reject();
    });
    timer.start();
    command();
    return rows;
}

} // namespace

// Takes the URLs the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

class RadioLinkNotesTest : public QObject {
    Q_OBJECT

private:
    // XDG_DATA_HOME of each test, new for each.
    std::unique_ptr<QTemporaryDir> data_;

    QString Backups() const { return data_->filePath("tevano/backups"); }

private slots:
    void init() {
        data_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data_->path().toUtf8());
    }

    // One read backs up the radio, the other cannot: both reads stand.
    void aCompletedReadIsBackedUpAndTheStatusBarSaysWhere() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));

        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        const std::vector<std::string> backups = ListBackups(Backups().toStdString());
        QCOMPARE(backups.size(), std::size_t(1));
        const QString backup = QString::fromStdString(backups[0]);
        QCOMPARE(FileBytes(backup), FileBytes(program.Path("radio.sin")));
        // What was done, where and when, then where the backup went.
        QVERIFY2(QRegularExpression("^Read 396 blocks from COM1 \\(" +
                                    QRegularExpression::escape(radio.Port()) +
                                    "\\) at \\d\\d:\\d\\d\\. ")
                     .match(StatusText(program))
                     .hasMatch(),
                 qPrintable(StatusText(program)));
        QVERIFY(StatusText(program).endsWith(" A backup of the read is in " + backup));
        QCOMPARE(QFileInfo(Backups()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFileDevice::Permissions());
        // The backup is no document of the user's: the window's document is still untitled.
        QVERIFY(program.Document().PathName().isEmpty());

        // Somewhere no folder can be made: the read is done and the grid shows it all the same.
        QFile blocker(data_->filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", data_->filePath("blocked").toUtf8());
        program.prompts.Answer(Answer::No); // not saved
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(program.Cell(1, 1), QString());
        program.prompts.Forget();
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QVERIFY2(StatusText(program).contains(
                     ". The read is complete, but its backup could not be saved in " +
                     data_->filePath("blocked") + "/tevano/backups: "),
                 qPrintable(StatusText(program)));
        QCOMPARE(ListBackups(Backups().toStdString()).size(), std::size_t(1));
    }

    // The radio stores channel 1's first byte wrong: a verify after the write and Compare With
    // Radio both read it into an image of their own and list the difference; the document stays.
    void verifyAfterWriteAndCompareWithRadioListWhatTheRadioHoldsOtherwise() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio(
            {"--baud", "0", "--image", program.Path("radio.sin"), "--fault", "corrupt=0x000"});
        QVERIFY(program.StartWithRadio(radio));
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));

        // Off until the user turns it on; kept in MAIN.ini.
        program.App().UpdateCommandUi();
        QAction* verify = program.Frame().Action(res::cmd::kVerifyAfterWrite);
        QVERIFY(verify != nullptr && verify->isCheckable() && !verify->isChecked());
        program.App().OnCommand(res::cmd::kVerifyAfterWrite);
        program.App().UpdateCommandUi();
        QVERIFY(verify->isChecked());
        QVERIFY(FileBytes(program.Path("MAIN.ini")).contains("VERIFY_AFTER_WRITE=1"));

        QStringList rows =
            ComparisonRows([&] { QVERIFY(RunTransfer(program.App(), res::cmd::kWriteToRadio)); });
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows[0].startsWith("Channel 1, Rx Frequency | 145.00000 | "), qPrintable(rows[0]));
        QVERIFY2(StatusText(program).endsWith("The radio differs from the document in 1 place."),
                 qPrintable(StatusText(program)));

        const QByteArray before(reinterpret_cast<const char*>(program.Document().Image().data()),
                                int(program.Document().Image().size()));
        QString copied;
        rows = ComparisonRows(
            [&] { QVERIFY(RunTransfer(program.App(), res::cmd::kCompareWithRadio)); }, &copied);
        QCOMPARE(rows.size(), 1);
        QVERIFY(copied.startsWith("The document and COM1 (" + radio.Port() +
                                  ") differ in 1 place.\nChannel 1, Rx Frequency: 145.00000 / "));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(program.Document().Image().data()),
                            int(program.Document().Image().size())),
                 before);
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        // Reads to compare are no reads of the user's: only the first read was backed up.
        QCOMPARE(ListBackups(Backups().toStdString()).size(), std::size_t(1));
    }

    // Compare With File opens in the backups folder; a file that holds the same says so.
    void compareWithFileListsWhatTheFileHoldsOtherwise() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        WriteSampleFile(program.Path("sample.sin"));
        program.prompts.OpenFile(program.Path("sample.sin"));
        const QStringList rows =
            ComparisonRows([&] { program.App().OnCommand(res::cmd::kCompareWithFile); });
        QCOMPARE(program.prompts.lastFolder, Backups());
        QVERIFY(rows.contains("Channel 1, Rx Frequency |  | 145.00000"));

        program.prompts.OpenFile(program.Path("sample.sin"));
        program.App().OnCommand(res::cmd::kFileOpen);
        program.prompts.OpenFile(program.Path("sample.sin"));
        program.prompts.Forget();
        QVERIFY(
            ComparisonRows([&] { program.App().OnCommand(res::cmd::kCompareWithFile); }).isEmpty());
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The document and sample.sin hold the same."});
    }

    // A reply of 10 bytes is taken, as the radio's protocol takes it; the user learns after
    // the read which bytes did not come, and the backup's name says the read is incomplete.
    void aReadWithAShortReplyNamesTheBytesThatDidNotCome() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio(
            {"--baud", "0", "--image", program.Path("radio.sin"), "--fault", "short-reply=300:10"});
        QVERIFY(program.StartWithRadio(radio));

        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The read is complete, but some of the radio's replies were short; "
                             "the bytes that did not arrive keep their earlier values:\n"
                             "The radio's reply to block 0x0960 was short: image offsets "
                             "0x0966-0x0967 did not arrive."});
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        const std::vector<std::string> backups = ListBackups(Backups().toStdString());
        QCOMPARE(backups.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(backups[0]).endsWith("Z-incomplete.sin"),
                 backups[0].c_str());
        QVERIFY(StatusText(program).endsWith(" A backup of the read is in " +
                                             QString::fromStdString(backups[0])));
    }

    void aPortThatCannotBeOpenedSaysWhyInTheStatusBar() {
        ProgramFixture program;
        VirtualRadioProcess radio({"--baud", "0"});
        QVERIFY(radio.Started());
        const QString missing = program.Path("ttyUSB7");
        QFile ini(program.Path("MAIN.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QString("[PORTS]\nCOM1=%1\nCOM2=%2\n").arg(missing, radio.Port()).toUtf8());
        ini.close();
        QVERIFY(program.Start());

        // The message box stays the one it always was; the status bar adds the reason.
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.prompts.Texts(), QStringList{kPortOpenFailed});
        QCOMPARE(StatusText(program),
                 missing + " does not exist: the programming cable is not plugged in, or the "
                           "port is set to another device (Port Setup).");

        program.prompts.Forget();
        program.App().OnCommand(res::cmd::kPortCom2);
        PosixSerialPort otherProgram;
        QVERIFY(otherProgram.Open(radio.Port().toStdString(), kCloneTimeouts));
        QVERIFY(RunTransfer(program.App(), res::cmd::kWriteToRadio));
        QCOMPARE(program.prompts.Texts(), QStringList{kPortOpenFailed});
        QCOMPARE(StatusText(program), radio.Port() + " is in use by another program: close that "
                                                     "program and try again.");
        QVERIFY(ListBackups(Backups().toStdString()).empty());
    }

    void theTestModesPortThatCannotBeOpenedSaysWhyInChinese() {
        ProgramFixture program;
        qputenv("LANGUAGE", "zh_CN");
        const QString missing = program.Path("ttyACM3");
        VirtualRadioProcess::WritePortsIni(program.Path("MAIN.ini"), missing);
        QVERIFY(program.Start());
        const bool opened = WhileOpen<CTestModeDlg>(
            [&program] { program.App().OnCommand(res::cmd::kTestMode); },
            [](CTestModeDlg& dialog) {
                auto* tree = qobject_cast<QTreeWidget*>(dialog.Control(res::testmode::kTree));
                tree->setCurrentItem(dialog.TreeItem(TestModeTreeItem::LowFrequency));
                tree->setCurrentItem(dialog.TreeItem(TestModeTreeItem::TxPower));
                qobject_cast<QPushButton*>(dialog.Control(res::testmode::kStart))->click();
            });
        QVERIFY(opened);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"无法打开串口，请检查该设备是否正常，或是否被占用"});
        QCOMPARE(StatusText(program),
                 missing + " 不存在：写频线没有插好，或该端口设置成了别的设备（端口设置）。");
    }

    void openBackupFolderMakesTheFolderAndShowsIt() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QVERIFY(!QFileInfo::exists(Backups()));
        UrlCatcher desktop;
        QDesktopServices::setUrlHandler("file", &desktop, "Open");
        program.App().OnCommand(res::cmd::kOpenBackupFolder);
        QDesktopServices::unsetUrlHandler("file");

        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(Backups())});
        QVERIFY(QFileInfo(Backups()).isDir());
        QCOMPARE(QFileInfo(Backups()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFileDevice::Permissions());
        QCOMPARE(StatusText(program), "Backups of the reads are kept in " + Backups());
        QVERIFY(program.prompts.Questions().empty());

        // No file manager can be started: a message gives the folder's path.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        program.App().OnCommand(res::cmd::kOpenBackupFolder);
        qputenv("PATH", path);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"No file manager could be started to show the backups. They are "
                             "kept in the folder " +
                             Backups()});

        // Nowhere to keep backups: nothing to open, and the status bar says why.
        qunsetenv("XDG_DATA_HOME");
        const QByteArray home = qgetenv("HOME");
        qunsetenv("HOME");
        QDesktopServices::setUrlHandler("file", &desktop, "Open");
        program.App().OnCommand(res::cmd::kOpenBackupFolder);
        QDesktopServices::unsetUrlHandler("file");
        qputenv("HOME", home);
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(StatusText(program),
                 QString("There is no folder for backups: neither XDG_DATA_HOME nor HOME is set."));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::RadioLinkNotesTest)
#include "RadioLinkNotesTest.moc"
