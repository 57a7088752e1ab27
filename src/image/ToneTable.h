// The 261 tone names a channel can take, in the order of the grid's tone list: "OFF", 50 CTCSS
// tones, the 105 DCS codes with "N" and the same 105 with "I". Built once, never changed.
#pragma once

#include <string>
#include <string_view>
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

    // The entry a typed tone stands for, as people type tones: its name apart from case ("off",
    // "d023n"), a CTCSS tone by its value ("100", "100.00" and "100,0" are "100.0"), a DCS code
    // with fewer digits ("D23N" is "D023N"). Blanks around the text are ignored. -1 when the
    // text names no entry.
    int Find(std::string_view typed) const;

private:
    std::vector<std::string> names_;
};

// The table's spelling of the tone a typed text stands for (ToneTable::Find); "" when it names
// none. The grid's tone cells and the channel lists' tone columns both take tones this way.
std::string ToneSpelling(std::string_view typed);

} // namespace tevano
