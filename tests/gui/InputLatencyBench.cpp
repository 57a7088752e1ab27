// How long input waits while the program's window talks to the radio: a whole Read From Radio
// and a whole Write To Radio against tevano-radio paced at 9600 baud, with input posted every
// 3 ms from another thread. Prints the waits; exits 1 when the longest is above the target.
// tools/bench-input.sh runs it; the test suite only checks that input is answered at all.
//
//   bench-gui-input [REPLY_DELAY_MS]     (default 3; on the offscreen platform)

#include "InputLatencyProbe.h"
#include "ProgramFixture.h"
#include "SampleFiles.h"
#include "VirtualRadioProcess.h"
#include "support/TransferRunner.h"

#include "resources/CommandIds.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace tevano::testing {
namespace {

constexpr double kTargetMs = 100.0;

struct Waits {
    std::size_t count = 0;
    double meanMs = 0;
    double p99Ms = 0;
    double longestMs = 0;
};

Waits Summary(std::vector<double> waitsMs) {
    Waits waits;
    if (waitsMs.empty()) {
        return waits;
    }
    std::sort(waitsMs.begin(), waitsMs.end());
    waits.count = waitsMs.size();
    waits.meanMs =
        std::accumulate(waitsMs.begin(), waitsMs.end(), 0.0) / static_cast<double>(waitsMs.size());
    waits.p99Ms = waitsMs[(waitsMs.size() * 99 + 99) / 100 - 1];
    waits.longestMs = waitsMs.back();
    return waits;
}

// Runs the transfer with the probe measuring from its first block to its last; false when it
// did not end, or ended with a message.
bool Measure(ProgramFixture& program, LatencyProbe& probe, int command) {
    probe.waitsMs.clear();
    CProgressDlg* dialog = StartTransfer(program.App(), command);
    if (dialog == nullptr) {
        return false;
    }
    AtBlock(dialog, 1, [&probe] { probe.measuring = true; });
    AtBlock(dialog, dialog->Bar()->maximum(), [&probe] { probe.measuring = false; });
    const bool ended = ProgressWindowCloses(120000);
    probe.measuring = false;
    return ended && program.prompts.Questions().empty();
}

int Run(const QString& replyDelayMs) {
    ProgramFixture program;
    WriteSampleFile(program.Path("radio.sin"));
    VirtualRadioProcess radio(
        {"--image", program.Path("radio.sin"), "--reply-delay", replyDelayMs});
    if (!program.StartWithRadio(radio)) {
        std::fprintf(stderr,
                     "bench-gui-input: tevano-radio or the program's window did not start\n");
        return 2;
    }
    LatencyProbe probe;
    InputPoster poster(probe);
    const struct {
        const char* name;
        int command;
    } directions[] = {{"read", res::cmd::kReadFromRadio}, {"write", res::cmd::kWriteToRadio}};

    std::printf("Input during a transfer from the window, tevano-radio at 9600 baud, reply delay "
                "%s ms\n",
                qPrintable(replyDelayMs));
    std::printf("%-6s %7s %8s %8s %8s   (ms a queued input waited)\n", "", "inputs", "mean", "p99",
                "longest");
    bool met = true;
    for (const auto& direction : directions) {
        if (!Measure(program, probe, direction.command)) {
            std::fprintf(stderr, "bench-gui-input: the %s did not complete\n", direction.name);
            for (const QString& text : program.prompts.Texts()) {
                std::fprintf(stderr, "  %s\n", qPrintable(text));
            }
            return 2;
        }
        const Waits waits = Summary(probe.waitsMs);
        std::printf("%-6s %7zu %8.1f %8.1f %8.1f\n", direction.name, waits.count, waits.meanMs,
                    waits.p99Ms, waits.longestMs);
        met = met && waits.count > 0 && waits.longestMs <= kTargetMs;
    }
    poster.Stop();
    std::printf("target: longest wait at most %.0f ms in both directions: %s\n", kTargetMs,
                met ? "met" : "NOT met");
    return met ? 0 : 1;
}

} // namespace
} // namespace tevano::testing

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return tevano::testing::Run(argc > 1 ? QString(argv[1]) : QString("3"));
}
