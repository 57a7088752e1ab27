// The 261 tone names a channel can take, in the order of the grid's tone list: "OFF", 50 CTCSS
// tones, the 105 DCS codes with "N" and the same 105 with "I". Built once, never changed.
#pragma once

#include <string>
#include <vector>

namespace tevano {

class ToneTable {
public:
    static constexpr int kCount = 261;
    static constexpr int kFirstCtcss = 1;
    static constexpr int kCtcssCount = 50;
    static constexpr int kFirstDcsNormal = 51;
    static constexpr int kFirstDcsInverted = 156;
    static constexpr int kDcsCount = 105;

    ToneTable();

    const std::string& Name(int index) const { return names_[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& Names() const { return names_; }
    int Count() const { return static_cast<int>(names_.size()); }

private:
    std::vector<std::string> names_;
};

} // namespace tevano
