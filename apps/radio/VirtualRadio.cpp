#include "VirtualRadio.h"

#include "image/ChannelFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace tevano::radio {

namespace {

constexpr long long kNsPerMs = 1000000;
// A radio gives up on a frame it has begun to receive when the line stays quiet this long.
constexpr long long kFrameGiveUpNs = 100 * kNsPerMs;
// How long to let a close notice catch up with a hung-up line.
constexpr long long kHangUpNoticeNs = 1 * kNsPerMs;
// The least time before an answer that the program reads after a purge. A radio on a cable
// never answers sooner; without pacing an answer could come before the program's purge and
// be thrown away. Far inside the calibration's 100 ms wait for one byte.
constexpr long long kAnswerAfterPurgeNs = 20 * kNsPerMs;

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void SleepUntil(long long ns) {
    const timespec at{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

} // namespace

VirtualRadio::VirtualRadio(const RadioOptions& options, const RadioImage& memory)
    : options_(options), memory_(memory), responder_(memory_, options.typeCode, options.faults),
      trace_(options.tracePath),
      byteTimeNs_(options.baud > 0 ? 10LL * 1000000000 / options.baud : 0),
      replyDelayNs_(options.baud > 0 ? static_cast<long long>(options.replyDelayMs * kNsPerMs)
                                     : 0) {}

bool VirtualRadio::OpenLine() {
    std::string error;
    if (!line_.Open(error) ||
        (!options_.linkPath.empty() && !PointLink(options_.linkPath, line_.DevicePath(), error))) {
        std::fprintf(stderr, "tevano-radio: %s\n", error.c_str());
        return false;
    }
    if (!WatchPort()) {
        return false;
    }
    std::printf("%s\n", line_.DevicePath().c_str());
    std::fflush(stdout);
    return true;
}

bool VirtualRadio::WatchPort() {
    if (inotify_ >= 0) {
        close(inotify_);
    }
    openers_ = 0;
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0 ||
        inotify_add_watch(inotify_, line_.DevicePath().c_str(), IN_OPEN | IN_CLOSE) < 0) {
        std::perror("tevano-radio: cannot watch the port");
        return false;
    }
    return true;
}

void VirtualRadio::TakePortEvents() {
    alignas(inotify_event) char events[4096];
    for (;;) {
        const ssize_t size = read(inotify_, events, sizeof events);
        if (size <= 0) {
            return;
        }
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if ((event->mask & IN_OPEN) != 0) {
                ++openers_;
            }
            if ((event->mask & IN_CLOSE) != 0 && openers_ > 0 && --openers_ == 0) {
                LineClosed();
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

int VirtualRadio::Run(const volatile std::sig_atomic_t& stop) {
    if (!options_.tracePath.empty() && !trace_.Good()) {
        std::fprintf(stderr, "tevano-radio: cannot open the trace file %s\n",
                     options_.tracePath.c_str());
        return 1;
    }
    if (!OpenLine()) {
        return 1;
    }
    std::uint8_t bytes[256];
    while (stop == 0 && (options_.exchanges == 0 || exchangesDone_ < options_.exchanges)) {
        if (hungUp_) {
            hungUp_ = false;
            line_.Close();
            if (!OpenLine()) {
                return 1;
            }
        }
        // The line is only listened to while a program has the port open: a closed port's
        // master end reports a hang-up without end.
        pollfd entries[2] = {{inotify_, POLLIN, 0},
                             {openers_ > 0 ? line_.Master() : -1, POLLIN, 0}};
        const timespec wait{0, 200 * kNsPerMs};
        if (ppoll(entries, 2, &wait, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::perror("tevano-radio: poll");
            return 1;
        }
        // Opens and closes first: bytes that follow a close belong to the next exchange.
        if ((entries[0].revents & POLLIN) != 0) {
            TakePortEvents();
            continue;
        }
        if (entries[1].revents == 0) {
            continue;
        }
        const ssize_t got = read(line_.Master(), bytes, sizeof bytes);
        if (got > 0) {
            Take(bytes, static_cast<std::size_t>(got), NowNs());
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            // Hung up: the close notice is on its way.
            const timespec pause{0, kHangUpNoticeNs};
            nanosleep(&pause, nullptr);
        }
    }
    close(inotify_);
    line_.Close();
    if (!options_.linkPath.empty()) {
        RemoveLink(options_.linkPath, line_.DevicePath());
    }
    return 0;
}

void VirtualRadio::Take(const std::uint8_t* bytes, std::size_t count, long long receivedAt) {
    // The cable's echo comes back at once, ahead of anything the radio answers; it is the
    // cable's doing, not the radio's, so the trace does not show it.
    if (options_.echo && write(line_.Master(), bytes, count) != static_cast<ssize_t>(count)) {
        LineClosed();
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const bool afterPause = lastByteAt_ != 0 && receivedAt - lastByteAt_ > kFrameGiveUpNs;
        if (afterPause) {
            // The program waited out a time-out: it is no longer behind the wire.
            pendingWireNs_ = 0;
        }
        lastByteAt_ = receivedAt;
        pendingWireNs_ += byteTimeNs_;
        const long long arrivedAt = receivedAt + pendingWireNs_;
        trace_.Received(bytes[i]);
        const RadioReply reply = responder_.Receive(bytes[i], afterPause);
        if (reply.writeCompleted) {
            // Before the last acknowledgement goes out: whoever waits for it finds the file.
            SaveMemory();
        }
        if (reply.calibration) {
            // Also before the confirmation, for the same reason.
            RecordCalibration(*reply.calibration);
        }
        if (reply.hangUp) {
            trace_.Break();
            hungUp_ = true;
            LineClosed();
            return;
        }
        if (!reply.bytes.empty()) {
            pendingWireNs_ = 0;
            long long answerAt = arrivedAt + replyDelayNs_;
            if (reply.awaitedAfterPurge) {
                answerAt = std::max(answerAt, receivedAt + kAnswerAfterPurgeNs);
            }
            if (!Send(reply.bytes, answerAt)) {
                LineClosed();
                return;
            }
        }
    }
}

// Each byte reaches the program one wire time after the previous one.
bool VirtualRadio::Send(const std::vector<std::uint8_t>& bytes, long long answerAt) {
    trace_.Sent(bytes);
    if (byteTimeNs_ == 0) {
        SleepUntil(answerAt);
        if (write(line_.Master(), bytes.data(), bytes.size()) !=
            static_cast<ssize_t>(bytes.size())) {
            return false;
        }
    } else {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            SleepUntil(answerAt + static_cast<long long>(i + 1) * byteTimeNs_);
            if (write(line_.Master(), &bytes[i], 1) != 1) {
                return false;
            }
        }
    }
    // The line was busy until now: a pause in what the program sends counts from here.
    lastByteAt_ = NowNs();
    return true;
}

void VirtualRadio::LineClosed() {
    trace_.Break();
    pendingWireNs_ = 0;
    lastByteAt_ = 0;
    if (responder_.LineClosed()) {
        ++exchangesDone_;
    }
}

void VirtualRadio::RecordCalibration(const CalibrationRecord& calibration) {
    const std::string line = DescribeCalibration(calibration);
    trace_.Note("calibration " + line);
    if (options_.calibrationsPath.empty()) {
        return;
    }
    std::FILE* file = std::fopen(options_.calibrationsPath.c_str(), "a");
    if (file == nullptr || std::fprintf(file, "%s\n", line.c_str()) < 0) {
        std::fprintf(stderr, "tevano-radio: cannot record the calibration in %s\n",
                     options_.calibrationsPath.c_str());
    }
    if (file != nullptr) {
        std::fclose(file);
    }
}

void VirtualRadio::SaveMemory() {
    if (options_.savePath.empty()) {
        return;
    }
    const FileResult saved = StoreChannelFile(options_.savePath, memory_);
    if (!saved.Ok()) {
        std::fprintf(stderr, "tevano-radio: cannot save the memory to %s\n",
                     options_.savePath.c_str());
    }
}

} // namespace tevano::radio
