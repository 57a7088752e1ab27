// The test mode dialog through its widgets: the tree switching the views, the frequency fields'
// rounding on Enter, the tone lists, the slider with Default, and what Start sends.

#include "DialogRunner.h"
#include "ProgramFixture.h"

#include "resources/CommandIds.h"
#include "resources/layout/TestModeLayout.h"
#include "resources/ui/DialogBuilder.h"
#include "shell/DisplayLanguage.h"
#include "testmode/ui/CTestModeDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <vector>

namespace tevano::testing {

namespace ids = res::testmode;

class TestModeDialogTest : public QObject {
    Q_OBJECT

private:
    std::vector<CalibrationRequest> started_;

    // The dialog as the Test Mode command makes it, with Start noting what it would send.
    std::unique_ptr<CTestModeDlg> Open(ProgramFixture& program, double baseMHz = 134) {
        const res::DialogTemplate* dialog =
            program.App().Module().FindDialog(res::ids::kTestModeDialog);
        auto shown = std::make_unique<CTestModeDlg>(
            *dialog, program.App().Tones(), baseMHz, program.prompts,
            [this](QWidget*, const CalibrationRequest& request) { started_.push_back(request); },
            &program.Frame());
        shown->show();
        shown->activateWindow();
        if (!QTest::qWaitForWindowActive(shown.get())) {
            qWarning("the test mode dialog did not become active");
        }
        return shown;
    }

    template <class T> static T* Get(const CTestModeDlg& dialog, int id) {
        T* control = qobject_cast<T*>(dialog.Control(id));
        if (control == nullptr) {
            qFatal("control %d is missing", id);
        }
        return control;
    }
    static void Select(CTestModeDlg& dialog, TestModeTreeItem item) {
        Get<QTreeWidget>(dialog, ids::kTree)->setCurrentItem(dialog.TreeItem(item));
    }
    static QString Field(const CTestModeDlg& dialog, int id) {
        return Get<QLineEdit>(dialog, id)->text();
    }
    // Types into a field as the user does, then presses Enter in it.
    static void Enter(CTestModeDlg& dialog, int id, const QString& text) {
        auto* field = Get<QLineEdit>(dialog, id);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    static void Click(const CTestModeDlg& dialog, int id) {
        QWidget* control = dialog.Control(id);
        if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            radio->click();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->click();
        }
    }
    static QString Position(const CTestModeDlg& dialog) {
        return Get<QLabel>(dialog, ids::kCurrentValue)->text();
    }
    static bool Shown(const CTestModeDlg& dialog, int id) {
        return !dialog.Control(id)->isHidden();
    }

private slots:
    void init() { started_.clear(); }

