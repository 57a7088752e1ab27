#include "RadioPort.h"

#include "CliTexts.h"

#include "base/PrintableText.h"
#include "base/SystemErrorText.h"
#include "radiolink/PortNames.h"
#include "shell/IniFile.h"
#include "shell/ProgramLayout.h"
#include "shell/ProgramName.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <mutex>
#include <pthread.h>
#include <sys/prctl.h>

namespace tevano::cli {

namespace {

// The port names are the desktop program's: its INI file and its modules are named after its
// base name (the file "tevano" has no "." and so the base name "MAIN"). The tool lies beside the
// program, so the program's modules tell it, as they tell the program, whether the file is kept
// beside them (a portable program) or in the user's configuration folder (an installed one).
const std::string& DesktopProgramBaseName() {
    static const std::string baseName = ProgramBaseName("tevano");
    return baseName;
}

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// What the signal handler reaches, lock-free atomics only. A slot holds the descriptor of an
// open port plus one (0: no port). The handler waits for opens under way, which publish their
// descriptor before they count themselves out, and refuses new ones once it has begun.
std::array<std::atomic<int>, kSignalSafePorts> g_portSlots{};
std::array<std::atomic<bool>, kSignalSafePorts> g_slotTaken{};
// What each slot's line gets back; written before its descriptor is published in the slot.
std::array<PosixSerialPort::LineToRestore, kSignalSafePorts> g_slotRestores{};
std::atomic<int> g_opensUnderWay{0};
std::atomic<bool> g_releasing{false};

// Long enough for an open of a tty, which does not wait for the line.
constexpr int kOpenWaitSteps = 2000;
constexpr long kOpenWaitStepNs = 100000;

std::atomic<bool> g_firstSignalCancels{false};
std::atomic<int> g_cancelSignal{0};

// A signal that ends the tool lets go of every line first.
void ReleasePortsAndDie(int signalNumber) {
    g_releasing.store(true);
    const timespec step{0, kOpenWaitStepNs};
    for (int waited = 0; waited < kOpenWaitSteps && g_opensUnderWay.load() > 0; ++waited) {
        nanosleep(&step, nullptr);
    }
    // The lines as the tool found them: a terminal stays usable and a cable's driver keeps its
    // own latency, as when the tool ends of itself.
    for (std::size_t i = 0; i < g_portSlots.size(); ++i) {
        PosixSerialPort::RestoreAndRelease(g_portSlots[i].exchange(0) - 1, g_slotRestores[i]);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void CancelOrReleasePortsAndDie(int signalNumber) {
    int none = 0;
    if (g_firstSignalCancels.load() && g_cancelSignal.compare_exchange_strong(none, signalNumber)) {
        return;
    }
    ReleasePortsAndDie(signalNumber);
}

sigset_t ExitSignalSet() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signalNumber : kExitSignals) {
        sigaddset(&signals, signalNumber);
    }
    return signals;
}

// Holds the exit signals back on this thread while its port and its slot change together.
class SignalsHeld {
public:
    SignalsHeld() {
        const sigset_t blocked = ExitSignalSet();
        pthread_sigmask(SIG_BLOCK, &blocked, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// The handler is installed while any SignalSafePort exists, and the program's own handlers
// come back after the last one.
std::mutex g_handlerLock;
int g_portsAlive = 0;
struct sigaction g_previousActions[std::size(kExitSignals)]{};

} // namespace

std::string DevicePathOf(const std::string& portName, Language language) {
    return PortDevicePath(portName, [&portName, language](const std::string& key) {
        CIniFile ini;
        const ProgramLayout layout =
            FindProgramLayout(ProgramDirectory(RunningProgramPath()), DesktopProgramBaseName());
        if (!OpenProgramIni(ini, DesktopProgramBaseName() + ".ini", layout)) {
            // The port set up in the program cannot be known: the default may be another radio.
            const std::string device = PortDevicePath(portName, nullptr);
            std::fprintf(stderr, "tevano-cli: %s\n",
                         CliText(CliTextId::SettingsUnreadable, language,
                                 {{"<file>", PrintableText(ini.PathTried())},
                                  {"<reason>", SystemErrorText(ini.LoadFailure().systemError)},
                                  {"<port>", PrintableText(portName)},
                                  {"<device>", device}})
                             .c_str());
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

void TreatFirstExitSignalAsCancel() {
    g_firstSignalCancels.store(true);
}

int CancelSignal() {
    return g_cancelSignal.load();
}

std::string ExitSignalName(int signalNumber) {
    switch (signalNumber) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    case SIGQUIT:
        return "SIGQUIT";
    default:
        return "signal " + std::to_string(signalNumber);
    }
}

int StatusAfterCancelSignal(int status) {
    const int signalNumber = CancelSignal();
    return signalNumber != 0 ? 128 + signalNumber : status;
}

void HoldExitSignalsOnThisThread() {
    const sigset_t blocked = ExitSignalSet();
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
}

static_assert(std::size(kExitSignals) == SignalSafePort::kExitSignalCount);

SignalSafePort::SignalSafePort() {
    for (std::size_t i = 0; i < g_slotTaken.size(); ++i) {
        bool free = false;
        if (g_slotTaken[i].compare_exchange_strong(free, true)) {
            slot_ = static_cast<int>(i);
            break;
        }
    }
    const std::lock_guard<std::mutex> lock(g_handlerLock);
    if (g_portsAlive++ == 0) {
        struct sigaction action {};
        action.sa_handler = CancelOrReleasePortsAndDie;
        // Every exit signal is held while one is handled: a second one cannot cut into the
        // first's release of the ports.
        action.sa_mask = ExitSignalSet();
        for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
            sigaction(kExitSignals[i], &action, &g_previousActions[i]);
            // A signal the tool was started to ignore (nohup, a background job) stays ignored.
            if (g_previousActions[i].sa_handler == SIG_IGN) {
                sigaction(kExitSignals[i], &g_previousActions[i], nullptr);
            }
        }
    }
}

SignalSafePort::~SignalSafePort() {
    Close();
    if (slot_ >= 0) {
        g_slotTaken[static_cast<std::size_t>(slot_)].store(false);
    }
    const std::lock_guard<std::mutex> lock(g_handlerLock);
    if (--g_portsAlive == 0) {
        for (std::size_t i = 0; i < std::size(kExitSignals); ++i) {
            sigaction(kExitSignals[i], &g_previousActions[i], nullptr);
        }
    }
}

bool SignalSafePort::Open(const std::string& devicePath, const PortTimeouts& timeouts) {
    const SignalsHeld held;
    g_opensUnderWay.fetch_add(1);
    if (g_releasing.load()) {
        // The tool is ending: a port opened now would be left behind.
        g_opensUnderWay.fetch_sub(1);
        return false;
    }
    const bool opened = PosixSerialPort::Open(devicePath, timeouts);
    if (slot_ >= 0) {
        g_slotRestores[static_cast<std::size_t>(slot_)] = Restore();
        g_portSlots[static_cast<std::size_t>(slot_)].store(Descriptor() + 1);
    }
    g_opensUnderWay.fetch_sub(1);
    return opened;
}

void SignalSafePort::Close() {
    const SignalsHeld held;
    if (slot_ >= 0 && g_portSlots[static_cast<std::size_t>(slot_)].exchange(0) == 0 &&
        g_releasing.load()) {
        // The handler on another thread has let go of this descriptor; the tool is ending.
        return;
    }
    PosixSerialPort::Close();
}

} // namespace tevano::cli
