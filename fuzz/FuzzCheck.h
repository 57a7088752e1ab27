// The harnesses' own checks: a broken invariant stops the run with a message and an abort, so
// that libFuzzer keeps the input that broke it as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when the condition does not hold; the message says which rule was broken.
#define FUZZ_CHECK(condition, message)                                                             \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  (%s)\n", __FILE__, __LINE__,      \
                         message, #condition);                                                     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// With TEVANO_FUZZ_VERBOSE set, a harness tells how each run ended (to check what a seed does).
inline bool FuzzVerbose() {
    static const bool verbose = std::getenv("TEVANO_FUZZ_VERBOSE") != nullptr;
    return verbose;
}
