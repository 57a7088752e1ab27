#include "report/ui/ReportPrintCommands.h"

#include "base/ui/UserPrompts.h"
#include "grid/ui/CTevView.h"
#include "image/ui/CTevDoc.h"
#include "report/ReportLayout.h"
#include "report/ui/ApplicationPrinter.h"
#include "report/ui/PrintTexts.h"
#include "report/ui/ReportPreviewDlg.h"
#include "report/ui/ReportPrinting.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cstdio>

namespace tevano {

namespace {

// What the user would look for when the report did not come out: the printer, or the file.
QString PrintTarget(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

// A printer of the system, or a PDF printer that has its file: something that can take pages.
bool PrinterReady(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::NativeFormat ? !printer.printerName().isEmpty()
                                                            : !printer.outputFileName().isEmpty();
}

void ShowPrintFailure(CTevApp& app, const QPrinter& printer) {
    app.Prompts().Ask(app.MainFrame(), PrintFailedText(PrintTarget(printer), IsEnglish()),
                      Buttons::Ok);
}

void OnFilePrint(CTevApp& app) {
    // The report prints what the grid shows, the cell being edited included.
    app.View()->Commit();
    QPrinter& printer = ApplicationPrinter();
    QPrintDialog dialog(&printer, app.MainFrame());
    dialog.setMinMax(1, kReportPageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PrintReport(printer, app.Document()->Image(), app.View()->Form(), IsEnglish())) {
        ShowPrintFailure(app, printer);
    }
}

void OnFilePrintPreview(CTevApp& app) {
    app.View()->Commit();
    ReportPreviewDlg preview(ApplicationPrinter(), app.Document()->Image(), app.View()->Form(),
                             app.MainFrame());
    preview.exec();
    if (preview.PrintRequested()) {
        OnFilePrint(app);
    }
}

void OnFilePrintSetup(CTevApp& app) {
    QPageSetupDialog dialog(&ApplicationPrinter(), app.MainFrame());
    dialog.exec();
}

} // namespace

void AddPrintCommands(CTevApp& app) {
    app.AddCommand(res::cmd::kFilePrint, [&app] { OnFilePrint(app); });
    app.AddCommand(res::cmd::kFilePrintPreview, [&app] { OnFilePrintPreview(app); });
    app.AddCommand(res::cmd::kFilePrintSetup, [&app] { OnFilePrintSetup(app); });
}

bool PrintReport(QPrinter& printer, const RadioImage& image, const ChannelForm& form,
                 bool english) {
    int first = 1;
    int last = kReportPageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage(), 1, kReportPageCount);
        last = std::clamp(printer.toPage(), first, kReportPageCount);
    }
    return PaintReport(printer, image, form, english, first, last);
}

bool PrintSwitchGiven(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--print")) ||
           arguments.contains(QStringLiteral("-p"));
}

int PrintFromCommandLine(CTevApp& app, QPrinter& printer) {
    if (app.Document()->PathName().isEmpty()) {
        std::fputs("tevano: the print switch needs the channel data file to print: "
                   "tevano --print FILE\n",
                   stderr);
        return 2;
    }
    const bool english = IsEnglish();
    if (!PrinterReady(printer)) {
        app.Prompts().Ask(nullptr, NoPrinterText(english), Buttons::Ok);
        return 1;
    }
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    if (!PrintReport(printer, app.Document()->Image(), app.View()->Form(), english)) {
        app.Prompts().Ask(nullptr, PrintFailedText(PrintTarget(printer), english), Buttons::Ok);
        return 1;
    }
    return 0;
}

void RunPrintSwitch(CTevApp& app) {
    const int status = PrintFromCommandLine(app, ApplicationPrinter());
    // Bound to the program object: a program gone before its event loop ran ends nothing.
    QMetaObject::invokeMethod(
        &app, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

} // namespace tevano
