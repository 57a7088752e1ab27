// tevano-cli read and write: the clone exchange with a radio on a serial port, as the program's
// Read From Radio and Write To Radio run it, with the questions answered from the command line.

#include "Arguments.h"
#include "CliCommands.h"
#include "CliExchangeHook.h"
#include "RadioPort.h"

#include "image/ChannelFile.h"
#include "radiolink/CloneExchange.h"
#include "shell/FileMessages.h"

#include <exception>

namespace tevano::cli {

namespace {

struct TransferArguments {
    std::string device;
    std::string file;
    bool english = true;
    bool force = false;
    int retries = 0;
};

// Parses "PORT FILE [--force] [--retries N] [--chinese]"; returns the exit status of a misuse.
int ParseTransfer(const std::vector<std::string>& argv, const char* usage,
                  TransferArguments& transfer) {
    std::string error;
    const auto args = Arguments::Parse(argv, {"--force", "--chinese"}, {"--retries"}, error);
    if (!args || args->Positional().size() != 2) {
        return Misuse(args ? "a port and a file are needed" : error, usage);
    }
    if (const auto retries = args->Value("--retries")) {
        const std::optional<int> count = RetryCount(*retries);
        if (!count) {
            return Misuse("--retries takes a count from 0 to 999999", usage);
        }
        transfer.retries = *count;
    }
    transfer.english = !args->Has("--chinese");
    transfer.force = args->Has("--force");
    transfer.device = DevicePathOf(args->Positional()[0]);
    transfer.file = args->Positional()[1];
    return 0;
}

int StatusOf(const CloneOutcome& outcome) {
    return outcome.ending == CloneEnding::Completed ? 0 : 1;
}

} // namespace

int ReadCommand(const std::vector<std::string>& argv) {
    TransferArguments transfer;
    if (const int misuse =
            ParseTransfer(argv, "read PORT FILE [--force] [--retries N] [--chinese]", transfer)) {
        return misuse;
    }
    try {
        // What a new document holds: the bytes a short block reply leaves alone.
        RadioImage image{};
        MakeNewImage(image);
        CliExchangeHook hook(transfer.english, transfer.retries, transfer.force);
        WakeOnTime();
        SignalSafePort port;
        const CloneOutcome outcome = ReadFromRadio(port, transfer.device, hook, image);
        if (outcome.ending != CloneEnding::Completed) {
            return StatusOf(outcome);
        }
        const FileResult stored = StoreChannelFile(transfer.file, image);
        if (!stored.Ok()) {
            return Fail(FileErrorText(stored, transfer.file, transfer.english));
        }
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

int WriteCommand(const std::vector<std::string>& argv) {
    TransferArguments transfer;
    if (const int misuse =
            ParseTransfer(argv, "write PORT FILE [--force] [--retries N] [--chinese]", transfer)) {
        return misuse;
    }
    try {
        RadioImage image{};
        const FileResult loaded = LoadChannelFile(transfer.file, image);
        if (!loaded.Ok()) {
            return Fail(FileErrorText(loaded, transfer.file, transfer.english));
        }
        CliExchangeHook hook(transfer.english, transfer.retries, transfer.force);
        WakeOnTime();
        SignalSafePort port;
        return StatusOf(WriteToRadio(port, transfer.device, hook, image));
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

} // namespace tevano::cli
