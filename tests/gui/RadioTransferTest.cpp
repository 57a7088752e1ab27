// Read From Radio and Write To Radio from the program's window against the virtual radio on a
// pseudo-terminal: the progress dialog from the command to its end, what a read brings into the
// grid and a write into the radio, the cancels, the endings with their messages, and that the
// window answers while the radio is talked to (how soon: tools/bench-input.sh).

#include "GridInput.h"
#include "InputLatencyProbe.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/NewImage.h"
#include "support/TransferRunner.h"

#include "grid/ChannelDecode.h"
#include "image/ChannelFile.h"
#include "radiolink/PosixSerialPort.h"
#include "radiolink/ui/CProgressDlg.h"
#include "resources/CommandIds.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tevano::testing {

namespace {

const QString kNotStarted = "   Not start yet";
const QString kDetecting = "Now are detecting Communication Port,Please wait...";
const QString kInterrupted = "Communication had been interrupted,please try again";
const QString kCommunicationError =
    "Communication Error，Please check all the connections and the radio power";
const QString kProgramInterrupted = " Program Interrupt，Please reset the radio and try again";
const QString kPortOpenFailed =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";

QString PartlyWritten(int blocks) {
    return QString("The write to the radio stopped after %1 of its 396 blocks. The radio now "
                   "holds a partly written memory: write it again before using the radio.")
        .arg(blocks);
}

// The image in the file; all zero when the file cannot be read, which no document's image is.
RadioImage ImageOf(const QString& path) {
    RadioImage image{};
    static_cast<void>(LoadChannelFile(path.toStdString(), image));
    return image;
}

// Whether the program has let go of the radio's port.
bool PortIsFree(const QString& device) {
    PosixSerialPort port;
    return port.Open(device.toStdString(), kCloneTimeouts);
}

} // namespace

class RadioTransferTest : public QObject {
    Q_OBJECT

private slots:
    void readShowsTheRadioInTheGrid() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        QCOMPARE(program.Cell(1, 1), QString());

        program.App().OnCommand(res::cmd::kReadFromRadio);
        CProgressDlg* dialog = OpenProgressWindow();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Reading Data Progress"));
        QCOMPARE(dialog->StatusLine()->text(), kNotStarted);
        QCOMPARE(dialog->Bar()->minimum(), 0);
        QCOMPARE(dialog->Bar()->maximum(), 394);
        QCOMPARE(dialog->Bar()->value(), 0);
        const ChannelTableView& grid = program.Table();
        const QPoint offCentre = dialog->frameGeometry().center() -
                                 QRect(grid.mapToGlobal(QPoint(0, 0)), grid.size()).center();
        QVERIFY2(offCentre.manhattanLength() <= 2, "the dialog is centred over the grid");

