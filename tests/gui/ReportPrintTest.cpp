// Printing the settings report from the desktop program: the command line's print switch, a page
// range, a printer that is missing or refuses the pages, the print dialog's range and the two-page
// print preview. Pages go to PDF files, read back with pdftotext.

#include "DialogRunner.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"

#include "report/ui/ApplicationPrinter.h"
#include "report/ui/PrintTexts.h"
#include "report/ui/ReportPreviewCanvas.h"
#include "report/ui/ReportPreviewDlg.h"
#include "report/ui/ReportPrintCommands.h"
#include "resources/CommandIds.h"

#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace tevano::testing {

class ReportPrintTest : public QObject {
    Q_OBJECT

private:
    // The print switch on the program's document, as the program runs it; what it said on
    // stderr in `said`.
    static int PrintSwitch(ProgramFixture& program, QPrinter& printer, QString* said = nullptr) {
        std::FILE* messages = std::tmpfile();
        const int status = PrintFromCommandLine({program.View(), program.prompts, program.Frame()},
                                                printer, messages);
        std::rewind(messages);
        QByteArray text;
        for (int c = std::fgetc(messages); c != EOF; c = std::fgetc(messages)) {
            text += static_cast<char>(c);
        }
        std::fclose(messages);
        if (said != nullptr) {
            *said = QString::fromUtf8(text);
        }
        return status;
    }

    // The text of each page of a PDF file.
    static QStringList Pages(const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
            qWarning("pdftotext (poppler-utils) failed on %s", qPrintable(pdf));
            return {};
        }
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
            pages.removeLast();
        }
        return pages;
    }

    static void PrintTo(QPrinter& printer, const QString& pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::AllPages);
        printer.setFromTo(0, 0);
    }

    // Dark pixels inside a rectangle of the preview: the report's text.
    static int Ink(const QImage& image, const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return ink;
    }

