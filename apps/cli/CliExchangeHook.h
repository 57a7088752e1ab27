// The clone exchange run from the command line, where nobody answers message boxes: every
// message goes to stderr, the communication-error question is answered Retry a set number of
// times and then Cancel, the radio-type question OK only when forced, and a terminal on stderr
// shows a progress bar while the blocks move.
#pragma once

#include "base/Language.h"
#include "radiolink/ExchangeHook.h"

#include <cstdio>
#include <string>

namespace tevano::cli {

class CliExchangeHook : public ExchangeHook {
public:
    CliExchangeHook(Language language, int retries, bool force, std::FILE* err = stderr);

    // One of several exchanges at once: every line names its port, and no bar is drawn.
    void SetPortLabel(std::string label);

    // A line of the tool's own on stderr, after the exchange's messages.
    void Note(const std::string& text);

    void PumpTurn() override {}
    // An exit signal the tool took as a cancel (see TreatFirstExitSignalAsCancel).
    bool CancelRequested() override;
    void ShowStatus(TextId) override {}
    void StepProgress(int blocksDone) override;
    void SetInterruptionWatch(bool) override {}
    Answer Ask(MessageId message) override;
    // The line's notes on stderr; that the cable echoes, only once.
    void NoteLine(const LineNote& note) override;
    // A second exchange on the same line (a write's check) says nothing more about the echo.
    void CarryEchoNote(const CliExchangeHook& earlier) { echoNoted_ = earlier.echoNoted_; }

private:
    void EndProgressLine();
    // "tevano-cli: " and, for one of several exchanges, the port's label.
    std::string LinePrefix() const;

    Language language_;
    int retriesLeft_;
    int retries_;
    bool force_;
    std::FILE* err_;
    bool drawBar_;
    bool barOnScreen_ = false;
    std::string label_;
    bool echoNoted_ = false;
};

} // namespace tevano::cli
