#include "DemoChannels.h"

#include "grid/Channel.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelWords.h"

#include <array>
#include <string>

namespace tevano::cli {

namespace {

struct DemoChannel {
    const char* rx;
    const char* tx;
    const char* rxTone;
    const char* txTone;
    Word bandwidth, scan, power, signal, pttId, busyLock, repeat;
    const char* name;
};

} // namespace

void WriteDemoChannels(RadioImage& image, Language language) {
    using namespace words;
    const std::array<DemoChannel, 6> channels = {{
        {"145.00000", "145.00000", "OFF", "OFF", kWide, kYes, kHigh, kDtmf, kOn, kClose, kForward,
         "CALL"},
        {"145.50000", "145.50000", "88.5", "88.5", kWide, kYes, kHigh, kNone, kOff, kQtDqt,
         kForward, "SIMPLX"},
        {"146.52000", "146.52000", "D023N", "D023N", kNarrow, kNo, kLow, kNone, kOff, kQtDqt,
         kForward, "TAC-1"},
        {"147.30000", "147.90000", "OFF", "100.0", kWide, kYes, kHigh, kMsk, kOff, kCarrier,
         kReverse, "RPT 1"},
        {"162.55000", "", "OFF", "OFF", kNarrow, kNo, kLow, kNone, kOff, kClose, kForward, "WX"},
        {"151.82000", "151.82000", "67.0", "D754I", kNarrow, kYes, kLow, kCcir, kOn, kQtDqt,
         kForward, "MURS1"},
    }};
    int row = 1;
    for (const DemoChannel& ch : channels) {
        const ChannelRowTexts cells = {
            std::string(),
            ch.rx,
            ch.tx,
            ch.rxTone,
            ch.txTone,
            ch.bandwidth.In(language),
            ch.scan.In(language),
            ch.power.In(language),
            ch.signal.In(language),
            ch.pttId.In(language),
            ch.busyLock.In(language),
            ch.repeat.In(language),
            ch.name,
        };
        WriteChannel(ParseChannel(cells, image, row), row, image);
        ++row;
    }
}

} // namespace tevano::cli
