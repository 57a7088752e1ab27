// Imported channels outside the band of the "Field" list are named, each with the frequencies
// that lie outside, in both languages; inside the band, or with no band picked, nothing is.

#include "grid/csv/CsvBandCheck.h"
#include "grid/csv/CsvChannelImport.h"
#include "grid/csv/CsvTexts.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

TEST(CsvBandCheck, ChannelsOutsideTheFieldBandAreNamed) {
    const CsvImport import = ReadChannelList("Location,Frequency,Duplex,Offset\n"
                                             "1,134.000000\n"
                                             "2,176.000000,+,0.6\n"
                                             "3,118.000000,off\n"
                                             "4,433.000000,split,145.000000\n"
                                             "5,440.000000,-,5\n",
                                             Language::English);
    ASSERT_EQ(import.channels.size(), 5u);

    const CsvBandCheck vhf = CheckFieldBand(import.channels, 0);
    EXPECT_EQ(vhf.band, "134 - 176MHz");
    ASSERT_EQ(vhf.warnings.size(), 4u);
    EXPECT_EQ(vhf.warnings[0].line, 3); // 176.6 MHz transmit
    EXPECT_EQ(vhf.warnings[0].rx, "");
    EXPECT_EQ(vhf.warnings[0].tx, "176.60000");
    EXPECT_EQ(CsvBandWarningLine(vhf.warnings[1], vhf.band, Language::English),
              "warning: line 4: channel 3's receive frequency 118.00000 MHz is outside the "
              "\"Field\" band 134 - 176MHz");
    EXPECT_EQ(vhf.warnings[2].tx, "");
    EXPECT_EQ(CsvBandWarningText(vhf.warnings[3], vhf.band, Language::Chinese),
              "频道 5 的接收频率 440.00000 MHz 和发射频率 435.00000 MHz 超出频段 134 - 176MHz");
    const std::string message = CsvBandWarningsMessage(vhf, Language::English, 2);
    EXPECT_NE(message.find("\nLine 3: channel 2's transmit frequency 176.60000 MHz"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\n... and 2 more rows."), std::string::npos) << message;

    const CsvBandCheck uhf = CheckFieldBand(import.channels, 2);
    ASSERT_EQ(uhf.warnings.size(), 4u);
    EXPECT_EQ(uhf.warnings[3].channel, 4); // 433 MHz in, 145 MHz out
    EXPECT_EQ(uhf.warnings[3].rx, "");
    EXPECT_EQ(uhf.warnings[3].tx, "145.00000");

    // A "Field" byte the list has no entry for leaves no band to compare with.
    EXPECT_TRUE(CheckFieldBand(import.channels, -1).warnings.empty());
    EXPECT_TRUE(CheckFieldBand(import.channels, 5).warnings.empty());
    EXPECT_EQ(CsvBandWarningsMessage(CheckFieldBand(import.channels, 5), Language::English), "");
}

} // namespace
} // namespace tevano
