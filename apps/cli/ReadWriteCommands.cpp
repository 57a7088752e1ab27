// tevano-cli read and write: the clone exchange with a radio on a serial port, as the program's
// Read From Radio and Write To Radio run it, with the questions answered from the command line.
// A read also keeps a backup of what came; a write may go to several radios at once and may be
// read back and compared.

#include "Arguments.h"
#include "CliCommands.h"
#include "CliExchangeHook.h"
#include "CliTexts.h"
#include "RadioPort.h"
#include "RadioWrites.h"

#include "base/FileChecks.h"
#include "base/FileMessages.h"
#include "image/ChannelFile.h"
#include "radiolink/CableWatchHook.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/ReadBackups.h"
#include "radiolink/ShortReplies.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace tevano::cli {

namespace {

struct TransferArguments {
    std::vector<std::string> ports;
    std::string file;
    Language language = Language::English;
    bool force = false;
    bool verify = false;
    int retries = 0;
};

// Takes "PORT [PORT...] FILE" and the options; a read takes one port. Returns the exit status of
// a misuse, 0 when the line is good.
int ParseTransfer(const Arguments& args, bool write, TransferArguments& transfer) {
    const std::vector<std::string>& positional = args.Positional();
    if (positional.size() < 2 || (!write && positional.size() != 2)) {
        return args.Misuse(write ? "one or more ports and a file are needed"
                                 : "one port and a file are needed");
    }
    if (positional.size() - 1 > kSignalSafePorts) {
        return args.Misuse("at most " + std::to_string(kSignalSafePorts) + " ports at once");
    }
    if (const auto retries = args.Value("--retries")) {
        const std::optional<int> count = RetryCount(*retries);
        if (!count) {
            return args.Misuse("--retries takes a count from 0 to 999999");
        }
        transfer.retries = *count;
    }
    transfer.language = args.ChosenLanguage();
    transfer.force = args.Has("--force");
    transfer.verify = args.Has("--verify");
    transfer.ports.assign(positional.begin(), positional.end() - 1);
    transfer.file = positional.back();
    return 0;
}

// The device as the system finds it, links followed, to tell two names of one cable apart.
std::string RealDevice(const std::string& device) {
    char resolved[PATH_MAX];
    return realpath(device.c_str(), resolved) != nullptr ? resolved : device;
}

// Each port's device; a misuse when two ports name the same device, which the second exchange
// could never open.
int ResolvePorts(const Arguments& args, const TransferArguments& transfer,
                 std::vector<PortTarget>& targets) {
    for (const std::string& name : transfer.ports) {
        const PortTarget target{name, DevicePathOf(name, transfer.language)};
        for (const PortTarget& earlier : targets) {
            if (RealDevice(earlier.device) == RealDevice(target.device)) {
                return args.Misuse(earlier.name + " and " + name + " are the same device");
            }
        }
        targets.push_back(target);
    }
    return 0;
}

// The radio's memory exactly as it came, kept whatever becomes of FILE; a backup that cannot be
// saved is reported and does not fail the read.
void BackUp(const RadioImage& image, ReadKind kind, CliExchangeHook& hook, Language language) {
    const BackupResult backup = SaveReadBackup(
        image, BackupDirectory(), std::chrono::system_clock::now(), kBackupsKept, kind);
    if (backup.Ok()) {
        std::printf("%s\n", BackupSavedText(backup.path, language).c_str());
        std::fflush(stdout);
    } else {
        hook.Note(BackupFailedText(backup, language));
    }
}

} // namespace

int ReadCommand(const Arguments& args) {
    TransferArguments transfer;
    if (const int misuse = ParseTransfer(args, false, transfer)) {
        return misuse;
    }
    try {
        TreatFirstExitSignalAsCancel();
        // Eighteen seconds with the radio are not spent on a file that cannot be saved.
        if (const FileResult target = CheckSaveTarget(transfer.file); !target.Ok()) {
            return Fail(FileErrorText(target, transfer.file, transfer.language));
        }
        const std::string device = DevicePathOf(transfer.ports[0], transfer.language);
        // What a new document holds: the bytes a short block reply leaves alone.
        RadioImage image{};
        MakeNewImage(image);
        CliExchangeHook hook(transfer.language, transfer.retries, transfer.force);
        WakeOnTime();
        SignalSafePort port;
        CableWatchHook watch(hook, port, transfer.ports[0], device, transfer.language,
                             NotePlace::AfterMessage,
                             [&hook](const std::string& text) { hook.Note(text); });
        const CloneOutcome outcome = ReadFromRadio(port, device, watch, image);
        if (const int signalNumber = CancelSignal()) {
            // Asked to stop: not even a read that came whole goes into the file.
            hook.Note(
                CliText(CliTextId::ReadEndedBySignal, transfer.language,
                        {{"<signal>", ExitSignalName(signalNumber)}, {"<file>", transfer.file}}));
            return StatusAfterCancelSignal(1);
        }
        if (outcome.ending != CloneEnding::Completed) {
            return 1;
        }
        // The protocol takes a reply of 10 or 11 bytes; what it left out is said, block by block.
        for (const ShortReply& reply : outcome.shortReplies) {
            hook.Note(CliText(CliTextId::Warning, transfer.language,
                              {{"<text>", ShortReplyText(reply, transfer.language)}}));
        }
        BackUp(image, ReadKindOf(outcome), hook, transfer.language);
        const FileResult stored = StoreChannelFile(transfer.file, image);
        if (!stored.Ok()) {
            return StatusAfterCancelSignal(
                Fail(FileErrorText(stored, transfer.file, transfer.language)));
        }
        return StatusAfterCancelSignal(0);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

int WriteCommand(const Arguments& args) {
    TransferArguments transfer;
    if (const int misuse = ParseTransfer(args, true, transfer)) {
        return misuse;
    }
    try {
        TreatFirstExitSignalAsCancel();
        std::vector<PortTarget> targets;
        if (const int misuse = ResolvePorts(args, transfer, targets)) {
            return misuse;
        }
        RadioImage image{};
        const FileResult loaded = LoadChannelFile(transfer.file, image);
        if (!loaded.Ok()) {
            return Fail(FileErrorText(loaded, transfer.file, transfer.language));
        }
        const WriteSettings settings{transfer.language, transfer.force, transfer.retries,
                                     transfer.verify};
        return StatusAfterCancelSignal(WriteToPorts(targets, image, settings) ? 0 : 1);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

} // namespace tevano::cli