        // What the user sees while the blocks come, sampled at the pump turns.
        QStringList statuses;
        int highestBar = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            if (statuses.isEmpty() || statuses.last() != dialog->StatusLine()->text()) {
                statuses << dialog->StatusLine()->text();
            }
            highestBar = std::max(highestBar, dialog->Bar()->value());
        });
        sampler.start(0);
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        QVERIFY(!dialog->StartButton()->isEnabled());
        // Start only posts the transfer: nothing has run inside the click.
        QCOMPARE(dialog->StatusLine()->text(), kNotStarted);
        QVERIFY(ProgressWindowCloses(30000));
        sampler.stop();

        QVERIFY(program.prompts.Questions().empty());
        QVERIFY(program.Document().Image() == ImageOf(program.Path("radio.sin")));
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(program.Cell(1, 4), QString("88.5"));
        QCOMPARE(program.Cell(2, 3), QString("D023N"));
        QCOMPARE(program.Cell(2, 12), QString("UHF"));
        QVERIFY(program.Document().IsModified());
        QVERIFY(program.Document().PathName().isEmpty());

        // The status line counts the blocks to 396; the bar stops at its end. ("Waiting the
        // response" comes and goes between two pump turns when the radio answers at once.)
        QVERIFY(statuses.size() > 100);
        QCOMPARE(statuses.first(), kDetecting);
        int previous = 0;
        for (const QString& status : statuses.mid(1)) {
            bool number = false;
            const int count = status.toInt(&number);
            QVERIFY2(number && count > previous, qPrintable(status));
            previous = count;
        }
        QCOMPARE(statuses.last(), QString("396"));
        QCOMPARE(highestBar, 394);
    }

    // Open a file, read another radio, save: the file that was open keeps its own radio.
    void aReadLeavesTheDocumentUntitled() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        QFile opened(program.Path("ff.sin"));
        QVERIFY(opened.open(QIODevice::WriteOnly));
        opened.write(QByteArray(3168, '\xFF'));
        opened.close();
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio, {program.Path("ff.sin")}));
        QVERIFY(StartTransfer(program.App(), res::cmd::kReadFromRadio) != nullptr);
        QVERIFY(ProgressWindowCloses(30000));
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QVERIFY(program.Document().PathName().isEmpty());
        QVERIFY(program.Document().IsModified());

        // Save asks where to; a place that cannot be written is a failure, told as one.
        program.prompts.SaveFile(program.Path("no/such/dir/radio.sin"));
        program.App().OnCommand(res::cmd::kFileSave);
        // In the folder of the file opened last.
        QCOMPARE(program.prompts.lastSuggestion, program.Path("Untitled.sin"));
        QVERIFY(!program.prompts.Questions().empty());
        QVERIFY(program.prompts.Texts().first().startsWith("Cannot save"));
        QCOMPARE(program.prompts.Questions().front().icon, BoxIcon::Error);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(), QByteArray(3168, '\xFF'));

        program.prompts.Forget();
        program.prompts.Answer(Answer::Cancel);
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(program.prompts.Texts(), QStringList{"Save changes to Untitled?"});
    }

    void writeSendsTheGridWithTheCellBeingEdited() {
        ProgramFixture program;
        WriteSampleFile(program.Path("file.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--save", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio, {program.Path("file.sin")}));
        // Channel 3 is being typed into when the user chooses the command.
        ChannelTableView& grid = program.Table();
        const QModelIndex cell = grid.model()->index(2, 1);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid.visualRect(cell).center());
        QTest::keyClicks(QApplication::focusWidget(), "146.5");

        // Read, then Write before Start: the open window now says what its Start does. The
        // read is told to go on and replace the edits.
        program.prompts.Answer(Answer::No);
        program.prompts.Answer(Answer::No);
        program.App().OnCommand(res::cmd::kReadFromRadio);
        CProgressDlg* dialog = OpenProgressWindow();
        QVERIFY(dialog != nullptr);
        dialog->StatusLine()->setText("Waiting"); // whatever it showed, it shows "not started"
        program.App().OnCommand(res::cmd::kWriteToRadio);
        QCOMPARE(OpenProgressWindow(), dialog);
        QCOMPARE(dialog->windowTitle(), QString("Writing Data Progress"));
        QCOMPARE(dialog->StatusLine()->text(), kNotStarted);
        program.App().OnCommand(res::cmd::kReadFromRadio);
        QCOMPARE(dialog->windowTitle(), QString("Reading Data Progress"));
        CProgressDlg* started = StartTransfer(program.App(), res::cmd::kWriteToRadio);
        QCOMPARE(started, dialog);
        QCOMPARE(dialog->windowTitle(), QString("Writing Data Progress"));
        // Once running, another command changes neither the caption nor the direction.
        program.App().OnCommand(res::cmd::kReadFromRadio);
        QCOMPARE(dialog->windowTitle(), QString("Writing Data Progress"));
        QVERIFY(ProgressWindowCloses(30000));

        // Each Read asked about the unsaved edits; nothing else was asked.
        QCOMPARE(program.prompts.Texts(), QStringList(2, program.prompts.Texts().value(0)));
        QVERIFY(program.prompts.Texts().value(0).startsWith("Save changes"));
        QCOMPARE(program.Cell(3, 1), QString("146.50000"));
        const RadioImage inRadio = ImageOf(program.Path("radio.sin"));
        QVERIFY(inRadio == program.Document().Image());
        QCOMPARE(DecodeChannel(inRadio, 3, Language::English)[1], std::string("146.50000"));
        QCOMPARE(DecodeChannel(inRadio, 1, Language::English)[4], std::string("88.5"));
        QCOMPARE(DecodeChannel(inRadio, 2, Language::English)[12], std::string("UHF"));
    }

    void cancelStopsAReadAndKeepsTheDocument() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        const QPointer<CProgressDlg> dialog =
            StartTransfer(program.App(), res::cmd::kReadFromRadio);
        QVERIFY(dialog != nullptr);
        AtBlock(dialog, 100,
                [dialog] { QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton); });
        QVERIFY(ProgressWindowCloses(30000));

        QVERIFY(program.prompts.Questions().empty());
        QVERIFY(program.Document().Image() == NewImage());
        QCOMPARE(program.Cell(1, 1), QString());
        QVERIFY(!program.Document().IsModified());
        QVERIFY(PortIsFree(radio.Port()));

        // The next command opens a fresh window.
        QTRY_VERIFY(dialog == nullptr);
        program.App().OnCommand(res::cmd::kReadFromRadio);
        QVERIFY(OpenProgressWindow() != nullptr);
        QCOMPARE(OpenProgressWindow()->Bar()->value(), 0);
        QCOMPARE(OpenProgressWindow()->StatusLine()->text(), kNotStarted);
        QVERIFY(OpenProgressWindow()->StartButton()->isEnabled());
    }

    // A read into a document with unsaved edits asks first: Cancel stops before a window opens
    // or a byte reaches the radio, No lets the radio's memory replace the edits, Yes saves them
    // first.
    void aReadAsksBeforeReplacingUnsavedEdits() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        WriteSampleFile(program.Path("mine.sin"));
        const QString wire = program.Path("wire.txt");
        VirtualRadioProcess radio(
            {"--baud", "0", "--image", program.Path("radio.sin"), "--trace", wire});
        QVERIFY(program.StartWithRadio(radio, {program.Path("mine.sin")}));
        const auto renameChannelOne = [&program](const QString& name) {
            program.Frame().activateWindow(); // the progress window took the focus with it
            QVERIFY(QTest::qWaitForWindowActive(&program.Frame()));
            program.ClickCell(1, 12);
            Type(name);
            Enter();
        };
        const auto nameInFile = [](const QString& path) {
            return QString::fromStdString(DecodeChannel(ImageOf(path), 1, Language::English)[12]);
        };
        renameChannelOne("MINE");

        program.prompts.Answer(Answer::Cancel);
        program.App().OnCommand(res::cmd::kReadFromRadio);
        QCOMPARE(program.prompts.Texts(), QStringList{"Save changes to mine.sin?"});
        QCOMPARE(OpenProgressWindow(), nullptr);
        QCOMPARE(QFileInfo(wire).size(), 0);
        QCOMPARE(program.Cell(1, 12), QString("MINE"));
        QVERIFY(program.Document().IsModified());

        program.prompts.Answer(Answer::No);
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.Cell(1, 12), QString("CALL"));
        QCOMPARE(nameInFile(program.Path("mine.sin")), QString("CALL"));

        renameChannelOne("OURS");
        program.prompts.Forget();
        program.prompts.Answer(Answer::Yes);
        program.prompts.SaveFile(program.Path("ours.sin")); // the read left it untitled
        QVERIFY(RunTransfer(program.App(), res::cmd::kReadFromRadio));
        QCOMPARE(program.prompts.Texts(), QStringList{"Save changes to Untitled?"});
        QCOMPARE(nameInFile(program.Path("ours.sin")), QString("OURS"));
        QCOMPARE(program.Cell(1, 12), QString("CALL"));
    }

    void leavingOrMovingTheDialogInterruptsTheTransfer_data() {
        QTest::addColumn<bool>("move");
        QTest::newRow("the user clicks the main window") << false;
        QTest::newRow("the user drags the dialog") << true;
    }

    void leavingOrMovingTheDialogInterruptsTheTransfer() {
        QFETCH(bool, move);
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        program.App().OnCommand(res::cmd::kReadFromRadio);
        CProgressDlg* dialog = OpenProgressWindow();
        QVERIFY(dialog != nullptr);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        CMainFrame* frame = &program.Frame();
        AtBlock(dialog, 20, [dialog, frame, move] {
            if (move) {
                dialog->move(dialog->pos() + QPoint(40, 0));
            } else {
                frame->activateWindow();
            }
        });
        QVERIFY(ProgressWindowCloses(30000));

        QCOMPARE(program.prompts.Texts(), QStringList{kInterrupted});
        QVERIFY(program.Document().Image() == NewImage());
        QCOMPARE(program.Cell(1, 1), QString());
        QVERIFY(PortIsFree(radio.Port()));
    }

    // A stray click on the main window or a drag of the dialog leaves a write running: stopped
    // there, it would leave the radio half-written.
    void aStrayClickOrMoveDoesNotStopAWrite() {
        ProgramFixture program;
        WriteSampleFile(program.Path("file.sin"));
        VirtualRadioProcess radio({"--baud", "0", "--save", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio, {program.Path("file.sin")}));
        const QPointer<CProgressDlg> dialog = StartTransfer(program.App(), res::cmd::kWriteToRadio);
        QVERIFY(dialog != nullptr);
        CMainFrame* frame = &program.Frame();
        AtBlock(dialog, 20, [frame] { frame->activateWindow(); });
        AtBlock(dialog, 40, [dialog] { dialog->move(dialog->pos() + QPoint(40, 0)); });
        QVERIFY(ProgressWindowCloses(30000));

        QVERIFY(program.prompts.Questions().empty());
        QVERIFY(ImageOf(program.Path("radio.sin")) == program.Document().Image());
        const QString done = program.Frame().MessageText();
        QVERIFY2(done.startsWith("Wrote 396 blocks to COM1 (" + radio.Port() + ") at "),
                 qPrintable(done));
    }

    // However a write ends before its last block, the user is told how far it got.
    void aRefusedWriteBlockEndsTheWriteWithItsMessage() {
        ProgramFixture program;
        VirtualRadioProcess radio(
            {"--baud", "0", "--fault", "refuse-write=7", "--save", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        QVERIFY(StartTransfer(program.App(), res::cmd::kWriteToRadio) != nullptr);
        QVERIFY(ProgressWindowCloses(30000));
        QCOMPARE(program.prompts.Texts(), (QStringList{kProgramInterrupted, PartlyWritten(7)}));
        QCOMPARE(program.prompts.Questions().back().icon, BoxIcon::Warning);
        QVERIFY(!QFile::exists(program.Path("radio.sin")));
        QVERIFY(PortIsFree(radio.Port()));
    }

    void aCancelledWriteIsNeverSilent() {
        ProgramFixture program;
        qputenv("LANGUAGE", "zh_CN");
        VirtualRadioProcess radio({"--baud", "0"});
        QVERIFY(program.StartWithRadio(radio));
        const QPointer<CProgressDlg> dialog = StartTransfer(program.App(), res::cmd::kWriteToRadio);
        QVERIFY(dialog != nullptr);
        int lastBlock = 0;
        connect(dialog->Bar(), &QProgressBar::valueChanged, this,
                [&lastBlock](int value) { lastBlock = value; });
        program.prompts.Answer(Answer::Yes); // to the question whether to stop writing
        AtBlock(dialog, 126, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY(ProgressWindowCloses(30000));
        QVERIFY(lastBlock >= 126 && lastBlock < 394);
        QCOMPARE(
            program.prompts.Texts(),
            (QStringList{"停止写入吗？对讲机中将是只写入了一部分的数据，必须重新写入。",
                         QString("写入对讲机时中止：396 块中只写入了 %1 块。对讲机中现在是只写入"
                                 "了一部分的数据，使用对讲机之前必须重新写入。")
                             .arg(lastBlock)}));
        QVERIFY(PortIsFree(radio.Port()));
    }

    void aRadioThatDoesNotAnswerAsksForRetry_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("retry");
        QTest::newRow("Retry, and the radio answers") << "wrong-ack=15" << true;
        QTest::newRow("Cancel") << "wrong-ack" << false;
    }

    void aRadioThatDoesNotAnswerAsksForRetry() {
        QFETCH(QString, fault);
        QFETCH(bool, retry);
        ProgramFixture program;
        VirtualRadioProcess radio(
            {"--baud", "0", "--fault", fault, "--save", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        program.prompts.Answer(retry ? Answer::Retry : Answer::Cancel);
        QVERIFY(StartTransfer(program.App(), res::cmd::kWriteToRadio) != nullptr);
        QVERIFY(ProgressWindowCloses(30000));
        QCOMPARE(program.prompts.Texts(), QStringList{kCommunicationError});
        QCOMPARE(QFile::exists(program.Path("radio.sin")), retry);
    }

    void aPortThatCannotBeOpened() {
        ProgramFixture program;
        VirtualRadioProcess::WritePortsIni(program.Path("MAIN.ini"), program.Path("no-such-tty"));
        QVERIFY(program.Start());
        // Cancel before Start does not go near the port.
        program.App().OnCommand(res::cmd::kReadFromRadio);
        QTest::mouseClick(OpenProgressWindow()->CancelButton(), Qt::LeftButton);
        QVERIFY(OpenProgressWindow() == nullptr);
        QCoreApplication::sendPostedEvents(); // whatever the cancel queued has run
        QVERIFY(program.prompts.Questions().empty());

        QVERIFY(StartTransfer(program.App(), res::cmd::kReadFromRadio) != nullptr);
        QVERIFY(ProgressWindowCloses(5000));
        QCOMPARE(program.prompts.Texts(), QStringList{kPortOpenFailed});
        QCOMPARE(program.Cell(1, 1), QString());
    }

    // Input that arrives while the radio is talked to at 9600 baud is taken between the blocks,
    // not after the transfer.
    void theWindowAnswersDuringATransfer() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        VirtualRadioProcess radio({"--image", program.Path("radio.sin")});
        QVERIFY(program.StartWithRadio(radio));
        LatencyProbe probe;
        InputPoster poster(probe);
        const QPointer<CProgressDlg> dialog =
            StartTransfer(program.App(), res::cmd::kReadFromRadio);
        QVERIFY(dialog != nullptr);
        AtBlock(dialog, 1, [&probe] { probe.measuring = true; });
        AtBlock(dialog, 40, [&probe, dialog] {
            probe.measuring = false;
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        });
        const bool finished = ProgressWindowCloses(30000);
        poster.Stop();
        QVERIFY(finished);
        QVERIFY(probe.waitsMs.size() > 100);
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::RadioTransferTest)
#include "RadioTransferTest.moc"
