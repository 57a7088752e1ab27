// The transfer progress dialog on its own: how Start, Cancel, Esc and the close box, leaving the
// dialog and moving it set its flags and show the interruption message, before and during a
// read, and why none of them but a confirmed Cancel stops a write. The window events are sent to
// the dialog as the window system would deliver them.

#include "ProgramFixture.h"

#include "radiolink/ui/CProgressDlg.h"
#include "shell/ui/CTevApp.h"

#include <QLabel>
#include <QMoveEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace tevano::testing {

namespace {

const QString kInterrupted = "Communication had been interrupted,please try again";
const QString kStopWriting = "Stop writing? The radio will then hold a partly written memory "
                             "that must be written again.";

// Prompts that can do something while a message box is open, as a user dragging on would.
class BusyPrompts : public ScriptedPrompts {
public:
    std::function<void()> whileOpen;

    using ScriptedPrompts::Ask;
    tevano::Answer Ask(QWidget* parent, const QString& text, Buttons buttons,
                       BoxIcon icon) override {
        if (whileOpen) {
            whileOpen();
        }
        return ScriptedPrompts::Ask(parent, text, buttons, icon);
    }
};

void Deactivate(QWidget* window) {
    QEvent event(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(window, &event);
}

void Move(QWidget* window) {
    QMoveEvent event(window->pos() + QPoint(15, 10), window->pos());
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class ProgressDialogTest : public QObject {
    Q_OBJECT

private:
    ProgramFixture program_;
    BusyPrompts prompts_;

    std::unique_ptr<CProgressDlg> MakeDialog() {
        const res::DialogTemplate* layout =
            program_.App().Module().FindDialog(res::ids::kProgressDialog);
        auto dialog = std::make_unique<CProgressDlg>(*layout, "Reading Data Progress", prompts_,
                                                     &program_.Frame());
        dialog->show();
        return dialog;
    }

    static void Press(CProgressDlg& dialog, const QString& how) {
        if (how == "button") {
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        } else if (how == "escape") {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
    }

private slots:
    void initTestCase() { QVERIFY(program_.Start()); }

    void init() {
        prompts_.Forget();
        prompts_.whileOpen = nullptr;
    }

    void startRunsOnceAndOnlyFromTheEventLoop() {
        auto dialog = MakeDialog();
        QVERIFY(dialog->StartButton()->isDefault());
        int started = 0;
        connect(
            dialog.get(), &CProgressDlg::StartTransfer, this, [&] { ++started; },
            Qt::QueuedConnection);
        QTest::keyClick(dialog.get(), Qt::Key_Return); // Enter presses Start
        QVERIFY(dialog->Running());
        QCOMPARE(started, 0);
        QCoreApplication::processEvents();
        QCOMPARE(started, 1);
        // A disabled Start is neither clicked nor pressed by Enter.
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(started, 1);
    }

    void cancelBeforeStartClosesTheWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "button";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("close box") << "close";
    }

    void cancelBeforeStartClosesTheWindow() {
        QFETCH(QString, how);
        const QPointer<CProgressDlg> dialog = MakeDialog().release();
        Press(*dialog, how);
        QVERIFY(dialog->isHidden());
        QVERIFY(dialog->CancelRequested());
        QTRY_VERIFY(dialog == nullptr); // the window is destroyed, not merely hidden
        QVERIFY(prompts_.Questions().empty());
    }

    void cancelDuringATransferLeavesTheWindowToTheExchange_data() {
        cancelBeforeStartClosesTheWindow_data();
    }

    void cancelDuringATransferLeavesTheWindowToTheExchange() {
        QFETCH(QString, how);
        auto dialog = MakeDialog();
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        Press(*dialog, how);
        QVERIFY(dialog->CancelRequested());
        QVERIFY(dialog->isVisible());
        QVERIFY(prompts_.Questions().empty());
    }

    void leavingTheDialogInterruptsOnlyARunningWatchedTransfer() {
        auto dialog = MakeDialog();
        Deactivate(dialog.get()); // before Start: the user may go elsewhere
        QVERIFY(!dialog->CancelRequested());

        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        dialog->SetInterruptionWatch(false); // the exchange's own message box takes the focus
        Deactivate(dialog.get());
        QVERIFY(!dialog->CancelRequested());
        QVERIFY(prompts_.Questions().empty());

        dialog->SetInterruptionWatch(true);
        Deactivate(dialog.get());
        QVERIFY(dialog->CancelRequested());
        QCOMPARE(prompts_.Texts(), QStringList{kInterrupted});

        // The interruption message itself takes the focus: no second message.
        Deactivate(dialog.get());
        QCOMPARE(prompts_.Texts(), QStringList{kInterrupted});
    }

    void movingTheDialogInterruptsARunningTransfer() {
        auto dialog = MakeDialog();
        Move(dialog.get());
        QVERIFY(!dialog->CancelRequested());
        QVERIFY(prompts_.Questions().empty());

        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        dialog->SetInterruptionWatch(false); // a move is an interruption whatever the watch says
        Move(dialog.get());
        QVERIFY(dialog->CancelRequested());
        QCOMPARE(prompts_.Texts(), QStringList{kInterrupted});

        // A drag that goes on under the open message adds no copies of it, but a later move
        // is told about again.
        int movesUnderMessage = 0;
        prompts_.whileOpen = [&] {
            if (movesUnderMessage++ < 3) {
                Move(dialog.get());
            }
        };
        Move(dialog.get());
        QCOMPARE(prompts_.Texts(), (QStringList{kInterrupted, kInterrupted}));
        QCOMPARE(movesUnderMessage, 1);
    }

    void aWriteStopsOnlyWhenTheUserConfirmsACancel_data() {
        cancelBeforeStartClosesTheWindow_data();
    }

    void aWriteStopsOnlyWhenTheUserConfirmsACancel() {
        QFETCH(QString, how);
        auto dialog = MakeDialog();
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        dialog->SetWriting(true);
        // A click on the main window or a drag of the dialog: the write goes on, unasked.
        Deactivate(dialog.get());
        Move(dialog.get());
        QVERIFY(!dialog->CancelRequested());
        QVERIFY(prompts_.Questions().empty());

        prompts_.Answer(Answer::No);
        Press(*dialog, how);
        QVERIFY(!dialog->CancelRequested());
        QCOMPARE(prompts_.Texts(), QStringList{kStopWriting});

        prompts_.Answer(Answer::Yes);
        Press(*dialog, how);
        QVERIFY(dialog->CancelRequested());
        QVERIFY(dialog->isVisible()); // the exchange closes it at its next check
        QCOMPARE(prompts_.Texts(), (QStringList{kStopWriting, kStopWriting}));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::ProgressDialogTest)
#include "ProgressDialogTest.moc"
