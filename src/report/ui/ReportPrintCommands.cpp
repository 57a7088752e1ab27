#include "report/ui/ReportPrintCommands.h"

#include "base/PrintableText.h"
#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "base/ui/QtText.h"
#include "base/ui/UserPrompts.h"
#include "grid/ui/CTevView.h"
#include "image/ui/CTevDoc.h"
#include "report/PrintSwitchText.h"
#include "report/ReportLayout.h"
#include "report/ReportTexts.h"
#include "report/ui/ApplicationPrinter.h"
#include "report/ui/PrintTexts.h"
#include "report/ui/ReportPreviewDlg.h"
#include "report/ui/ReportPrinting.h"
#include "resources/CommandIds.h"
#include "shell/DisplayLanguage.h"

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

void ShowPrintFailure(const PrintContext& context, const QPrinter& printer) {
    context.prompts.Ask(context.window.Widget(),
                        PrintFailedText(PrintTarget(printer), DisplayedLanguage()), Buttons::Ok);
}

// Whether the report's characters have a face; tells the user which package to install when
// not, rather than printing empty boxes.
bool ReportFontsPresent(const PrintContext& context) {
    const Language language = DisplayedLanguage();
    const std::string missing = MissingReportFontPackage(language);
    if (missing.empty()) {
        return true;
    }
    context.prompts.Ask(context.window.Widget(), ToQt(MissingFontText(missing, language)),
                        Buttons::Ok);
    return false;
}

void OnFilePrint(const PrintContext& context) {
    // The report prints what the grid shows, the cell being edited included.
    context.view.Commit();
    if (!ReportFontsPresent(context)) {
        return;
    }
    QPrinter& printer = ApplicationPrinter();
    QPrintDialog dialog(&printer, context.window.Widget());
    dialog.setMinMax(1, kReportPageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PrintReport(printer, context.view.Document().Image(), context.view.Form(),
                     DisplayedLanguage())) {
        ShowPrintFailure(context, printer);
    }
}

void OnFilePrintPreview(const PrintContext& context) {
    context.view.Commit();
    if (!ReportFontsPresent(context)) {
        return;
    }
    ReportPreviewDlg preview(ApplicationPrinter(), context.view.Document().Image(),
                             context.view.Form(), context.window.Widget());
    preview.exec();
    if (preview.PrintRequested()) {
        OnFilePrint(context);
    }
}

void OnFilePrintSetup(const PrintContext& context) {
    QPageSetupDialog dialog(&ApplicationPrinter(), context.window.Widget());
    dialog.exec();
}

} // namespace

void AddPrintCommands(CommandRegistry& registry, const PrintContext& context) {
    registry.AddCommand(res::cmd::kFilePrint, [context] { OnFilePrint(context); });
    registry.AddCommand(res::cmd::kFilePrintPreview, [context] { OnFilePrintPreview(context); });
    registry.AddCommand(res::cmd::kFilePrintSetup, [context] { OnFilePrintSetup(context); });
}

bool PrintReport(QPrinter& printer, const RadioImage& image, const ChannelForm& form,
                 Language language) {
    int first = 1;
    int last = kReportPageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage(), 1, kReportPageCount);
        last = std::clamp(printer.toPage(), first, kReportPageCount);
    }
    return PaintReport(printer, image, form, language, first, last);
}

bool PrintSwitchGiven(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--print")) ||
           arguments.contains(QStringLiteral("-p"));
}

int PrintFromCommandLine(const PrintContext& context, QPrinter& printer, std::FILE* messages) {
    if (context.view.Document().PathName().isEmpty()) {
        std::fputs(kPrintSwitchNeedsFile, messages);
        return 2;
    }
    const Language language = DisplayedLanguage();
    const auto tell = [messages](const QString& text) {
        std::fprintf(messages, "tevano: %s\n", PrintableText(text.toStdString(), true).c_str());
        std::fflush(messages);
    };
    if (!PrinterReady(printer)) {
        tell(NoPrinterText(language));
        return 1;
    }
    if (const std::string missing = MissingReportFontPackage(language); !missing.empty()) {
        context.prompts.Ask(nullptr, ToQt(MissingFontText(missing, language)), Buttons::Ok);
        return 1;
    }
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    if (!PrintReport(printer, context.view.Document().Image(), context.view.Form(), language)) {
        tell(PrintFailedText(PrintTarget(printer), language));
        return 1;
    }
    return 0;
}

void RunPrintSwitch(const PrintContext& context) {
    const int status = PrintFromCommandLine(context, ApplicationPrinter(), stderr);
    // Bound to the program's window: a program gone before its event loop ran ends nothing.
    QMetaObject::invokeMethod(
        context.window.Widget(), [status] { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
}

} // namespace tevano
