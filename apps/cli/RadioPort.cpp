#include "RadioPort.h"

#include "radiolink/PortNames.h"
#include "shell/IniFile.h"
#include "shell/ProgramName.h"

#include <atomic>
#include <iterator>
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

// A signal that ends the tool lets go of the line first.
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

} // namespace

std::string DevicePathOf(const std::string& portName) {
    return PortDevicePath(portName, [](const std::string& key) {
        CIniFile ini;
        if (!OpenProgramIni(ini, DesktopProgramIni(), ProgramDirectory(RunningProgramPath()))) {
            return std::string();
        }
        return ini.GetValue(kPortsSection, key, "");
    });
}

std::optional<int> RetryCount(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

void WakeOnTime() {
    prctl(PR_SET_TIMERSLACK, 1UL);
}

static_assert(std::size(kExitSignals) == SignalSafePort::kExitSignalCount);

SignalSafePort::SignalSafePort() {
    struct sigaction action {};
    action.sa_handler = ReleasePortAndDie;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
        sigaction(kExitSignals[i], &action, &previous_[i]);
    }
}

SignalSafePort::~SignalSafePort() {
    Close();
    for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
        sigaction(kExitSignals[i], &previous_[i], nullptr);
    }
}

bool SignalSafePort::Open(const std::string& devicePath, const PortTimeouts& timeouts) {
    const SignalsHeld held;
    const bool opened = PosixSerialPort::Open(devicePath, timeouts);
    g_openPort.store(Descriptor());
    return opened;
}

void SignalSafePort::Close() {
    const SignalsHeld held;
    g_openPort.store(-1);
    PosixSerialPort::Close();
}

} // namespace tevano::cli