    void opensOnTheBandOfTheFieldList() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto* band = qobject_cast<QComboBox*>(program.View().Control(1011));
        band->setCurrentIndex(2);
        QCOMPARE(band->currentText(), QString("400 - 480MHz"));
        QVERIFY(WhileOpen<CTestModeDlg>(
            [&program] { program.App().OnCommand(res::cmd::kTestMode); },
            [](CTestModeDlg& dialog) {
                QCOMPARE(dialog.windowTitle(), QString("Debug Mode for Tevano"));
                QCOMPARE(Get<DialogGroupBox>(dialog, ids::kViewGroup)->title(),
                         QString("Please Choose Frequency first"));
                for (int id : {ids::kReceiveFrequency, ids::kTransmitTone, ids::kValueSlider,
                               ids::kStart, ids::kDefault}) {
                    QVERIFY(!Shown(dialog, id));
                }
                QVERIFY(dialog.TreeItem(TestModeTreeItem::DebugFrequency)->isExpanded());
                QVERIFY(!dialog.TreeItem(TestModeTreeItem::DebugItem)->isExpanded());

                Select(dialog, TestModeTreeItem::LowFrequency);
                QCOMPARE(Field(dialog, ids::kReceiveFrequency), QString("400.00000"));
                QCOMPARE(Field(dialog, ids::kTransmitFrequency), QString("400.00000"));
                QCOMPARE(Get<DialogGroupBox>(dialog, ids::kViewGroup)->title(),
                         QString("Low frequency"));
                Select(dialog, TestModeTreeItem::HighFrequency);
                QCOMPARE(Field(dialog, ids::kTransmitFrequency), QString("420.00000"));
                QVERIFY(Shown(dialog, ids::kReceiveFrequency));
                QVERIFY(Shown(dialog, ids::kDefault));
                QVERIFY(!Shown(dialog, ids::kValueSlider));

                // The fields take 400 to 420 MHz.
                Enter(dialog, ids::kReceiveFrequency, "399");
                QCOMPARE(Field(dialog, ids::kReceiveFrequency), QString("400.00000"));
                Enter(dialog, ids::kReceiveFrequency, "421");
                QCOMPARE(Field(dialog, ids::kReceiveFrequency), QString("420.00000"));

                Select(dialog, TestModeTreeItem::SquelchLevel);
                QVERIFY(!Shown(dialog, ids::kReceiveFrequency));
                QVERIFY(Shown(dialog, ids::kValueSlider));
                QVERIFY(Shown(dialog, ids::kStart));
                QVERIFY(Get<QRadioButton>(dialog, ids::kHigh)->isChecked());

                Select(dialog, TestModeTreeItem::ExitDebug);
                QVERIFY(!dialog.isVisible());
                QCOMPARE(dialog.result(), int(QDialog::Accepted));
            }));
    }

    void enterRoundsAFieldToItsStepWithinTheLimits() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = Open(program);
        Select(*dialog, TestModeTreeItem::HighFrequency);
        auto* receive = Get<QLineEdit>(*dialog, ids::kReceiveFrequency);
        Enter(*dialog, ids::kReceiveFrequency, "145.13");
        QCOMPARE(receive->text(), QString("145.13000"));
        QVERIFY(dialog->focusWidget() != receive); // Enter moved on
        Click(*dialog, ids::kReceiveStep625);
        QVERIFY(!Get<QRadioButton>(*dialog, ids::kReceiveStep500)->isChecked());
        Enter(*dialog, ids::kReceiveFrequency, "145.13");
        QCOMPARE(receive->text(), QString("145.13125"));
        // The transmit side rounds to its own step, still 5.00 kHz.
        Enter(*dialog, ids::kTransmitFrequency, "145.13");
        QCOMPARE(Field(*dialog, ids::kTransmitFrequency), QString("145.13000"));
        Enter(*dialog, ids::kTransmitFrequency, "200");
        QCOMPARE(Field(*dialog, ids::kTransmitFrequency), QString("154.00000"));

