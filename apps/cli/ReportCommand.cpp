// tevano-cli report: a channel data file's five-page settings report as an A4 PDF, in English
// or Chinese, as the program prints it.

#include "Arguments.h"
#include "ChannelDocument.h"
#include "CliCommands.h"
#include "CliTexts.h"
#include "OutputFile.h"

#include "report/ReportTexts.h"
#include "report/ui/ReportPrinting.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace tevano::cli {

int ReportCommand(const Arguments& args) {
    if (args.Positional().size() != 1) {
        return args.Misuse("report takes one channel data file");
    }
    const std::optional<std::string> out = args.Value("-o");
    if (!out || out->empty()) {
        return args.Misuse("report needs the PDF file to write: -o OUT.pdf");
    }
    if (SameFile(*out, args.Positional()[0])) {
        return args.Misuse(SameFileProblem(*out, args.Positional()[0]));
    }
    const Language language = args.ChosenLanguage();
    ChannelDocument document(language);
    if (const int failed = document.Open(args.Positional()[0])) {
        return failed;
    }

    // Fonts and the PDF writer need a GUI application, but no display: only this command
    // pays for starting one.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Qt's start-up notes (a missing runtime directory and the like) are not the command's
    // output; only its critical messages reach stderr.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "tevano-cli: %s\n", message.toLocal8Bit().constData());
        }
    });
    int qtArgc = 1;
    char programName[] = "tevano-cli";
    char* qtArgv[] = {programName, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    // Without a face for its characters the report would be empty boxes: say what to install.
    const std::string missingFont = MissingReportFontPackage(language);
    if (!missingFont.empty()) {
        return Fail(MissingFontText(missingFont, language));
    }
    const QByteArray pdf = ReportPdf(document.image, document.form.Form(), language);
    if (pdf.isEmpty()) {
        return Fail(CliText(CliTextId::CannotDrawReport, language));
    }
    return WriteOutput(*out, std::string(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                       language);
}

} // namespace tevano::cli
