// The desktop program from start to exit: its first document, opening and saving files, the
// port menu, the menu keys and the question that keeps unsaved changes.

#include "DialogRunner.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "support/OtherUser.h"
#include "support/TransferRunner.h"

#include "radiolink/ui/CProgressDlg.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/ui/CMainFrame.h"
#include "testmode/ui/CTestModeDlg.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace tevano::testing {

class ProgramStartTest : public QObject {
    Q_OBJECT

private:
    static QComboBox* FieldList(ProgramFixture& program) {
        return qobject_cast<QComboBox*>(program.View().Control(1011));
    }

    // The user picks another band: the document now holds a change.
    // Another "Field" entry, as the user picks it. The sample's channels lie outside the other
    // bands: the message that lists them is answered and left out of what the test looks at.
    static void PickBand(ProgramFixture& program, int index) {
        QComboBox* field = FieldList(program);
        field->setCurrentIndex(index);
        emit field->activated(index);
        program.prompts.Forget();
    }

private slots:
    void startsWithANewDocument() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QCOMPARE(program.Frame().windowTitle(), QString("Tevano Programing Software"));
        QCOMPARE(program.Frame().size(), QSize(1024, 768));
        QVERIFY(program.Frame().isVisible());
        QCOMPARE(program.Frame().menuBar()->actions().first()->text(), QString("&File"));
        QCOMPARE(program.Cell(0, 1), QString("Rx Frequency"));
        QCOMPARE(program.Cell(0, 5), QString(" W/N "));
        QCOMPARE(program.Cell(1, 0), QString("1"));
        QCOMPARE(program.Cell(128, 0), QString("128"));
        for (int col = 1; col <= 12; ++col) {
            QCOMPARE(program.Cell(1, col), QString());
        }
        QCOMPARE(FieldList(program)->currentText(), QString("134 - 176MHz"));
        QVERIFY(!program.Document().IsModified());
        QVERIFY(program.prompts.Questions().empty());
        // The desktop ties the window to the program's entry, tevano.desktop.
        QCOMPARE(QGuiApplication::desktopFileName(), QString("tevano"));
    }

    // On a screen with less room than 1024 x 768 the window opens as large as fits, frame, menu
    // bar and status bar all on the screen. CTest runs this on a 1280 x 720 screen as well.
    void theFirstWindowFitsTheScreen() {
        ProgramFixture program;
        QVERIFY(program.Start());
        CMainFrame& frame = program.Frame();
        const QRect available = frame.screen()->availableGeometry();
        QVERIFY(available.contains(frame.frameGeometry()));
        for (const QWidget* bar :
             {static_cast<QWidget*>(frame.menuBar()), static_cast<QWidget*>(frame.statusBar())}) {
            QVERIFY(bar->isVisible());
            QVERIFY(available.contains(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
        }
        QCOMPARE(frame.width(), 1024);
        if (available.height() < 768) {
            QCOMPARE(frame.frameGeometry().height(), available.height());
        } else {
            QCOMPARE(frame.height(), 768);
        }
    }

    void startsWithTheFileNamedOnTheCommandLine() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(program.Cell(1, 4), QString("88.5"));
        QCOMPARE(program.Cell(2, 1), QString("439.99375"));
        QCOMPARE(program.Cell(2, 12), QString("UHF"));
        QCOMPARE(program.Document().PathName(), program.Path("sample.sin"));
        // The title never shows the document's name.
        QCOMPARE(program.Frame().windowTitle(), QString("Tevano Programing Software"));
    }

    void aShortFileOnTheCommandLineEndsTheStartUp() {
        ProgramFixture program;
        WriteShortFile(program.Path("short.sin"));
        QVERIFY(!program.Start({program.Path("short.sin")}));
        QCOMPARE(program.prompts.Questions().size(), std::size_t{1});
        QVERIFY(program.prompts.Texts().first().contains("3168"));
    }

    void aMissingModuleEndsTheStartUp() {
        ProgramFixture program(false);
        QVERIFY(!program.Start());
        QCOMPARE(program.prompts.Texts(), QStringList{"Load Resource DLL english.dll Fail"});
    }

    void newAfterOpenShowsAnEmptyDocument() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(program.Cell(1, 1), QString());
        QCOMPARE(program.Cell(2, 12), QString());
        QVERIFY(program.Document().PathName().isEmpty());
        QVERIFY(program.prompts.Questions().empty()); // nothing was changed, nothing asked
    }

    void aFileThatCannotBeOpenedKeepsTheDocument() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        WriteShortFile(program.Path("short.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        program.prompts.OpenFile(program.Path("short.sin"));
        program.App().OnCommand(res::cmd::kFileOpen);
        QCOMPARE(program.prompts.Questions().size(), std::size_t{1});
        QVERIFY(program.prompts.Texts().first().contains("short.sin"));
        QCOMPARE(program.Cell(1, 1), QString("145.00000"));
        QCOMPARE(program.Document().PathName(), program.Path("sample.sin"));
    }

    void aDroppedFileIsOpened() {
        ProgramFixture program;
        WriteSampleFile(program.Path("dropped.sin"));
        QVERIFY(program.Start());
        emit program.Frame().FilesDropped({program.Path("dropped.sin")});
        QCOMPARE(program.Cell(1, 12), QString("CALL"));
    }

    void thePortMenuChecksTheChosenPortOnly() {
        ProgramFixture program;
        QVERIFY(program.Start());
        const int ports[] = {res::cmd::kPortCom1, res::cmd::kPortCom2, res::cmd::kPortCom3,
                             res::cmd::kPortCom4};
        const auto checked = [&] {
            QList<bool> marks;
            program.App().UpdateCommandUi();
            for (int id : ports) {
                marks << program.Frame().Action(id)->isChecked();
            }
            return marks;
        };
        QCOMPARE(checked(), (QList<bool>{true, false, false, false}));
        program.Frame().Action(res::cmd::kPortCom3)->trigger();
        QCOMPARE(checked(), (QList<bool>{false, false, true, false}));
        QCOMPARE(program.View().PortName(), std::string("COM3"));
        program.Frame().Action(res::cmd::kPortCom3)->trigger();
        QCOMPARE(checked(), (QList<bool>{false, false, true, false}));
    }

    // The keyboard starts on channel 1's receive frequency, and is put there again by New.
    void theKeyboardStartsOnChannelOne() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&program.Table()));
        QCOMPARE(program.CurrentRow(), 1);
        QCOMPARE(program.CurrentCol(), 1);
        program.View().Control(1011)->setFocus();
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&program.Table()));
    }

    // Every key a menu item shows runs that item, in both languages, and no key is shown twice.
    void everyShortcutAMenuShowsWorks() {
        for (const char* language : {"en_US", "zh_CN"}) {
            ProgramFixture program;
            qputenv("LANGUAGE", language);
            QVERIFY(program.Start());
            // A window of its own, whose commands are only counted.
            CMainFrame frame;
            frame.LoadFrameResources(program.App().Module());
            frame.show();
            frame.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            QSignalSpy commands(&frame, &CMainFrame::Command);
            QStringList shown;
            for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
                for (QAction* action : menu->actions()) {
                    const QString keys = action->shortcut().toString();
                    if (keys.isEmpty()) {
                        continue;
                    }
                    QVERIFY2(!shown.contains(keys), qPrintable(keys));
                    shown << keys;
                    commands.clear();
                    action->trigger();
                    QCOMPARE(commands.size(), 1);
                    const int command = commands.takeFirst().at(0).toInt();
                    QTest::keySequence(&frame, QKeySequence(keys));
                    QVERIFY2(commands.size() == 1 && commands.first().at(0).toInt() == command,
                             qPrintable(language + (": " + keys)));
                }
            }
            QVERIFY(shown.contains("Ctrl+W"));
        }
    }

    void unsavedChangesAreNotDroppedWithoutAQuestion() {
        ProgramFixture program;
        QVERIFY(program.Start());
        PickBand(program, 1);
        QVERIFY(program.Document().IsModified());

        program.prompts.Answer(Answer::Cancel);
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(program.prompts.Texts(), QStringList{"Save changes to Untitled?"});
        QCOMPARE(FieldList(program)->currentIndex(), 1); // New was abandoned

        program.prompts.Answer(Answer::No);
        program.App().OnCommand(res::cmd::kFileNew);
        QCOMPARE(FieldList(program)->currentIndex(), 0);
        QVERIFY(!program.Document().IsModified());
    }

    void answeringYesSavesFirst() {
        ProgramFixture program;
        QVERIFY(program.Start());
        PickBand(program, 2);
        program.prompts.Answer(Answer::Yes);
        program.prompts.SaveFile(program.Path("kept"));
        program.App().OnCommand(res::cmd::kFileNew);
        QFile saved(program.Path("kept.sin")); // the extension is added
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.size(), 3168);
        QCOMPARE(static_cast<unsigned char>(bytes[0x80A]), 0xF0u);
        QCOMPARE(FieldList(program)->currentIndex(), 0); // and then the new document
    }

    // Saving over a file whose mode forbids writing: the message, then Save As for another file;
    // the read-only file stays as it was.
    void aReadOnlyFileIsNotReplaced() {
        ProgramFixture program;
        WriteSampleFile(program.Path("locked.sin"));
        QFile locked(program.Path("locked.sin"));
        QVERIFY(locked.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(locked.open(QIODevice::ReadOnly));
        const QByteArray before = locked.readAll();
        locked.close();
        QVERIFY(program.Start({program.Path("locked.sin")}));
        PickBand(program, 2);
        program.prompts.SaveFile(program.Path("copy.sin"));
        program.App().OnCommand(res::cmd::kFileSave);

        QCOMPARE(program.prompts.Texts(),
                 QStringList{"\"" + program.Path("locked.sin") +
                             "\" is read-only: Permission denied. It was left as it was; save to "
                             "another place."});
        QCOMPARE(program.prompts.lastSuggestion, program.Path("locked.sin"));
        QCOMPARE(program.Document().PathName(), program.Path("copy.sin"));
        QVERIFY(!program.Document().IsModified());
        QVERIFY(locked.open(QIODevice::ReadOnly));
        QCOMPARE(locked.readAll(), before);
        QFile copy(program.Path("copy.sin"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(static_cast<unsigned char>(copy.readAll()[0x80A]), 0xF0u);
    }

    // Another user's link in a shared folder (sticky, writable by all, as /tmp) is not followed
    // by Save: the message, then Save As for another file; the file it names stays as it was.
    void anotherUsersLinkInASharedFolderIsNotFollowed() {
        ProgramFixture program;
        const QByteArray precious("precious\n");
        QFile victim(program.Path("victim"));
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.write(precious);
        victim.close();
        const QString link = program.Path("shared/x.sin");
        QVERIFY(QDir(program.Path("")).mkdir("shared"));
        QVERIFY(chmod(qPrintable(program.Path("shared")), 01777) == 0);
        QVERIFY(QFile::link(program.Path("victim"), link));
        if (!GiveLinkToAnotherUser(link.toStdString())) {
            QSKIP(kNeedsAnotherUser);
        }
        QVERIFY(program.Start());
        PickBand(program, 2);
        program.prompts.SaveFile(link);
        program.prompts.SaveFile(program.Path("copy.sin"));
        program.App().OnCommand(res::cmd::kFileSaveAs);

        QCOMPARE(program.prompts.Texts(),
                 QStringList{"\"" + link +
                             "\" is a link owned by another user in a shared folder. It was not "
                             "followed; save to another place."});
        QCOMPARE(program.Document().PathName(), program.Path("copy.sin"));
        QVERIFY(!program.Document().IsModified());
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), precious);
    }

    // Save asks before it replaces a file that another program saved over since it was opened
    // or saved here; No leaves that program's file, Yes replaces it, and the next Save asks no
    // more.
    void aFileChangedOnDiskIsReplacedOnlyAfterAQuestion() {
        ProgramFixture program;
        WriteSampleFile(program.Path("radio.sin"));
        QVERIFY(program.Start({program.Path("radio.sin")}));
        // Another program saves the file anew, as every careful program does: a new file put in
        // its place.
        WriteSampleFile(program.Path("other.sin"));
        QVERIFY(QFile::remove(program.Path("radio.sin")));
        QVERIFY(QFile::rename(program.Path("other.sin"), program.Path("radio.sin")));
        PickBand(program, 2);

        const auto band = [&program] {
            QFile file(program.Path("radio.sin"));
            return file.open(QIODevice::ReadOnly)
                       ? unsigned{static_cast<unsigned char>(file.readAll()[0x80A])}
                       : 0u;
        };
        const unsigned before = band();
        program.App().OnCommand(res::cmd::kFileSave);
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"\"" + program.Path("radio.sin") +
                             "\" was changed on disk by another program since it was opened or "
                             "last saved here. Replace it with the channels shown here?"});
        QCOMPARE(program.prompts.Questions().front().buttons, Buttons::YesNo);
        QCOMPARE(band(), before);
        QVERIFY(program.Document().IsModified());

        program.prompts.Forget();
        program.prompts.Answer(Answer::Yes);
        program.App().OnCommand(res::cmd::kFileSave);
        QCOMPARE(band(), 0xF0u);
        QVERIFY(!program.Document().IsModified());
        program.prompts.Forget();
        PickBand(program, 1);
        program.App().OnCommand(res::cmd::kFileSave);
        QVERIFY(program.prompts.Texts().isEmpty());
        QVERIFY(!program.Document().IsModified());
    }

    // The keys that the Program menu shows beside Read From Radio and Test Mode open them.
    void ctrlROpensReadFromRadioAndCtrlTTestMode() {
        ProgramFixture program;
        QVERIFY(program.StartActive());
        QTest::keyClick(program.Table().viewport(), Qt::Key_R, Qt::ControlModifier);
        CProgressDlg* progress = OpenProgressWindow();
        QVERIFY(progress != nullptr);
        QCOMPARE(progress->windowTitle(), QString("Reading Data Progress"));
        progress->reject();

        program.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.Frame()));
        QString caption;
        QVERIFY(WhileOpen<CTestModeDlg>(
            [&program] {
                QTest::keyClick(program.Table().viewport(), Qt::Key_T, Qt::ControlModifier);
            },
            [&caption](CTestModeDlg& dialog) { caption = dialog.windowTitle(); }));
        QCOMPARE(caption, QString("Debug Mode for Tevano"));
        QVERIFY(program.prompts.Questions().empty());
    }

    void closingWithChangesCanBeCancelled() {
        ProgramFixture program;
        QVERIFY(program.Start());
        PickBand(program, 1);
        program.prompts.Answer(Answer::Cancel);
        QVERIFY(!program.Frame().close());
        QVERIFY(program.Frame().isVisible());
        program.prompts.Answer(Answer::No);
        QVERIFY(program.Frame().close());
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::ProgramStartTest)
#include "ProgramStartTest.moc"
