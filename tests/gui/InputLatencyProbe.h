// Input that arrives while the program's thread is busy, and how long it waited: another thread
// posts stamped events as a user's input comes in, and a probe notes the wait of each one the
// window's thread takes.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace tevano::testing {

// An event that carries the moment it was posted.
class StampedEvent : public QEvent {
public:
    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    StampedEvent() : QEvent(Type()), postedAt(std::chrono::steady_clock::now()) {}
    const std::chrono::steady_clock::time_point postedAt;
};

// Notes how long each stamped event waited before the window's thread took it, while measuring.
class LatencyProbe : public QObject {
public:
    bool measuring = false;
    std::vector<double> waitsMs;

    bool event(QEvent* event) override {
        if (event->type() != StampedEvent::Type()) {
            return QObject::event(event);
        }
        if (measuring) {
            const auto waited =
                std::chrono::steady_clock::now() - static_cast<StampedEvent*>(event)->postedAt;
            waitsMs.push_back(std::chrono::duration<double, std::milli>(waited).count());
        }
        return true;
    }
};

// Posts a stamped event to the probe every 3 ms from its own thread, from construction until
// Stop; what it posted and nobody took is removed.
class InputPoster {
public:
    explicit InputPoster(LatencyProbe& probe) : probe_(probe), thread_([this] { Post(); }) {}
    ~InputPoster() { Stop(); }
    InputPoster(const InputPoster&) = delete;
    InputPoster& operator=(const InputPoster&) = delete;

    void Stop() {
        if (thread_.joinable()) {
            posting_ = false;
            thread_.join();
            QCoreApplication::removePostedEvents(&probe_);
        }
    }

private:
    void Post() {
        while (posting_) {
            QCoreApplication::postEvent(&probe_, new StampedEvent);
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
    }

    LatencyProbe& probe_;
    std::atomic<bool> posting_{true};
    std::thread thread_;
};

} // namespace tevano::testing
