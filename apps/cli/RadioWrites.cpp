#include "RadioWrites.h"

#include "CliExchangeHook.h"
#include "CliTexts.h"
#include "RadioPort.h"

#include "base/PrintableText.h"
#include "radiolink/CableWatchHook.h"
#include "radiolink/CloneExchange.h"
#include "report/ImageComparison.h"

#include <cstdio>
#include <exception>
#include <thread>

namespace tevano::cli {

namespace {

struct PortResult {
    bool ok = false;
    std::string text; // what the result line says after the port's label
};

// The device may come from the INI file: it is shown escaped.
std::string LabelOf(const PortTarget& port) {
    const std::string label =
        port.name == port.device ? port.name : port.name + " (" + port.device + ")";
    return PrintableText(label);
}

// The message the user was shown for an ending other than Completed.
MessageId MessageOf(CloneEnding ending) {
    switch (ending) {
    case CloneEnding::PortOpenFailed:
        return MessageId::PortOpenFailed;
    case CloneEnding::Cancelled:
        return MessageId::TransferInterrupted;
    case CloneEnding::CommunicationFailed:
        return MessageId::CommunicationError;
    case CloneEnding::TypeMismatchRefused:
        return MessageId::RadioTypeMismatch;
    case CloneEnding::WriteBlockRefused:
        return MessageId::ProgramInterrupted;
    case CloneEnding::ReadReplyShort:
        return MessageId::NotEnoughBytes;
    case CloneEnding::ReadAckMissing:
    case CloneEnding::Completed:
        break;
    }
    return MessageId::ReadAckMissing;
}

// What ended the exchange, for the result line: a cancel here is an exit signal's.
// Why an exchange ended: the signal that stopped it, a pulled cable, or the radio's message.
std::string EndingReason(const CloneOutcome& outcome, bool disconnected, Language language) {
    if (outcome.ending == CloneEnding::Cancelled && CancelSignal() != 0) {
        return CliText(CliTextId::EndedBySignal, language,
                       {{"<signal>", ExitSignalName(CancelSignal())}});
    }
    return MessageText(disconnected ? MessageId::CableDisconnected : MessageOf(outcome.ending),
                       language);
}

PortResult Failed(const std::string& reason, Language language) {
    return {false, CliText(CliTextId::FailedBecause, language, {{"<reason>", reason}})};
}

// One radio: the write, then, when asked, a second exchange that reads it back. `label` is ""
// for the only port of the command, else what names this port in the messages.
PortResult WriteOnePort(const PortTarget& target, const RadioImage& image,
                        const WriteSettings& settings, const std::string& label) {
    const Language language = settings.language;
    SignalSafePort port;
    CliExchangeHook hook(language, settings.retries, settings.force);
    if (!label.empty()) {
        hook.SetPortLabel(label);
    }
    CableWatchHook watch(hook, port, target.name, target.device, language, NotePlace::AfterMessage,
                         [&hook](const std::string& text) { hook.Note(text); });
    const CloneOutcome written = WriteToRadio(port, target.device, watch, image);
    if (written.ending == CloneEnding::TypeMismatchRefused) {
        // The question is on stderr already, with the --force hint; not a second time here.
        return Failed(CliText(CliTextId::TypeRefusedWritten, language), language);
    }
    if (written.ending != CloneEnding::Completed) {
        std::string reason = EndingReason(written, port.Disconnected(), language);
        if (WriteEndedPartway(written)) {
            reason += " " + MessageTextWith(MessageId::PartlyWritten,
                                            std::to_string(written.blocksDone), language);
        }
        return Failed(reason, language);
    }
    if (!settings.verify) {
        return {true, CliText(CliTextId::Written, language)};
    }
    // The read-back has its own questions: --retries counts afresh.
    CliExchangeHook verifyHook(language, settings.retries, settings.force);
    verifyHook.CarryEchoNote(hook);
    if (!label.empty()) {
        verifyHook.SetPortLabel(label);
    }
    // Every byte starts unlike the one written: a byte that a short reply did not bring back
    // cannot pass for a verified one.
    RadioImage readBack{};
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
        readBack[offset] = static_cast<std::uint8_t>(~image[offset]);
    }
    CableWatchHook verifyWatch(verifyHook, port, target.name, target.device, language,
                               NotePlace::AfterMessage,
                               [&verifyHook](const std::string& text) { verifyHook.Note(text); });
    const CloneOutcome read = ReadFromRadio(port, target.device, verifyWatch, readBack);
    // The write itself completed: the user must not take a failed check for a failed write.
    if (read.ending != CloneEnding::Completed) {
        return {false, CliText(CliTextId::WrittenNotReadBack, language,
                               {{"<reason>", EndingReason(read, port.Disconnected(), language)}})};
    }
    const ImageComparison comparison = CompareImages(image, readBack, language);
    if (!comparison.Same()) {
        for (const std::string& line : ComparisonLines(comparison, language)) {
            verifyHook.Note(line);
        }
        const std::string difference = CliText(CliTextId::MemoryDiffers, language,
                                               {{"<places>", PlacesOf(comparison, language)}});
        return {false,
                CliText(CliTextId::WrittenDiffers, language, {{"<difference>", difference}})};
    }
    return {true, CliText(CliTextId::WrittenVerified, language)};
}

} // namespace

bool WriteToPorts(const std::vector<PortTarget>& ports, const RadioImage& image,
                  const WriteSettings& settings) {
    std::vector<PortResult> results(ports.size());
    if (ports.size() == 1) {
        WakeOnTime();
        results[0] = WriteOnePort(ports[0], image, settings, "");
    } else {
        // The exchanges share only the image, which none of them changes: each copies it, and
        // has its own port, hook and result slot.
        std::vector<std::thread> exchanges;
        exchanges.reserve(ports.size());
        for (std::size_t index = 0; index < ports.size(); ++index) {
            exchanges.emplace_back([&ports, &image, &settings, &results, index] {
                HoldExitSignalsOnThisThread();
                WakeOnTime();
                try {
                    results[index] =
                        WriteOnePort(ports[index], image, settings, LabelOf(ports[index]));
                } catch (const std::exception& error) {
                    results[index] = Failed(error.what(), settings.language);
                }
            });
        }
        for (std::thread& exchange : exchanges) {
            exchange.join();
        }
    }
    bool allDone = true;
    for (std::size_t index = 0; index < ports.size(); ++index) {
        std::printf("%s: %s\n", LabelOf(ports[index]).c_str(), results[index].text.c_str());
        allDone = allDone && results[index].ok;
    }
    std::fflush(stdout);
    return allDone;
}

} // namespace tevano::cli
