#include "image/ToneTable.h"

#include "base/NumberText.h"
#include "base/TextCase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tevano {

namespace {

constexpr std::array<const char*, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr std::array<const char*, 105> kDcs = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "D", one to three digits and a polarity letter, spelt with three digits and capitals.
std::string DcsSpelling(std::string_view text) {
    if (text.size() < 3 || text.size() > 5 || AsciiLower(text.front()) != 'd') {
        return {};
    }
    const char polarity = AsciiLower(text.back());
    const std::string_view digits = text.substr(1, text.size() - 2);
    if ((polarity != 'n' && polarity != 'i') || !AllDigits(digits)) {
        return {};
    }
    return "D" + std::string(3 - digits.size(), '0') + std::string(digits) +
           (polarity == 'n' ? "N" : "I");
}

// A plain decimal number that is a whole count of tenths of a hertz, printed as the table
// prints CTCSS tones; "" for any other text (88.55 names no tone).
std::string CtcssSpelling(std::string_view text) {
    const std::optional<std::string> number = PlainDecimalText(text);
    if (!number) {
        return {};
    }
    const double tenths = LeadingDouble(*number) * 10;
    if (tenths >= 100000 || std::fabs(tenths - std::round(tenths)) > 1e-6) {
        return {};
    }
    return FixedText(std::round(tenths) / 10, 1);
}

} // namespace

int ToneTable::Find(std::string_view typed) const {
    const std::string_view text = Trimmed(typed);
    if (text.empty()) {
        return -1;
    }
    for (const std::string& spelling :
         {std::string(text), DcsSpelling(text), CtcssSpelling(text)}) {
        const auto it = std::find_if(names_.begin(), names_.end(), [&](const std::string& name) {
            return !spelling.empty() && EqualsNoCase(name, spelling);
        });
        if (it != names_.end()) {
            return static_cast<int>(it - names_.begin());
        }
    }
    return -1;
}

std::string ToneSpelling(std::string_view typed) {
    static const ToneTable table;
    const int index = table.Find(typed);
    return index < 0 ? std::string() : table.Name(index);
}

ToneTable::ToneTable() {
    names_.reserve(kCount);
    names_.emplace_back("OFF");
    for (const char* tone : kCtcss) {
        names_.emplace_back(tone);
    }
    for (const char* code : kDcs) {
        names_.push_back(std::string("D") + code + "N");
    }
    for (const char* code : kDcs) {
        names_.push_back(std::string("D") + code + "I");
    }
}

} // namespace tevano
