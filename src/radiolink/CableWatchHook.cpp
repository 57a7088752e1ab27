#include "radiolink/CableWatchHook.h"

#include "base/PrintableText.h"
#include "radiolink/CableReport.h"
#include "radiolink/CableTexts.h"
#include "radiolink/PosixSerialPort.h"

namespace tevano {

namespace {

// The messages with which an exchange ends on a line that stopped answering.
bool EndsOnSilence(MessageId message) {
    switch (message) {
    case MessageId::CommunicationError:
    case MessageId::SendOrderFailed:
    case MessageId::ProgramInterrupted:
    case MessageId::NotEnoughBytes:
    case MessageId::ReadAckMissing:
        return true;
    default:
        return false;
    }
}

} // namespace

CableWatchHook::CableWatchHook(ExchangeHook& inner, const PosixSerialPort& port,
                               std::string portName, std::string devicePath, Language language,
                               NotePlace place, std::function<void(const std::string&)> note)
    : inner_(inner), port_(port), portName_(std::move(portName)),
      devicePath_(std::move(devicePath)), language_(language), place_(place),
      note_(std::move(note)) {}

Answer CableWatchHook::AskWithNote(MessageId message, const std::string& note) {
    if (place_ == NotePlace::BeforeMessage) {
        note_(note);
    }
    const Answer answer = inner_.Ask(message);
    if (place_ == NotePlace::AfterMessage) {
        note_(note);
    }
    return answer;
}

Answer CableWatchHook::Ask(MessageId message) {
    if (message == MessageId::PortOpenFailed) {
        return AskWithNote(message,
                           PortFailureWithDiagnosis(devicePath_, port_.OpenError(), language_));
    }
    if (EndsOnSilence(message) && port_.Disconnected()) {
        // Nothing will come back on a line that is gone: the exchange ends here, once.
        if (!disconnectShown_) {
            disconnectShown_ = true;
            static_cast<void>(inner_.Ask(MessageId::CableDisconnected));
        }
        return Answer::Cancel;
    }
    if (message == MessageId::CommunicationError && port_.BytesReceived() == 0) {
        note_(CableText(
            CableTextId::NoAnswer, language_,
            {{"<port>", PrintableText(portName_)}, {"<device>", PrintableText(devicePath_)}}));
    }
    return inner_.Ask(message);
}

} // namespace tevano
