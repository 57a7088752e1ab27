// The Optional Features and Side Key dialogs through their widgets: what a document opens with,
// what OK stores and Cancel leaves alone, the fields' input rules and the "ID" key filter.

#include "DialogRunner.h"
#include "ProgramFixture.h"

#include "options/ui/COptionalFeaturesDlg.h"
#include "options/ui/CSideKeyDlg.h"
#include "resources/CommandIds.h"
#include "resources/layout/ControlBuilders.h"
#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/SideKeyLayout.h"
#include "resources/ui/DialogBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tevano::testing {

namespace features = res::features;
namespace sidekey = res::sidekey;

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private:
    template <class Dialog> static std::unique_ptr<Dialog> Open(ProgramFixture& program, int id) {
        const res::DialogTemplate* dialog = program.App().Module().FindDialog(id);
        auto shown = std::make_unique<Dialog>(*dialog, program.Document(), &program.Frame());
        shown->show();
        return shown;
    }
    static std::unique_ptr<COptionalFeaturesDlg> OpenFeatures(ProgramFixture& program) {
        return Open<COptionalFeaturesDlg>(program, res::ids::kOptionalFeaturesDialog);
    }
    static std::unique_ptr<CSideKeyDlg> OpenSideKey(ProgramFixture& program) {
        return Open<CSideKeyDlg>(program, res::ids::kSideKeyDialog);
    }

    template <class T> static T* Get(const COptionalFeaturesDlg& dialog, int id) {
        T* control = qobject_cast<T*>(dialog.Control(id));
        if (control == nullptr) {
            qFatal("control %d is missing", id);
        }
        return control;
    }
    static QString Shown(const COptionalFeaturesDlg& dialog, int id) {
        return Get<QComboBox>(dialog, id)->currentText();
    }
    static bool Checked(const COptionalFeaturesDlg& dialog, int id) {
        return Get<QCheckBox>(dialog, id)->isChecked();
    }
    static QString Text(const COptionalFeaturesDlg& dialog, int id) {
        return Get<QLineEdit>(dialog, id)->text();
    }
    static QString TimeText(const COptionalFeaturesDlg& dialog) {
        return Get<DialogSpinBox>(dialog, features::kTimeOutTimer)->text();
    }
    template <class Dialog> static void Click(const Dialog& dialog, int id) {
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.Control(id)), Qt::LeftButton);
    }
    static QByteArray Bytes(ProgramFixture& program, int offset, int count) {
        const RadioImage& image = program.Document().Image();
        return QByteArray(reinterpret_cast<const char*>(image.data()) + offset, count);
    }
    static QByteArray Id(const char* text) {
        QByteArray bytes(text);
        return bytes + QByteArray(8 - bytes.size(), '\xFF');
    }

