// Waiting for what another process or the kernel does, with a deadline: the condition is looked
// at every few milliseconds, and the wait ends as soon as it holds or once the deadline passes.
#pragma once

#include <chrono>
#include <thread>

namespace tevano::testing {

// Whether `condition` came to hold within `deadline`.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline) {
    const auto giveUpAt = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= giveUpAt) {
            return condition();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace tevano::testing
