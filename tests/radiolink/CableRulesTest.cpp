// The package's udev rules for the cables: every chip the cable check knows has its rule, each
// rule matches the tty of that chip alone, and sets exactly the desk user's access and
// ModemManager's hands-off, nothing else.

#include "radiolink/CableScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace tevano {
namespace {

// "KEY==\"value\"" pieces of one rule line, split at the commas between them.
std::vector<std::string> Pieces(const std::string& line) {
    std::vector<std::string> pieces;
    std::stringstream stream(line);
    for (std::string piece; std::getline(stream, piece, ',');) {
        const std::size_t start = piece.find_first_not_of(' ');
        pieces.push_back(start == std::string::npos ? "" : piece.substr(start));
    }
    return pieces;
}

TEST(CableRulesTest, EveryCableChipGetsDeskAccessAndModemManagersHandsOff) {
    const std::string rules = testing::ReadText(TEVANO_CABLE_RULES);
    ASSERT_FALSE(rules.empty());
    std::set<std::pair<std::string, std::string>> chips;
    std::stringstream stream(rules);
    for (std::string line; std::getline(stream, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::map<std::string, std::string> keys;
        for (const std::string& piece : Pieces(line)) {
            const std::size_t quote = piece.find('"');
            ASSERT_NE(quote, std::string::npos) << piece;
            ASSERT_EQ(piece.back(), '"') << piece;
            const bool added = keys.emplace(piece.substr(0, quote),
                                            piece.substr(quote + 1, piece.size() - quote - 2))
                                   .second;
            EXPECT_TRUE(added) << "twice in one rule: " << piece;
        }
        const std::map<std::string, std::string> expected = {
            {"SUBSYSTEM==", "tty"},
            {"ATTRS{idVendor}==", keys["ATTRS{idVendor}=="]},
            {"ATTRS{idProduct}==", keys["ATTRS{idProduct}=="]},
            {"TAG+=", "uaccess"},
            {"ENV{ID_MM_DEVICE_IGNORE}=", "1"},
        };
        EXPECT_EQ(keys, expected) << line;
        const std::string vendor = keys["ATTRS{idVendor}=="];
        const std::string product = keys["ATTRS{idProduct}=="];
        EXPECT_NE(CableChipName(vendor, product), nullptr) << "not a cable chip: " << line;
        EXPECT_TRUE(chips.emplace(vendor, product).second) << "twice: " << line;
    }
    for (const auto& chip : CableChipIds()) {
        EXPECT_EQ(chips.count(chip), 1u) << "no rule for " << chip.first << ":" << chip.second;
    }
}

} // namespace
} // namespace tevano
