// tevano-radio: a virtual radio on a pseudo-terminal, for trying the program and the command-line
// tool without a radio, for the tests of the radio link, and for its benchmark.

#include "RadioOptions.h"
#include "VirtualRadio.h"

#include "base/PrintableText.h"
#include "base/StandardDescriptors.h"
#include "image/ChannelFile.h"
#include "image/RadioImage.h"
#include "shell/ProgramVersion.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/prctl.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void RequestStop(int) {
    g_stop = 1;
}

// Ends the loop at the next turn; without SA_RESTART so that a wait in poll ends at once.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signalNumber, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace

int main(int argc, char** argv) {
    tevano::OpenNullOnClosedStandardDescriptors();
    using namespace tevano;
    using namespace tevano::radio;
    RadioRequest request = RadioRequest::Run;
    std::string error;
    const auto options =
        ParseRadioOptions(std::vector<std::string>(argv + 1, argv + argc), request, error);
    if (!options) {
        std::fprintf(stderr, "tevano-radio: %s\n%s", PrintableText(error).c_str(), kRadioUsage);
        return 2;
    }
    if (request == RadioRequest::Help) {
        std::fputs(kRadioUsage, stdout);
        return 0;
    }
    if (request == RadioRequest::Version) {
        std::printf("tevano-radio %s\n", ProgramVersion());
        return 0;
    }
    RadioImage memory{};
    MakeNewImage(memory);
    if (!options->imagePath.empty() && !LoadChannelFile(options->imagePath, memory).Ok()) {
        std::fprintf(stderr, "tevano-radio: cannot load %s (a channel data file of 3168 bytes)\n",
                     PrintableText(options->imagePath).c_str());
        return 1;
    }
    CatchStopSignals();
    // Wake-ups on time to the tens of microseconds, for the line's pacing.
    prctl(PR_SET_TIMERSLACK, 1UL);
    VirtualRadio radio(*options, memory);
    return radio.Run(g_stop);
}