        // Each test frequency keeps its fields and steps while the dialog is open; a field
        // typed into and left without Enter too. "," is a decimal mark, as in the grid.
        QTest::keyClicks(receive, "0"); // no Enter
        Select(*dialog, TestModeTreeItem::LowFrequency);
        QCOMPARE(receive->text(), QString("134.00000"));
        QVERIFY(Get<QRadioButton>(*dialog, ids::kReceiveStep500)->isChecked());
        Enter(*dialog, ids::kReceiveFrequency, "150,0037");
        QCOMPARE(receive->text(), QString("150.00500"));
        Select(*dialog, TestModeTreeItem::HighFrequency);
        QCOMPARE(receive->text(), QString("145.131250"));
        QVERIFY(Get<QRadioButton>(*dialog, ids::kReceiveStep625)->isChecked());
        Select(*dialog, TestModeTreeItem::LowFrequency);
        QCOMPARE(receive->text(), QString("150.00500"));
    }

    void toneListsFollowTheMethodAndKeepWhatADropDownClosedOn() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = Open(program);
        Select(*dialog, TestModeTreeItem::HighFrequency);
        auto* receive = Get<QComboBox>(*dialog, ids::kReceiveTone);
        auto* transmit = Get<QComboBox>(*dialog, ids::kTransmitTone);
        QCOMPARE(receive->count(), 43);
        QCOMPARE(receive->currentText(), QString("OFF"));
        QCOMPARE(receive->itemText(42), QString("206.5"));

        Click(*dialog, ids::kReceiveDqt);
        QVERIFY(Get<QRadioButton>(*dialog, ids::kReceiveDqt)->isChecked());
        QVERIFY(!Get<QRadioButton>(*dialog, ids::kReceiveQt)->isChecked());
        QCOMPARE(receive->count(), 168);
        QCOMPARE(receive->currentText(), QString("210.7"));
        QCOMPARE(transmit->count(), 43);
        Click(*dialog, ids::kReceiveDqt); // clicking the checked one changes nothing
        QVERIFY(Get<QRadioButton>(*dialog, ids::kReceiveDqt)->isChecked());

        // Picked in the drop-down: stored when it closes.
        receive->showPopup();
        receive->setCurrentIndex(9);
        receive->hidePopup();
        QCoreApplication::processEvents();
        const QString picked = receive->currentText();
        // Changed without the drop-down: shown, not stored.
        receive->setCurrentIndex(20);
        Select(*dialog, TestModeTreeItem::MiddleFrequency);
        QCOMPARE(receive->count(), 43); // Middle has its own method and tone
        QCOMPARE(receive->currentText(), QString("OFF"));
        Select(*dialog, TestModeTreeItem::HighFrequency);
        QCOMPARE(receive->count(), 168);
        QCOMPARE(receive->currentText(), picked);

        Click(*dialog, ids::kReceiveQt);
        QCOMPARE(receive->count(), 43);
        QCOMPARE(receive->currentText(), QString("OFF"));
    }

    void theSliderAndDefaultWorkOnTheCurrentItem() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = Open(program);
        auto* slider = Get<QSlider>(*dialog, ids::kValueSlider);
        Select(*dialog, TestModeTreeItem::TxPower);
        QCOMPARE(Position(*dialog), QString("Current Position:0"));
        Click(*dialog, ids::kDefault);
        QCOMPARE(slider->value(), 47);
        QCOMPARE(Position(*dialog), QString("Current Position:47"));
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(Position(*dialog), QString("Current Position:48"));

        Select(*dialog, TestModeTreeItem::SquelchLevel);
        QCOMPARE(slider->value(), 0);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Return); // Enter on the slider moves the focus only
        QCOMPARE(slider->value(), 0);
        QVERIFY(dialog->focusWidget() != slider);
        auto* defaultButton = Get<QPushButton>(*dialog, ids::kDefault);
        defaultButton->setFocus();
        QTest::keyClick(defaultButton, Qt::Key_Return); // Enter on Default is Default
        QCOMPARE(Position(*dialog), QString("Current Position:160"));
        QCOMPARE(slider->maximum(), 255);

        Select(*dialog, TestModeTreeItem::TxPower);
        QCOMPARE(slider->value(), 48);
        auto* start = Get<QPushButton>(*dialog, ids::kStart);
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return); // Enter on Start is Start
        // No test frequency was chosen in the tree: Start sends High, whose button is checked.
        QVERIFY(Get<QRadioButton>(*dialog, ids::kHigh)->isChecked());
        QCOMPARE(started_.size(), std::size_t{1});
        const CalibrationRequest& sent = started_.front();
        QCOMPARE(sent.item, CalibrationItem::TxPower);
        QCOMPARE(int(sent.value), 48);
        QCOMPARE(QString::fromStdString(sent.rxFrequency), QString("154.00000"));
        QCOMPARE(QString::fromStdString(sent.txFrequency), QString("154.00000"));
        QCOMPARE(QString::fromStdString(sent.rxTone), QString("OFF"));
        QCOMPARE(QString::fromStdString(sent.txTone), QString("OFF"));
    }

    void defaultResetsTheFrequencyViewOrSaysThereIsNothingShown() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = Open(program);
        Click(*dialog, ids::kDefault); // hidden until a view is shown; only code can press it
        QCOMPARE(program.prompts.Texts(), QStringList{" There are no Visible information"});

        Select(*dialog, TestModeTreeItem::MiddleFrequency);
        Click(*dialog, ids::kTransmitDqt);
        Click(*dialog, ids::kTransmitStep625);
        Enter(*dialog, ids::kTransmitFrequency, "150");
        Click(*dialog, ids::kDefault);
        QCOMPARE(Field(*dialog, ids::kTransmitFrequency), QString("144.00000"));
        QVERIFY(Get<QRadioButton>(*dialog, ids::kTransmitQt)->isChecked());
        QVERIFY(!Get<QRadioButton>(*dialog, ids::kTransmitDqt)->isChecked());
        QVERIFY(Get<QRadioButton>(*dialog, ids::kTransmitStep500)->isChecked());
        QCOMPARE(Get<QComboBox>(*dialog, ids::kTransmitTone)->currentText(), QString("OFF"));
        QCOMPARE(program.prompts.Texts().size(), 1);
    }

    // Start applies what Enter would to fields typed into and never confirmed, and shows it;
    // a field left empty is named and nothing goes out.
    void startSendsTheFieldsAsEnterMakesThem() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = Open(program);
        Select(*dialog, TestModeTreeItem::LowFrequency);
        auto* receive = Get<QLineEdit>(*dialog, ids::kReceiveFrequency);
        receive->selectAll();
        QTest::keyClicks(receive, "145.5001"); // no Enter
        auto* transmit = Get<QLineEdit>(*dialog, ids::kTransmitFrequency);
        transmit->selectAll();
        QTest::keyClick(transmit, Qt::Key_Delete);
        Select(*dialog, TestModeTreeItem::LowPowerVoltage);
        Click(*dialog, ids::kStart);
        QVERIFY(started_.empty());
        QCOMPARE(program.prompts.Texts(),
                 QStringList{QString::fromStdString(
                     MessageText(MessageId::TransmitFrequencyMissing, Language::English))});
        QCOMPARE(receive->text(), QString("145.5001"));

        Select(*dialog, TestModeTreeItem::LowFrequency);
        receive->selectAll();
        QTest::keyClicks(receive, "145.5001");
        transmit->selectAll();
        QTest::keyClicks(transmit, "1500");
        Click(*dialog, ids::kTransmitDqt);
        Get<QComboBox>(*dialog, ids::kTransmitTone)->setCurrentIndex(8); // "D023N"
        Select(*dialog, TestModeTreeItem::LowPowerVoltage);
        QTest::keyClick(Get<QSlider>(*dialog, ids::kValueSlider), Qt::Key_End);
        Click(*dialog, ids::kStart);
        QCOMPARE(started_.size(), std::size_t{1});
        const CalibrationRequest& sent = started_.front();
        QCOMPARE(sent.item, CalibrationItem::LowPowerVoltage);
        QCOMPARE(int(sent.value), 255);
        QCOMPARE(QString::fromStdString(sent.rxFrequency), QString("145.50000"));
        QCOMPARE(QString::fromStdString(sent.txFrequency), QString("154.00000"));
        QCOMPARE(QString::fromStdString(sent.txTone), QString("D023N"));
        // The user sees what went out.
        QCOMPARE(receive->text(), QString("145.50000"));
        QCOMPARE(transmit->text(), QString("154.00000"));
    }

    void theDialogSpeaksTheLanguageInForce() {
        ProgramFixture program;
        qputenv("LANGUAGE", "zh_CN");
        QVERIFY(program.Start());
        QVERIFY(!IsEnglish());
        auto dialog = Open(program);
        QCOMPARE(dialog->TreeItem(TestModeTreeItem::ExitDebug)->text(0), QString("退出调试"));
        QCOMPARE(Get<DialogGroupBox>(*dialog, ids::kViewGroup)->title(),
                 QString("请先选择调试频率"));
        Select(*dialog, TestModeTreeItem::TxFrequency);
        Click(*dialog, ids::kDefault);
        QCOMPARE(Position(*dialog), QString("当前位置:91"));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::TestModeDialogTest)
#include "TestModeDialogTest.moc"
