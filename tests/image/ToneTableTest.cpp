#include "image/ToneTable.h"
#include "base/NumberText.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

TEST(ToneTable, HoldsTheNamesInTableOrder) {
    const ToneTable table;
    ASSERT_EQ(table.Count(), 261);
    EXPECT_EQ(table.Name(0), "OFF");
    EXPECT_EQ(table.Name(1), "67.0");
    EXPECT_EQ(table.Name(13), "100.0");
    EXPECT_EQ(table.Name(42), "206.5");
    EXPECT_EQ(table.Name(43), "210.7");
    EXPECT_EQ(table.Name(50), "254.1");
    EXPECT_EQ(table.Name(51), "D023N");
    EXPECT_EQ(table.Name(155), "D754N");
    EXPECT_EQ(table.Name(156), "D023I");
    EXPECT_EQ(table.Name(210), "D325I");
    EXPECT_EQ(table.Name(260), "D754I");
}

TEST(ToneTable, CtcssAscendingAndDcsTwiceInTheSameOrder) {
    const ToneTable table;
    for (int i = ToneTable::kFirstCtcss + 1; i < ToneTable::kFirstDcsNormal; ++i) {
        EXPECT_LT(LeadingDouble(table.Name(i - 1)), LeadingDouble(table.Name(i))) << i;
    }
    for (int k = 0; k < ToneTable::kDcsCount; ++k) {
        std::string normal = table.Name(ToneTable::kFirstDcsNormal + k);
        const std::string inverted = table.Name(ToneTable::kFirstDcsInverted + k);
        ASSERT_EQ(normal.back(), 'N');
        normal.back() = 'I';
        EXPECT_EQ(normal, inverted);
        if (k > 0) {
            EXPECT_LT(table.Name(ToneTable::kFirstDcsNormal + k - 1),
                      table.Name(ToneTable::kFirstDcsNormal + k));
        }
        // Three octal digits.
        for (std::size_t d = 1; d <= 3; ++d) {
            EXPECT_TRUE(normal[d] >= '0' && normal[d] <= '7') << normal;
        }
    }
}

} // namespace
} // namespace tevano
