// The transfer progress dialog (dialog 133): Start, the progress bar, the status line and
// Cancel. The caption is set by the read or write command that opens it.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::progress {

constexpr int kStart = build::kIdOk;
constexpr int kCancel = build::kIdCancel;
constexpr int kProgressBar = 1003;
constexpr int kProgressLabel = 1004;
constexpr int kStatusLine = 1005;

struct Texts {
    const char* start;
    const char* cancel;
    const char* progress;
    const char* notStarted;
};

constexpr auto Controls(const Texts& t) {
    using namespace build;
    return std::to_array<ControlTemplate>({
        DefaultButton(kStart, t.start, 7, 7, 32, 14),
        Button(kCancel, t.cancel, 194, 36, 39, 14),
        Plain(kProgressBar, ControlKind::Progress, 7, 23, 226, 10),
        Label(kProgressLabel, t.progress, 7, 38, 47, 12),
        Label(kStatusLine, t.notStarted, 48, 38, 142, 21),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kProgressDialog, "", 260, 74, "Times New Roman", 10, controls);
}

} // namespace tevano::res::progress
