// What the program remembers of the files the user works with, from one run to the next: the
// File menu's four recent files above Exit, the folder each file dialog opens in, and the status
// bar's word after a save.

#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "resources/CommandIds.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace tevano::testing {

class FileHistoryTest : public QObject {
    Q_OBJECT

private:
    // The program started with the user's settings in `config`, as every run of one user has.
    static bool StartWith(ProgramFixture& program, const QTemporaryDir& config) {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        return program.Start();
    }

    static void Open(ProgramFixture& program, const QString& path) {
        program.prompts.OpenFile(path);
        program.App().OnCommand(res::cmd::kFileOpen);
    }

    // The recent-file entries as the File menu shows them when it opens.
    static QStringList RecentEntries(ProgramFixture& program) {
        emit program.Frame().UpdateCommands();
        QStringList texts;
        for (const QAction* action : program.Frame().RecentFileActions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        return texts;
    }

    static QAction* RecentEntry(ProgramFixture& program, int index) {
        RecentEntries(program);
        return program.Frame().RecentFileActions().at(static_cast<std::size_t>(index));
    }

private slots:
    void theLastFourFilesAreListedAboveExitAcrossRuns() {
        QTemporaryDir config;
        ProgramFixture first;
        QVERIFY(StartWith(first, config));
        QCOMPARE(RecentEntries(first), QStringList());
        for (const char* name : {"a.sin", "b.sin", "c.sin", "d.sin"}) {
            WriteSampleFile(first.Path(name));
            Open(first, first.Path(name));
        }
        Open(first, first.Path("b.sin")); // once only, at the top
        first.prompts.SaveFile(first.Path("e.sin"));
        first.App().OnCommand(res::cmd::kFileSaveAs);
        const QStringList expected{"&1 " + first.Path("e.sin"), "&2 " + first.Path("b.sin"),
                                   "&3 " + first.Path("d.sin"), "&4 " + first.Path("c.sin")};
        QCOMPARE(RecentEntries(first), expected);
        // Between the separator above Exit and Exit, with a separator of their own.
        QAction* exitAction = first.Frame().Action(res::cmd::kAppExit);
        QMenu* file = nullptr;
        for (QObject* holder : exitAction->associatedObjects()) {
            file = file != nullptr ? file : qobject_cast<QMenu*>(holder);
        }
        QVERIFY(file != nullptr);
        const QList<QAction*> items = file->actions();
        const qsizetype exit = items.indexOf(exitAction);
        QVERIFY(exit >= 6);
        QVERIFY(items[exit - 1]->isSeparator());
        QCOMPARE(items[exit - 2]->text(), expected.last());
        QCOMPARE(items[exit - 5]->text(), expected.first());
        QVERIFY(items[exit - 6]->isSeparator());
        first.Stop();

        ProgramFixture second;
        QVERIFY(StartWith(second, config));
        QCOMPARE(RecentEntries(second), expected);
        RecentEntry(second, 2)->trigger();
        QCOMPARE(second.Document().PathName(), first.Path("d.sin"));
        QCOMPARE(second.Cell(2, 12), QString("UHF"));
        QCOMPARE(RecentEntries(second).first(), "&1 " + first.Path("d.sin"));
        QVERIFY(second.prompts.Questions().empty());
    }

    // An entry whose file is gone is taken off the list with a word why; the document stays.
    void aFileThatIsGoneLeavesTheListWithAMessage() {
        QTemporaryDir config;
        ProgramFixture program;
        QVERIFY(StartWith(program, config));
        WriteSampleFile(program.Path("kept.sin"));
        WriteSampleFile(program.Path("gone.sin"));
        Open(program, program.Path("gone.sin"));
        Open(program, program.Path("kept.sin"));
        QVERIFY(QFile::remove(program.Path("gone.sin")));

        RecentEntry(program, 1)->trigger();
        QCOMPARE(program.prompts.Texts(),
                 QStringList{"\"" + program.Path("gone.sin") +
                             "\" is no longer there: it was moved, renamed or deleted. It has "
                             "been taken off the list of recent files; open it with File > Open "
                             "from where it is now."});
        QCOMPARE(RecentEntries(program), QStringList{"&1 " + program.Path("kept.sin")});
        QCOMPARE(program.Document().PathName(), program.Path("kept.sin"));

        // The next run does not bring it back.
        program.Stop();
        ProgramFixture next;
        QVERIFY(StartWith(next, config));
        QCOMPARE(RecentEntries(next), QStringList{"&1 " + program.Path("kept.sin")});
    }

    // Channel data and channel lists each have their folder, kept for the next run; a save
    // says in the status bar what went where.
    void eachKindOfFileOpensInItsOwnFolder() {
        QTemporaryDir config;
        QTemporaryDir lists;
        ProgramFixture first;
        QVERIFY(StartWith(first, config));
        WriteSampleFile(first.Path("radio.sin"));
        Open(first, first.Path("radio.sin"));
        QCOMPARE(first.prompts.lastFolder, QString()); // nothing picked yet: the working folder
        first.prompts.SaveFile(lists.filePath("radio.csv"));
        first.App().OnCommand(res::cmd::kFileExportCsv);
        // A list goes beside the document until lists have a folder of their own.
        QCOMPARE(first.prompts.lastSuggestion, first.Path("radio.csv"));

        first.prompts.SaveFile(first.Path("copy.sin"));
        first.App().OnCommand(res::cmd::kFileSaveAs);
        QCOMPARE(first.Frame().MessageText(),
                 "Saved the channel data in \"" + first.Path("copy.sin") + "\".");
        first.Stop();

        ProgramFixture second;
        QVERIFY(StartWith(second, config));
        Open(second, QString()); // the user cancels
        QCOMPARE(second.prompts.lastFolder, QFileInfo(first.Path("copy.sin")).absolutePath());
        second.prompts.OpenFile(QString());
        second.App().OnCommand(res::cmd::kFileImportCsv);
        QCOMPARE(second.prompts.lastFolder, QFileInfo(lists.filePath("radio.csv")).absolutePath());
        second.App().OnCommand(res::cmd::kFileExportCsv);
        QCOMPARE(second.prompts.lastSuggestion, lists.filePath("Untitled.csv"));
        second.App().OnCommand(res::cmd::kFileSave); // a new document asks where
        QCOMPARE(second.prompts.lastSuggestion, first.Path("Untitled.sin"));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::FileHistoryTest)
#include "FileHistoryTest.moc"
