// The words of the channel grid in both display languages: column numbers, headers, the words
// that decode writes and encode reads, the cell lists' entries and the form lists' entries.
#pragma once

#include "base/Language.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tevano {

// Columns of the channel grid; row r (1 to 128) is channel r.
enum GridColumn : int {
    kColChannel = 0,
    kColRxFrequency = 1,
    kColTxFrequency = 2,
    kColRxTone = 3,
    kColTxTone = 4,
    kColBandwidth = 5,
    kColScan = 6,
    kColTxPower = 7,
    kColOptSignal = 8,
    kColPttId = 9,
    kColBusyLock = 10,
    kColRepeatInvert = 11,
    kColName = 12,
    kGridColumns = 13,
};

constexpr int kGridRows = 129;

// A channel name has at most six characters: the name edit takes no more, and a channel list's
// longer names are refused or cut.
constexpr std::size_t kChannelNameLength = 6;

// One word of the grid in its English and Chinese form.
struct Word : TextPair {
    std::string In(Language language) const { return tevano::In(language, *this); }
    // Encode accepts both languages' words, exactly and case-sensitively.
    bool Matches(std::string_view text) const { return text == english || text == chinese; }
};

namespace words {
inline constexpr Word kWide{"Wide", "宽"};
inline constexpr Word kNarrow{"Narrow", "窄"};
inline constexpr Word kYes{"Yes", "是"};
inline constexpr Word kNo{"No", "否"};
inline constexpr Word kHigh{"High", "高"};
inline constexpr Word kLow{"Low", "低"};
inline constexpr Word kNone{"None", "无"};
inline constexpr Word kMsk{"MSK", "MSK"};
inline constexpr Word kDtmf{"DTMF", "DTMF"};
inline constexpr Word kCcir{"CCIR", "CCIR"};
inline constexpr Word kOn{"ON", "开"};
inline constexpr Word kOff{"OFF", "关"};
inline constexpr Word kClose{"Close", "关闭"};
inline constexpr Word kCarrier{"Carrier", "载波"};
inline constexpr Word kQtDqt{"QT/DQT", "QT/DQT"};
inline constexpr Word kForward{"Forward", "正向"};
inline constexpr Word kReverse{"Reverse", "反向"};
inline constexpr std::string_view kToneOff = "OFF"; // the same in both languages
inline constexpr Word kChannelTable{"Channels", "频道"}; // the grid's name for a screen reader
// A cell's editor as a screen reader names it: "Channel 5, Rx Frequency".
inline constexpr Word kCellEditor{"Channel <channel>, <column>", "频道 <channel>，<column>"};
} // namespace words

// Row 0 as the view's first set-up writes it.
std::string FirstSetupHeader(int column, Language language);

// Entries of a column's cell list (columns 5 to 11), in list order; empty for other columns.
std::vector<std::string> OverlayListEntries(int column, Language language);

// Entries of the channel form's three lists, in list order.
std::vector<std::string> TypeListEntries();
std::vector<std::string> FieldListEntries();
std::vector<std::string> ManualListEntries(Language language);

} // namespace tevano
