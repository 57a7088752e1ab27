// Channel data files for the widget tests, saved through the same encode as the program's.
#pragma once

#include "grid/Channel.h"
#include "grid/ChannelEncode.h"
#include "grid/ChannelFileOps.h"
#include "grid/ChannelGridLayout.h"
#include "grid/HeadlessChannelForm.h"
#include "support/NewImage.h"

#include <QFile>
#include <QString>

namespace tevano::testing {

// A document with channel 1 at 145 MHz (wide, scan, high power) and channel 2 at 439.99375 MHz.
inline void WriteSampleFile(const QString& path) {
    HeadlessChannelForm form(Language::English);
    RadioImage image = NewImage();
    ShowImage(image, form.Form());
    const char* rows[2][12] = {
        {"145.00000", "145.00000", "OFF", "88.5", "Wide", "Yes", "High", "DTMF", "ON", "Close",
         "Forward", "CALL"},
        {"439.99375", "", "D023N", "OFF", "Narrow", "No", "Low", "None", "OFF", "Carrier",
         "Reverse", "UHF"},
    };
    for (int row = 0; row < 2; ++row) {
        ChannelRowTexts cells;
        for (int col = 1; col <= 12; ++col) {
            cells[static_cast<std::size_t>(col)] = rows[row][col - 1];
        }
        WriteChannel(ParseChannel(cells, image, row + 1), row + 1, image);
    }
    if (!SaveChannelFile(path.toStdString(), form.Form(), image).Ok()) {
        qFatal("cannot write the sample file %s", qPrintable(path));
    }
}

inline void WriteShortFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(3167, '\xFF'));
}

} // namespace tevano::testing
