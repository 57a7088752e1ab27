#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace tevano {
namespace {

TEST(NumberText, LeadingDoubleReadsLikeAtof) {
    EXPECT_DOUBLE_EQ(LeadingDouble("145.0125"), 145.0125);
    EXPECT_DOUBLE_EQ(LeadingDouble("  \t145.5MHz"), 145.5);
    EXPECT_DOUBLE_EQ(LeadingDouble("-5"), -5.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("+3"), 3.0);
    EXPECT_DOUBLE_EQ(LeadingDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingDouble("5."), 5.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("1e"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("1e+"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("2.5E-1x"), 0.25);
    EXPECT_EQ(LeadingDouble(""), 0.0);
    EXPECT_EQ(LeadingDouble("OFF"), 0.0);
    EXPECT_EQ(LeadingDouble("."), 0.0);
    EXPECT_EQ(LeadingDouble("-"), 0.0);
    EXPECT_EQ(LeadingDouble("D023N"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingDouble("1e999")));
    // Without a number there is nothing, which a typed 0 is not.
    for (const char* none : {"", "OFF", ".", "-", " e5"}) {
        EXPECT_EQ(LeadingNumber(none), std::nullopt) << none;
    }
    EXPECT_EQ(LeadingNumber(" 0MHz"), 0.0);
    EXPECT_EQ(LeadingNumber("-.5x"), -0.5);
}

TEST(NumberText, LeadingLongReadsLikeAtol) {
    EXPECT_EQ(LeadingLong("023N"), 23);
    EXPECT_EQ(LeadingLong("  -12x"), -12);
    EXPECT_EQ(LeadingLong("N"), 0);
    EXPECT_EQ(LeadingLong(""), 0);
    EXPECT_EQ(LeadingLong("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingLong("-99999999999999999999"), -2147483647 - 1);
}

TEST(NumberText, FixedTextPrintsLikePrintf) {
    EXPECT_EQ(FixedText(145.0125, 5, 3), "145.01250");
    EXPECT_EQ(FixedText(0.0, 5, 8), " 0.00000");
    EXPECT_EQ(FixedText(67.0, 1, 3), "67.0");
    EXPECT_EQ(FixedText(145.012549, 5), "145.01255");
}

TEST(NumberText, IndependentOfTheProcessLocale) {
    const char* locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const char* changed = nullptr;
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            changed = name;
            break;
        }
    }
    if (changed == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_DOUBLE_EQ(LeadingDouble("145.0125"), 145.0125);
    EXPECT_EQ(FixedText(145.0125, 5), "145.01250");
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace tevano