private slots:
    void aNewDocumentOpensWithTheRadiosDefaults() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = OpenFeatures(program);
        QCOMPARE(dialog->windowTitle(), QString("Optional Features"));
        QCOMPARE(TimeText(*dialog), QString("OFF"));
        QCOMPARE(Shown(*dialog, features::kSquelchLevel), QString("5"));
        QCOMPARE(Shown(*dialog, features::kLanguageChoose), QString("Off"));
        QCOMPARE(Shown(*dialog, features::kVoxSwitch), QString("Off"));
        QCOMPARE(Shown(*dialog, features::kVoxGainLevel), QString("OFF"));
        QCOMPARE(Shown(*dialog, features::kPriorityChannel), QString("1"));
        QCOMPARE(Get<QComboBox>(*dialog, features::kPriorityChannel)->count(), 128);
        QCOMPARE(Shown(*dialog, features::kRoger), QString("Off"));
        QCOMPARE(Shown(*dialog, features::kOptSignal), QString("OFF"));
        QVERIFY(Checked(*dialog, features::kBeep));
        QVERIFY(Checked(*dialog, features::kBatterySave));
        QVERIFY(!Checked(*dialog, features::kScramblerActivation));
        QVERIFY(!Checked(*dialog, features::kBeginOfTx));
        QVERIFY(!Checked(*dialog, features::kEndOfTx));
        for (int id : {features::kGroupId, features::kId, features::kCallId, features::kCheckId,
                       features::kKillId, features::kListenId}) {
            QCOMPARE(Text(*dialog, id), QString());
        }
        // OK without an edit: only the manual bit goes, which the next encode puts back, so
        // there is nothing to save.
        Click(*dialog, res::build::kIdOk);
        QCOMPARE(program.Document().Image()[0x812], 0x44);
        QVERIFY(!program.Document().IsModified());

        auto keys = OpenSideKey(program);
        const auto key = [&keys](int id) {
            return qobject_cast<QComboBox*>(keys->Control(id))->currentText();
        };
        QCOMPARE(key(sidekey::kKey1ShortPress), QString("Monitor"));
        QCOMPARE(key(sidekey::kKey1LongPress), QString("Scan ON/OFF"));
        QCOMPARE(key(sidekey::kKey2ShortPress), QString("Vox ON/OFF"));
        QCOMPARE(key(sidekey::kKey2LongPress), QString("Scrambler ON/OFF"));
    }

    // Every settings byte 0xFF, as a radio with an erased settings area is read.
    void anErasedSettingsAreaOpensAndStoresAsTheRadioNeeds() {
        ProgramFixture program;
        QVERIFY(program.Start());
        RadioImage& image = program.Document().Image();
        std::fill(image.begin() + 0x800, image.begin() + 0x850, 0xFF);
        auto dialog = OpenFeatures(program);
        QCOMPARE(TimeText(*dialog), QString("OFF"));
        QCOMPARE(Shown(*dialog, features::kSquelchLevel), QString("0"));
        QCOMPARE(Shown(*dialog, features::kLanguageChoose), QString("Chinese"));
        QCOMPARE(Shown(*dialog, features::kVoxSwitch), QString("On"));
        QCOMPARE(Shown(*dialog, features::kVoxGainLevel), QString("OFF"));
        QCOMPARE(Get<QComboBox>(*dialog, features::kPriorityChannel)->currentIndex(), -1);
        QCOMPARE(Get<QComboBox>(*dialog, features::kRoger)->currentIndex(), -1);
        QCOMPARE(Shown(*dialog, features::kOptSignal), QString("OFF"));
        for (int id : {features::kBeep, features::kBatterySave, features::kScramblerActivation,
                       features::kBeginOfTx, features::kEndOfTx}) {
            QVERIFY(Checked(*dialog, id));
        }

        Click(*dialog, res::build::kIdOk);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(image[0x814], 0);
        QCOMPARE(image[0x813], 0);
        QCOMPARE(image[0x815], 1);
        QCOMPARE(image[0x81A], 0);
        QCOMPARE(image[0x819], 0xFF);
        QCOMPARE(image[0x817], 4);
        QCOMPARE(image[0x818], 0);
        QCOMPARE(image[0x812], 0x57);
        QCOMPARE(image[0x810], 0xFF);
        QCOMPARE(image[0x816], 0xFF);
        QCOMPARE(image[0x81B], 0xFF);
        QCOMPARE(Bytes(program, 0x820, 48), QByteArray(48, '\xFF'));
        QVERIFY(program.Document().IsModified());
    }

    void whatIsTypedAndPickedIsStoredAndShownAgain() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = OpenFeatures(program);
        auto* spin = Get<DialogSpinBox>(*dialog, features::kTimeOutTimer);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(TimeText(*dialog), QString("15"));
        for (int i = 0; i < 45; ++i) {
            QTest::keyClick(spin, Qt::Key_Up);
        }
        QCOMPARE(TimeText(*dialog), QString("600")); // no wrap past 40 steps
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(TimeText(*dialog), QString("585"));
        QTest::keyClicks(spin, "45"); // the field only shows the spin
        QCOMPARE(TimeText(*dialog), QString("585"));

        Get<QComboBox>(*dialog, features::kVoxGainLevel)->setCurrentIndex(9); // "9"
        Get<QComboBox>(*dialog, features::kPriorityChannel)->setCurrentIndex(127);
        Get<QComboBox>(*dialog, features::kLanguageChoose)->setCurrentIndex(1); // English
        Get<QComboBox>(*dialog, features::kVoxSwitch)->setCurrentIndex(0);      // On
        Get<QCheckBox>(*dialog, features::kBeep)->click();
        Get<QCheckBox>(*dialog, features::kEndOfTx)->click();
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kGroupId), "2a9-b99x9");
        QCOMPARE(Text(*dialog, features::kGroupId), QString("2999"));
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kCallId), "xy12");
        QCOMPARE(Text(*dialog, features::kCallId), QString("XY12")); // shown in upper case
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kCheckId), "ab1");
        QCOMPARE(Text(*dialog, features::kCheckId), QString("ab1")); // shown as typed
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kKillId), "123456789");
        QCOMPARE(Text(*dialog, features::kKillId), QString("12345678"));
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kListenId), "7*9");
        Click(*dialog, res::build::kIdOk);

        const RadioImage& image = program.Document().Image();
        QCOMPARE(image[0x814], 39);
        QCOMPARE(image[0x815], 10);
        QCOMPARE(image[0x81A], 128);
        QCOMPARE(image[0x812], 0x06); // English, battery save; beep now off, bit 7 cleared
        QCOMPARE(image[0x816], 0x07); // optional signal OFF, VOX on
        QCOMPARE(image[0x810], 0x90); // end of Tx
        QCOMPARE(Bytes(program, 0x820, 8), Id("1999"));
        QCOMPARE(Bytes(program, 0x828, 8), Id("XY12"));
        QCOMPARE(Bytes(program, 0x838, 8), Id("AB1"));
        QCOMPARE(Bytes(program, 0x840, 8), QByteArray("12345678"));
        QCOMPARE(Bytes(program, 0x848, 8), Id("709"));
        QVERIFY(program.Document().IsModified());

        auto again = OpenFeatures(program);
        QCOMPARE(TimeText(*again), QString("585"));
        QCOMPARE(Shown(*again, features::kVoxGainLevel), QString("9"));
        QCOMPARE(Shown(*again, features::kPriorityChannel), QString("128"));
        QCOMPARE(Text(*again, features::kGroupId), QString("1999"));
        QCOMPARE(Text(*again, features::kCheckId), QString("AB1"));
        Get<QComboBox>(*again, features::kVoxGainLevel)->setCurrentIndex(10); // "10"
        Click(*again, res::build::kIdOk);
        QCOMPARE(image[0x815], 11);
    }

    void cancelLeavesTheImageAsItWas() {
        ProgramFixture program;
        QVERIFY(program.Start());
        const RadioImage before = program.Document().Image();
        auto dialog = OpenFeatures(program);
        QTest::keyClick(Get<DialogSpinBox>(*dialog, features::kTimeOutTimer), Qt::Key_Up);
        Get<QComboBox>(*dialog, features::kSquelchLevel)->setCurrentIndex(9);
        Get<QCheckBox>(*dialog, features::kBeginOfTx)->click();
        QTest::keyClicks(Get<QLineEdit>(*dialog, features::kKillId), "99");
        Click(*dialog, res::build::kIdCancel);
        QVERIFY(!dialog->isVisible());

        auto keys = OpenSideKey(program);
        qobject_cast<QComboBox*>(keys->Control(sidekey::kKey1ShortPress))->setCurrentIndex(0);
        Click(*keys, res::build::kIdCancel);

        QVERIFY(program.Document().Image() == before);
        QVERIFY(!program.Document().IsModified());
    }

    void theIdFieldTakesOnlyDigitsLettersAndBackspaceAndHoldsNoKeyboard() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto dialog = OpenFeatures(program);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        auto* id = Get<QLineEdit>(*dialog, features::kId);
        id->setFocus();
        QTest::keyClicks(id, "a1b");
        QTest::keyClick(id, Qt::Key_Left);
        QTest::keyClick(id, Qt::Key_Left);
        QTest::keyClick(id, Qt::Key_Delete);
        QTest::keyClick(id, Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(id->text(), QString("A1B")); // keypad, arrows and Delete did nothing
        QTest::keyClick(id, Qt::Key_Backspace);
        QCOMPARE(id->text(), QString("A1"));
        // Tab and Shift+Tab leave it as any field, Escape is Cancel and Enter is OK.
        QTest::keyClick(id, Qt::Key_Tab);
        QVERIFY(dialog->focusWidget() != id);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(dialog->focusWidget(), id);
        QTest::keyClick(id, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(Bytes(program, 0x830, 8), Id(""));

        dialog = OpenFeatures(program);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        id = Get<QLineEdit>(*dialog, features::kId);
        id->setFocus();
        QTest::keyClicks(id, "a1");
        QTest::keyClick(id, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(Bytes(program, 0x830, 8), Id("A1"));
    }

    // A screen reader names every control by the words beside it, two controls with one label
    // by their group's title as well.
    void everyControlIsNamedForAScreenReader() {
        ProgramFixture program;
        QVERIFY(program.Start());
        auto options = OpenFeatures(program);
        auto keys = OpenSideKey(program);
        for (QDialog* dialog : std::initializer_list<QDialog*>{options.get(), keys.get()}) {
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                if (control->isVisibleTo(dialog) && control->focusPolicy() != Qt::NoFocus &&
                    control->parentWidget() == dialog) {
                    QVERIFY2(!control->accessibleName().isEmpty(),
                             control->metaObject()->className());
                }
            }
        }
        QCOMPARE(Get<QComboBox>(*options, features::kSquelchLevel)->accessibleName(),
                 QString("Squelch Level"));
        QCOMPARE(Get<DialogSpinBox>(*options, features::kTimeOutTimer)->accessibleName(),
                 QString("Time-out Timer"));
        QCOMPARE(keys->Control(sidekey::kKey1ShortPress)->accessibleName(),
                 QString("Side Key1, Short Press"));
        QCOMPARE(keys->Control(sidekey::kKey2LongPress)->accessibleName(),
                 QString("Side Key2, Long Press"));
    }

    void sideKeysStoreTheirTwoBytesOnly() {
        ProgramFixture program;
        QVERIFY(program.Start());
        RadioImage& image = program.Document().Image();
        const RadioImage before = image;
        auto keys = OpenSideKey(program);
        Click(*keys, res::build::kIdOk);
        QVERIFY(image == before);
        QVERIFY(!program.Document().IsModified()); // OK without a change changes nothing

        keys = OpenSideKey(program);
        qobject_cast<QComboBox*>(keys->Control(sidekey::kKey2ShortPress))->setCurrentIndex(8);
        qobject_cast<QComboBox*>(keys->Control(sidekey::kKey2LongPress))->setCurrentIndex(0);
        Click(*keys, res::build::kIdOk);
        QCOMPARE(image[0x81E], 0x80);
        QCOMPARE(image[0x81D], 0x12);
        RadioImage expected = before;
        expected[0x81E] = 0x80;
        QVERIFY(image == expected);
        QVERIFY(program.Document().IsModified());

        // A code without a name opens without a pick and survives OK untouched.
        image[0x81D] = 0x93;
        keys = OpenSideKey(program);
        auto* shortPress = qobject_cast<QComboBox*>(keys->Control(sidekey::kKey1ShortPress));
        QCOMPARE(shortPress->currentIndex(), -1);
        qobject_cast<QComboBox*>(keys->Control(sidekey::kKey1LongPress))->setCurrentIndex(4);
        Click(*keys, res::build::kIdOk);
        QCOMPARE(image[0x81D], 0x94);
    }

    // The menu commands open the dialogs modally over the main window, in the language in force.
    void theCommandsOpenTheDialogsInTheLanguageInForce() {
        ProgramFixture program;
        qputenv("LANGUAGE", "zh_CN");
        QVERIFY(program.Start());
        QWidget* owner = nullptr;
        QVERIFY(WhileOpen<COptionalFeaturesDlg>(
            [&program] { program.App().OnCommand(res::cmd::kOptionalFeatures); },
            [&](COptionalFeaturesDlg& dialog) {
                owner = dialog.parentWidget();
                QVERIFY(dialog.isModal());
                QCOMPARE(dialog.windowTitle(), QString("可选功能"));
                auto* language = Get<QComboBox>(dialog, features::kLanguageChoose);
                QCOMPARE(language->currentText(), QString("关"));
                language->setCurrentIndex(1); // "英文"
                Click(dialog, res::build::kIdOk);
            }));
        QCOMPARE(owner, static_cast<QWidget*>(&program.Frame()));
        QCOMPARE(program.Document().Image()[0x812] & 0x03, 2);

        QVERIFY(WhileOpen<CSideKeyDlg>([&program] { program.App().OnCommand(res::cmd::kSideKey); },
                                       [](CSideKeyDlg& dialog) {
                                           auto* key = qobject_cast<QComboBox*>(
                                               dialog.Control(sidekey::kKey1ShortPress));
                                           QCOMPARE(key->currentText(), QString("监听"));
                                           key->setCurrentIndex(0);
                                           Click(dialog, res::build::kIdOk);
                                       }));
        QCOMPARE(program.Document().Image()[0x81D], 0x02);
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
