#include "grid/FrequencyText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tevano {
namespace {

TEST(FrequencyText, DecimalArithmeticGivesTheExactCount) {
    // A plain double product would give one unit less: 145.0125 x 100000 = 14501249.99...
    EXPECT_EQ(static_cast<std::uint32_t>(145.0125 * 100000), 14501249u);
    EXPECT_EQ(MegahertzTo10Hz(145.0125), 14501250u);
    EXPECT_EQ(FrequencyTextTo10Hz("145.0125"), 14501250u);
    EXPECT_EQ(FrequencyTextTo10Hz("439.99375"), 43999375u);
    EXPECT_EQ(FrequencyTextTo10Hz("145.00625"), 14500625u);
    EXPECT_EQ(FrequencyTextTo10Hz("67"), 6700000u);
    EXPECT_EQ(FrequencyTextTo10Hz("521.00000"), 52100000u);
}

TEST(FrequencyText, DigitsBeyondTheFifthDecimalAreCut) {
    EXPECT_EQ(FrequencyTextTo10Hz("145.0125001"), 14501250u);
    EXPECT_EQ(FrequencyTextTo10Hz("145.012549"), 14501254u);
    EXPECT_EQ(FrequencyTextTo10Hz("66.99999"), 6699999u);
    EXPECT_EQ(FrequencyTextTo10Hz("521.00001"), 52100001u);
}

TEST(FrequencyText, EmptyNegativeAndHugeValues) {
    EXPECT_EQ(FrequencyTextTo10Hz(""), 0u);
    EXPECT_EQ(FrequencyTextTo10Hz("abc"), 0u);
    EXPECT_EQ(FrequencyTextTo10Hz("-145"), 0u);
    EXPECT_EQ(MegahertzTo10Hz(std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ(MegahertzTo10Hz(1e300), 0xFFFFFFFFu);
    EXPECT_EQ(MegahertzTo10Hz(std::numeric_limits<double>::infinity()), 0xFFFFFFFFu);
    EXPECT_EQ(MegahertzTo10Hz(42949.67295), 0xFFFFFFFFu);
    EXPECT_EQ(MegahertzTo10Hz(42949.67296), 0xFFFFFFFFu);
    EXPECT_EQ(MegahertzTo10Hz(1e-300), 0u);
}

TEST(FrequencyText, PrintsFiveDecimals) {
    EXPECT_EQ(FrequencyText(14501250), "145.01250");
    EXPECT_EQ(FrequencyText(6700000), "67.00000");
    EXPECT_EQ(FrequencyText(1), "0.00001");
}

// Every count the image can hold in valid BCD comes back unchanged from its text.
TEST(FrequencyText, TextOfEveryCountConvertsBack) {
    for (std::uint32_t v = 0; v < 100000000; v += 997) {
        ASSERT_EQ(FrequencyTextTo10Hz(FrequencyText(v)), v) << v;
    }
    for (std::uint32_t v = 14500000; v < 14600000; ++v) {
        ASSERT_EQ(FrequencyTextTo10Hz(FrequencyText(v)), v) << v;
    }
}

} // namespace
} // namespace tevano
