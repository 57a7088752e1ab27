// The calibration exchange of the test mode: wakes the radio with the clone handshake, tells it
// which item is adjusted, sends the test frequencies, the tones and the item's value, and waits
// for the radio's 0x48 after each frame. A failed step asks Retry or Cancel, with no other bound.
#pragma once

#include "radiolink/ExchangeHook.h"
#include "radiolink/SerialPort.h"
#include "testmode/TestModeModel.h"

#include <string>

namespace tevano {

// What Start sends, as the dialog's fields and lists hold it: receive and transmit frequency
// texts (MHz), receive and transmit tone texts, the item and its value 0..255. The texts go into
// the frames as they stand: leading number, truncated; "OFF" and DCS names give 0.
using CalibrationInputs = CalibrationRequest;

// How the exchange ended. Every ending closes the port; PortOpenFailed never opened it.
enum class [[nodiscard]] CalibrationEnding {
    Confirmed,      // the radio confirmed the value frame; "Finish successfully!" was shown
    PortOpenFailed, // the port does not exist or another program holds it
    Cancelled,      // Cancel in the retry question
};

// Runs one calibration exchange on the caller's thread without pumping. Every message, the
// success included, goes through hook.Ask. A frequency text of 1000 MHz or more does not fit
// the frame: callers hold it to the band or refuse it first; the engine holds it to
// 999.99999 MHz rather than send invalid BCD.
CalibrationEnding RunCalibration(SerialPort& port, const std::string& devicePath,
                                 ExchangeHook& hook, const CalibrationInputs& inputs);

} // namespace tevano
