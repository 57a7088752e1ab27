#include "CliExchangeHook.h"
#include "CliTexts.h"
#include "RadioPort.h"

#include "base/PrintableText.h"
#include "radiolink/CloneFrames.h"
#include "radiolink/LineNoteText.h"

#include <string>
#include <unistd.h>

namespace tevano::cli {

namespace {

constexpr int kBarWidth = 40;

} // namespace

CliExchangeHook::CliExchangeHook(Language language, int retries, bool force, std::FILE* err)
    : language_(language), retriesLeft_(retries), retries_(retries), force_(force), err_(err),
      drawBar_(isatty(fileno(err)) != 0) {}

void CliExchangeHook::SetPortLabel(std::string label) {
    label_ = std::move(label);
    drawBar_ = false;
}

std::string CliExchangeHook::LinePrefix() const {
    return label_.empty() ? "tevano-cli: " : "tevano-cli: " + label_ + ": ";
}

void CliExchangeHook::Note(const std::string& text) {
    EndProgressLine();
    std::fprintf(err_, "%s%s\n", LinePrefix().c_str(), PrintableText(text).c_str());
    std::fflush(err_);
}

bool CliExchangeHook::CancelRequested() {
    return CancelSignal() != 0;
}

void CliExchangeHook::NoteLine(const LineNote& note) {
    if (note.kind == LineNote::Kind::Echoing) {
        if (echoNoted_) {
            return;
        }
        echoNoted_ = true;
    }
    Note(LineNoteText(note, language_));
}

void CliExchangeHook::StepProgress(int blocksDone) {
    if (!drawBar_) {
        return;
    }
    const int filled = blocksDone * kBarWidth / kBlockCount;
    std::fprintf(err_, "\r[%s%s] %d/%d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kBarWidth - filled), ' ').c_str(), blocksDone,
                 kBlockCount);
    barOnScreen_ = true;
    if (blocksDone >= kBlockCount) {
        EndProgressLine();
    }
    std::fflush(err_);
}

void CliExchangeHook::EndProgressLine() {
    if (barOnScreen_) {
        std::fputc('\n', err_);
        barOnScreen_ = false;
    }
}

Answer CliExchangeHook::Ask(MessageId message) {
    EndProgressLine();
    std::fprintf(err_, "%s%s\n", LinePrefix().c_str(), MessageText(message, language_).c_str());
    Answer answer = Answer::Ok;
    switch (Message(message).buttons) {
    case Buttons::RetryCancel:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            const std::string retrying =
                CliText(CliTextId::Retrying, language_,
                        {{"<retry>", std::to_string(retries_ - retriesLeft_)},
                         {"<retries>", std::to_string(retries_)}});
            std::fprintf(err_, "%s%s\n", LinePrefix().c_str(), retrying.c_str());
            answer = Answer::Retry;
        } else {
            answer = Answer::Cancel;
        }
        break;
    case Buttons::OkCancel:
        // The question speaks of an OK button, which the command line has in --force.
        std::fprintf(
            err_, "%s%s\n", LinePrefix().c_str(),
            CliText(force_ ? CliTextId::GoingOnForced : CliTextId::NotWrittenForceHint, language_)
                .c_str());
        answer = force_ ? Answer::Ok : Answer::Cancel;
        break;
    default:
        break;
    }
    std::fflush(err_);
    return answer;
}

} // namespace tevano::cli