private slots:
    void thePrintSwitchPrintsTheFileWithoutShowingTheWindow() {
        for (const char* option : {"--print", "-p"}) {
            ProgramFixture program;
            WriteSampleFile(program.Path("sample.sin"));
            const QString pdf = program.Path("report.pdf");
            PrintTo(ApplicationPrinter(), pdf);
            QVERIFY(program.Start({option, program.Path("sample.sin")}));
            QVERIFY(!program.Frame().isVisible());
            QVERIFY(program.prompts.Questions().empty());
            const QStringList pages = Pages(pdf);
            QCOMPARE(pages.size(), 5);
            QVERIFY(pages[0].contains("The Radio Settings"));
            QVERIFY(pages[0].contains("145.00000"));
            QVERIFY(pages[0].contains("439.99375"));
            QVERIFY(pages[4].contains("The Fifth Pages"));
            QVERIFY(pages[4].contains("128"));
            program.Stop(); // before the queued end of the program could run
        }
    }

    void thePrintSwitchPrintsInTheLanguageInForce() {
        ProgramFixture program;
        qputenv("LANGUAGE", "zh_CN");
        WriteSampleFile(program.Path("sample.sin"));
        const QString pdf = program.Path("report.pdf");
        PrintTo(ApplicationPrinter(), pdf);
        QVERIFY(program.Start({"--print", program.Path("sample.sin")}));
        const QStringList pages = Pages(pdf);
        QCOMPARE(pages.size(), 5);
        QVERIFY(pages[0].contains(QString("整机设置")));
        QVERIFY(pages[1].contains(QString("第二页")));
        program.Stop();
    }

    void aMissingOrFailingPrinterIsToldAndEndsWithFailure() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));

        QPrinter none(QPrinter::HighResolution);
        none.setOutputFormat(QPrinter::PdfFormat); // what Qt gives when there is no printer
        none.setOutputFileName(QString());
        // Told on stderr: no window is shown, a message box would wait for nobody.
        QString said;
        QCOMPARE(PrintSwitch(program, none, &said), 1);
        QCOMPARE(said, "tevano: " + NoPrinterText(Language::English) + "\n");

        QPrinter refusing(QPrinter::HighResolution);
        const QString unwritable = program.Path("no-such-directory/report.pdf");
        PrintTo(refusing, unwritable);
        QCOMPARE(PrintSwitch(program, refusing, &said), 1);
        QCOMPARE(said, "tevano: " + PrintFailedText(unwritable, Language::English) + "\n");

        QPrinter good(QPrinter::HighResolution);
        PrintTo(good, program.Path("good.pdf"));
        QCOMPARE(PrintSwitch(program, good, &said), 0);
        QCOMPARE(said, QString());
        QVERIFY(program.prompts.Questions().empty());
        QCOMPARE(Pages(program.Path("good.pdf")).size(), 5);
    }

    void thePrintSwitchWithoutAFileSaysHowToUseIt() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QPrinter printer(QPrinter::HighResolution);
        PrintTo(printer, program.Path("never.pdf"));
        QCOMPARE(PrintSwitch(program, printer), 2);
        QVERIFY(!QFile::exists(program.Path("never.pdf")));
    }

    void aPageRangePrintsThosePagesOnly() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QPrinter printer(QPrinter::HighResolution);
        PrintTo(printer, program.Path("range.pdf"));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QVERIFY(PrintReport(printer, program.Document().Image(), program.View().Form(),
                            Language::English));
        const QStringList pages = Pages(program.Path("range.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains("The Second Page"));
        QVERIFY(pages[1].contains("The Third Page"));
    }

    void printOffersTheReportsFivePages() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QVERIFY(WhileOpen<QPrintDialog>(
            [&program] { program.App().OnCommand(res::cmd::kFilePrint); },
            [](QPrintDialog& dialog) {
                QCOMPARE(dialog.minPage(), 1);
                QCOMPARE(dialog.maxPage(), 5);
                QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
                QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
                dialog.reject();
            }));
        QVERIFY(program.prompts.Questions().empty());
    }

    void thePreviewShowsTwoPagesSideBySideAndPages() {
        ProgramFixture program;
        WriteSampleFile(program.Path("sample.sin"));
        QVERIFY(program.Start({program.Path("sample.sin")}));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        ReportPreviewDlg preview(printer, program.Document().Image(), program.View().Form(),
                                 &program.Frame());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const auto button = [&preview](PreviewWord word) { return preview.Button(word); };
        QCOMPARE(preview.PagesText(), QString("Pages 1-2"));
        QVERIFY(!button(PreviewWord::PrevPage)->isEnabled());
        QVERIFY(!button(PreviewWord::ZoomOut)->isEnabled());

        // Both sheets side by side, each with the report on it, not the same page twice.
        const QRect first = preview.Canvas().SheetRect(1).toRect();
        const QRect second = preview.Canvas().SheetRect(2).toRect();
        QVERIFY(!first.isEmpty());
        QCOMPARE(first.top(), second.top());
        QVERIFY(second.left() > first.right());
        const QImage shown = preview.Canvas().grab().toImage();
        const QRect inside1 = first.adjusted(2, 2, -2, -2);
        const QRect inside2 = second.adjusted(2, 2, -2, -2);
        QVERIFY(Ink(shown, inside1) > 200);
        QVERIFY(Ink(shown, inside2) > 100);
        QVERIFY(Ink(shown, inside1) != Ink(shown, inside2));

        for (int step = 0; step < 3; ++step) {
            button(PreviewWord::NextPage)->click();
        }
        QCOMPARE(preview.PagesText(), QString("Pages 4-5"));
        QVERIFY(!button(PreviewWord::NextPage)->isEnabled());
        button(PreviewWord::OnePage)->click();
        QCOMPARE(preview.PagesText(), QString("Page 4"));
        QCOMPARE(button(PreviewWord::OnePage)->text(), QString("&Two Page"));
        QVERIFY(preview.Canvas().SheetRect(5).isEmpty());
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.PagesText(), QString("Page 5"));
        QVERIFY(!button(PreviewWord::NextPage)->isEnabled());
        button(PreviewWord::OnePage)->click(); // two pages again: the pair ends on page 5
        QCOMPARE(preview.PagesText(), QString("Pages 4-5"));
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.PagesText(), QString("Pages 3-4"));

        const int fitted = preview.Canvas().SheetRect(3).toRect().width();
        button(PreviewWord::ZoomIn)->click();
        button(PreviewWord::ZoomIn)->click();
        QVERIFY(!button(PreviewWord::ZoomIn)->isEnabled());
        QCOMPARE(preview.Canvas().SheetRect(3).toRect().width(), 3 * fitted);
        button(PreviewWord::ZoomOut)->click();
        button(PreviewWord::ZoomOut)->click();
        QCOMPARE(preview.Canvas().SheetRect(3).toRect().width(), fitted);

        button(PreviewWord::Print)->click();
        QVERIFY(!preview.isVisible());
        QVERIFY(preview.PrintRequested());
    }

    void printPreviewOpensOverTheMainWindow() {
        ProgramFixture program;
        QVERIFY(program.Start());
        QVERIFY(WhileOpen<ReportPreviewDlg>(
            [&program] { program.App().OnCommand(res::cmd::kFilePrintPreview); },
            [&program](ReportPreviewDlg& preview) {
                QCOMPARE(preview.parentWidget(), static_cast<QWidget*>(&program.Frame()));
                QCOMPARE(preview.size(), program.Frame().size());
                preview.Button(PreviewWord::Close)->click();
                QVERIFY(!preview.PrintRequested());
            }));
    }
};

} // namespace tevano::testing

QTEST_MAIN(tevano::testing::ReportPrintTest)
#include "ReportPrintTest.moc"
