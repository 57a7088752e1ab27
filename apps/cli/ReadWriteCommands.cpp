// tevano-cli read and write: the clone exchange with a radio on a serial port, as the program's
// Read From Radio and Write To Radio run it, with the questions answered from the command line.

#include "Arguments.h"
#include "CliCommands.h"
#include "CliExchangeHook.h"

#include "image/ChannelFile.h"
#include "radiolink/CloneExchange.h"
#include "radiolink/PortNames.h"
#include "radiolink/PosixSerialPort.h"
#include "shell/FileMessages.h"
#include "shell/IniFile.h"
#include "shell/ProgramName.h"

#include <atomic>
#include <csignal>
#include <exception>
#include <sys/prctl.h>

namespace tevano::cli {

namespace {

// The port names are the desktop program's: its INI file, named after its base name (the file
// "tevano" has no "." and so the base name "MAIN"), beside this tool.
std::string DesktopProgramIni() {
    return ProgramBaseName("tevano") + ".ini";
}

// The descriptor of the port while an exchange holds it, for the signal handler.
std::atomic<int> g_openPort{-1};

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// A signal that ends the tool lets go of the line first: a pseudo-terminal keeps its exclusive
// mark after the process is gone and would refuse the next program.
void ReleasePortAndDie(int signalNumber) {
    PosixSerialPort::ReleaseDescriptor(g_openPort.exchange(-1));
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// Holds the exit signals back while the port and g_openPort change together.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t blocked;
        sigemptyset(&blocked);
        for (const int signalNumber : kExitSignals) {
            sigaddset(&blocked, signalNumber);
        }
        sigprocmask(SIG_BLOCK, &blocked, &previous_);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// The serial port whose descriptor the signal handler can reach while it is open.
class SignalSafePort : public PosixSerialPort {
public:
    SignalSafePort() {
        struct sigaction action {};
        action.sa_handler = ReleasePortAndDie;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
            sigaction(kExitSignals[i], &action, &previous_[i]);
        }
    }
    ~SignalSafePort() override {
        Close();
        for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
            sigaction(kExitSignals[i], &previous_[i], nullptr);
        }
    }
    SignalSafePort(const SignalSafePort&) = delete;
    SignalSafePort& operator=(const SignalSafePort&) = delete;

    bool Open(const std::string& devicePath, const PortTimeouts& timeouts) override {
        const SignalsHeld held;
        const bool opened = PosixSerialPort::Open(devicePath, timeouts);
        g_openPort.store(Descriptor());
        return opened;
    }
    void Close() override {
        const SignalsHeld held;
        g_openPort.store(-1);
        PosixSerialPort::Close();
    }

private:
    struct sigaction previous_[std::size(kExitSignals)]{};
};

// "COM1" to "COM4" through section [PORTS] of the desktop program's INI file beside this tool.
std::string DevicePathOf(const std::string& portName) {
    return PortDevicePath(portName, [](const std::string& key) {
        CIniFile ini;
        if (!OpenProgramIni(ini, DesktopProgramIni(), ProgramDirectory(RunningProgramPath()))) {
            return std::string();
        }
        return ini.GetValue(kPortsSection, key, "");
    });
}

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
        if (retries->empty() || retries->size() > 6 ||
            retries->find_first_not_of("0123456789") != std::string::npos) {
            return Misuse("--retries takes a count from 0 to 999999", usage);
        }
        transfer.retries = std::stoi(*retries);
    }
    transfer.english = !args->Has("--chinese");
    transfer.force = args->Has("--force");
    transfer.device = DevicePathOf(args->Positional()[0]);
    transfer.file = args->Positional()[1];
    return 0;
}

// The exchange's pauses are a millisecond or two, 1600 of them in a read: the default timer
// slack of 50 us would stretch every one of them.
void WakeOnTime() {
    prctl(PR_SET_TIMERSLACK, 1UL);
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
