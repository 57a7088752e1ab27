// tevano-cli diff: two images compared as the window would show them, each from a .sin file or
// read from a radio on a port (nothing is written to the radio, a file or the backups).

#include "Arguments.h"
#include "CliCommands.h"
#include "CliExchangeHook.h"
#include "CliTexts.h"
#include "RadioPort.h"

#include "base/FileMessages.h"
#include "image/ChannelFile.h"
#include "radiolink/CableWatchHook.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PortNames.h"
#include "report/ImageComparison.h"

#include <cstdio>
#include <exception>
#include <strings.h>
#include <sys/stat.h>

namespace tevano::cli {

namespace {

struct DiffSettings {
    Language language = Language::English;
    bool force = false;
    int retries = 0;
};

// COM1 to COM4, or a character device: a radio to read rather than a file to open.
bool NamesPort(const std::string& name) {
    for (const char* port : kPortNames) {
        if (strcasecmp(name.c_str(), port) == 0) {
            return true;
        }
    }
    struct stat info {};
    return stat(name.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

// The radio on the port, read as Read From Radio reads it; false when the read did not complete
// (the exchange has said why on stderr).
bool ReadPort(const std::string& name, const DiffSettings& settings, RadioImage& image) {
    const std::string device = DevicePathOf(name, settings.language);
    // What a new document holds: the bytes a short block reply leaves alone.
    MakeNewImage(image);
    CliExchangeHook hook(settings.language, settings.retries, settings.force);
    WakeOnTime();
    SignalSafePort port;
    CableWatchHook watch(hook, port, name, device, settings.language, NotePlace::AfterMessage,
                         [&hook](const std::string& text) { hook.Note(text); });
    const CloneOutcome outcome = ReadFromRadio(port, device, watch, image);
    return outcome.ending == CloneEnding::Completed && CancelSignal() == 0;
}

// One side of the comparison; false (after saying why) when it could not be had.
bool Obtain(const std::string& name, const DiffSettings& settings, RadioImage& image) {
    if (NamesPort(name)) {
        return ReadPort(name, settings, image);
    }
    const FileResult loaded = LoadChannelFile(name, image);
    if (!loaded.Ok()) {
        Fail(CliText(CliTextId::CannotCompare, settings.language,
                     {{"<reason>", FileErrorText(loaded, name, settings.language)}}));
        return false;
    }
    return true;
}

} // namespace

int DiffCommand(const Arguments& args) {
    const std::vector<std::string>& positional = args.Positional();
    if (positional.size() != 2) {
        return args.Misuse("two files or ports are needed");
    }
    DiffSettings settings;
    if (const auto retries = args.Value("--retries")) {
        const std::optional<int> count = RetryCount(*retries);
        if (!count) {
            return args.Misuse("--retries takes a count from 0 to 999999");
        }
        settings.retries = *count;
    }
    settings.language = args.ChosenLanguage();
    settings.force = args.Has("--force");
    try {
        TreatFirstExitSignalAsCancel();
        RadioImage a{};
        RadioImage b{};
        if (!Obtain(positional[0], settings, a) || !Obtain(positional[1], settings, b)) {
            return StatusAfterCancelSignal(2);
        }
        const ImageComparison comparison = CompareImages(a, b, settings.language);
        std::string out;
        if (args.Has("--tsv")) {
            out = ComparisonTsv(comparison, a, b, settings.language);
        } else if (comparison.Same()) {
            out = CliText(CliTextId::ImagesSame, settings.language,
                          {{"<a>", positional[0]}, {"<b>", positional[1]}}) +
                  "\n";
        } else {
            for (const std::string& line : ComparisonLines(comparison, settings.language)) {
                out += line + "\n";
            }
        }
        std::fputs(out.c_str(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            return 2;
        }
        return comparison.Same() ? 0 : 1;
    } catch (const std::exception& error) {
        Fail(error.what());
        return 2;
    }
}

} // namespace tevano::cli
