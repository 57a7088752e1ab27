// The virtual radio at work: it waits on its pseudo-terminal, feeds what arrives to the
// responder, and answers with a real radio's timing: not before the bytes it got would have
// crossed a 9600-baud line, after its own reply delay, and one byte per wire time. It records
// each calibration it receives.
#pragma once

#include "CloneResponder.h"
#include "PtyLine.h"
#include "RadioOptions.h"
#include "WireTrace.h"

#include "image/RadioImage.h"

#include <csignal>
#include <string>

namespace tevano::radio {

class VirtualRadio {
public:
    VirtualRadio(const RadioOptions& options, const RadioImage& memory);

    // Serves exchanges until `stop` is set or the number of exchanges asked for is done.
    // Returns the exit status.
    int Run(const volatile std::sig_atomic_t& stop);

private:
    bool OpenLine();
    // Follows the opens and closes of the port; false when the watch failed.
    bool WatchPort();
    void TakePortEvents();
    void Take(const std::uint8_t* bytes, std::size_t count, long long receivedAt);
    bool Send(const std::vector<std::uint8_t>& bytes, long long answerAt);
    void LineClosed();
    void SaveMemory();
    void RecordCalibration(const CalibrationRecord& calibration);

    RadioOptions options_;
    RadioImage memory_;
    CloneResponder responder_;
    WireTrace trace_;
    PtyLine line_;
    long long byteTimeNs_;
    long long replyDelayNs_;
    // The wire time of what the program sent since the radio last answered. On a pseudo-
    // terminal the program's writes return at once; on a cable each would have taken this long
    // before the program went on, so its later bytes really arrive that much later.
    long long pendingWireNs_ = 0;
    long long lastByteAt_ = 0;
    // How many descriptors the programs on the port hold: an exchange ends when the last one
    // is closed. Counted from the kernel's open and close notices, which never miss a close
    // however quickly the program opens the port again.
    int inotify_ = -1;
    int openers_ = 0;
    bool hungUp_ = false;
    int exchangesDone_ = 0;
};

} // namespace tevano::radio
