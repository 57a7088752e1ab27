// The display language switched while the program runs, and kept for the next start.

#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>

namespace tevano::testing {

class LanguageSwitchTest : public QObject {
    Q_OBJECT

private:
    static void Switch(ProgramFixture& program, Answer answer) {
        program.prompts.Answer(answer);
        program.App().OnCommand(res::cmd::kSwitchLanguage);
    }

private slots:
    void switchesToChineseAndBack() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        QVERIFY(IsEnglish());

        Switch(program, Answer::Yes);
        QCOMPARE(program.prompts.Texts(), QStringList{"Confirm change language"});
        QVERIFY(!IsEnglish());
        QCOMPARE(QString::fromStdString(DisplayLanguage()), QString("MAIN_CH"));
        QVERIFY(program.Frame().menuBar()->actions().first()->text() != QString("&File"));
        QCOMPARE(program.Cell(0, 1), QString("接收频率"));
        QCOMPARE(program.Cell(1, 5), QString("宽"));
        QCOMPARE(program.Cell(2, 11), QString("反向"));
        QCOMPARE(program.Cell(1, 1), QString("145.00000")); // frequencies stay as they are
        const auto* manual = qobject_cast<QComboBox*>(program.View().Control(1019));
        QCOMPARE(manual->itemText(0), QString("是"));

        program.prompts.Forget();
        Switch(program, Answer::Yes);
        QCOMPARE(program.prompts.Texts(), QStringList{" 请确认是否修改语言"});
        QVERIFY(IsEnglish());
        QCOMPARE(program.Frame().menuBar()->actions().first()->text(), QString("&File"));
        QCOMPARE(program.Cell(0, 1), QString("Receive(MHz)"));
        QCOMPARE(program.Cell(1, 5), QString("Wide"));
        QCOMPARE(manual->itemText(0), QString("YES"));
    }

    void answeringNoChangesNothing() {
        ProgramFixture program;
        QVERIFY(program.Start());
        Switch(program, Answer::No);
        QVERIFY(IsEnglish());
        QCOMPARE(program.Cell(0, 1), QString("Rx Frequency"));
    }

    void theNextStartUsesTheLanguageChosenLast() {
        ProgramFixture program;
        QVERIFY(program.Start());
        Switch(program, Answer::Yes);
        program.Stop(); // the INI file is written as the program ends
        QFile ini(program.Path("MAIN.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(ini.readAll()),
                 QString("[MAIN]\nLANGUAGE=MAIN_CH\nLANGUAGE_FORCE=1\n"));
        QVERIFY(program.Start()); // the system still says English
        QVERIFY(!IsEnglish());
        QCOMPARE(program.Cell(0, 1), QString("接收频率"));
    }

    // The switch is written as the program ends; a file that cannot be written then is named,
    // with the reason, before the window goes.
    void aSettingsFileThatCannotBeSavedIsReported() {
        ProgramFixture program;
        QVERIFY(program.Start());
        Switch(program, Answer::Yes);
        Switch(program, Answer::Yes);
        QVERIFY(QFile::remove(program.Path("MAIN.ini")));
        QVERIFY(QDir().mkdir(program.Path("MAIN.ini")));
        program.prompts.Forget();
        program.Stop();
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"The settings could not be saved in \"" + program.Path("MAIN.ini") +
                             "\": Is a directory."});
    }

    // Neither beside the program nor in the user's folder can a settings file be: the switch
    // says so at once, naming the file and the reason, and holds for the rest of the run.
    void aChoiceThatCannotBeKeptIsToldAtOnceAndHoldsForTheRun() {
        ProgramFixture program;
        QVERIFY(QDir().mkdir(program.Path("MAIN.ini")));
        QFile notAFolder(program.Path("config"));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", program.Path("config").toUtf8());
        QVERIFY(program.Start());
        Switch(program, Answer::Yes);
        qputenv("XDG_CONFIG_HOME", configHome);
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{"Confirm change language",
                              "无法把设置保存到 \"" + program.Path("config/tevano/MAIN.ini") +
                                  "\": Not a directory。"}));
        QVERIFY(!IsEnglish());
        QCOMPARE(program.Cell(0, 1), QString("接收频率"));
    }

    void aMissingModuleKeepsTheLanguageInForce() {
        ProgramFixture program;
        QFile::remove(program.Path("MAIN_CH.so"));
        QVERIFY(program.Start());
        Switch(program, Answer::Yes);
        QCOMPARE(program.prompts.Texts(),
                 (QStringList{"Confirm change language", "Load Dll Resources fail"}));
        QVERIFY(IsEnglish());
        QCOMPARE(program.Frame().menuBar()->actions().first()->text(), QString("&File"));
        QCOMPARE(program.Cell(0, 1), QString("Receive(MHz)")); // the refresh still ran
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
