#include "grid/csv/CsvTexts.h"

#include "base/FillText.h"
#include "base/PrintableText.h"
#include "grid/ChannelWords.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

namespace tevano {

namespace {

// A value as the message quotes it: at most 40 bytes, never cut inside a UTF-8 character.
std::string Quoted(const std::string& value) {
    constexpr std::size_t kLongest = 40;
    if (value.size() <= kLongest) {
        return "\"" + PrintableText(value) + "\"";
    }
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "\"" + PrintableText(value.substr(0, cut)) + "...\"";
}

std::string ChannelNumbers(const std::vector<int>& channels) {
    std::string numbers;
    for (const int channel : channels) {
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(channel);
    }
    return numbers;
}

const char* const kHeaderExample = "\"Location,Name,Frequency,...\"";

// In the order of CsvTextId. "{name}" stands for a value the text is filled with.
constexpr std::array<TextPair, static_cast<std::size_t>(CsvTextId::Count)> kTexts = {{
    {"These rows of the channel list \"{path}\" were skipped, the others imported:",
     "频道列表 \"{path}\" 中的以下各行已跳过，其余各行已导入："},
    {"Not every row of the channel list \"{path}\" can be imported as it is:",
     "频道列表 \"{path}\" 中并非每一行都能按原样导入："},
    {"Line {line}: Name {name} is longer than a channel name's 6 characters and becomes "
     "\"{cut}\"",
     "第 {line} 行：Name {name} 超过频道名称的 6 个字符，将改为 \"{cut}\""},
    {"... and {count} more rows.", "……另有 {count} 行。"},
    {"Import the accepted row and skip the refused one?",
     "是否导入可导入的 1 行并跳过被拒绝的 1 行？"},
    {"Import the accepted row and skip the {refused} refused ones?",
     "是否导入可导入的 1 行并跳过被拒绝的 {refused} 行？"},
    {"Import the {accepted} accepted rows and skip the refused one?",
     "是否导入可导入的 {accepted} 行并跳过被拒绝的 1 行？"},
    {"Import the {accepted} accepted rows and skip the {refused} refused ones?",
     "是否导入可导入的 {accepted} 行并跳过被拒绝的 {refused} 行？"},
    {"Import every row with these names cut to 6 characters?",
     "是否导入全部各行，并将这些名称截为 6 个字符？"},
    {"channel {channel}'s receive frequency {rx} MHz is outside the \"Field\" band {band}",
     "频道 {channel} 的接收频率 {rx} MHz 超出频段 {band}"},
    {"channel {channel}'s transmit frequency {tx} MHz is outside the \"Field\" band {band}",
     "频道 {channel} 的发射频率 {tx} MHz 超出频段 {band}"},
    {"channel {channel}'s receive frequency {rx} MHz and transmit frequency {tx} MHz are outside "
     "the \"Field\" band {band}",
     "频道 {channel} 的接收频率 {rx} MHz 和发射频率 {tx} MHz 超出频段 {band}"},
    {"warning: line {line}: {text}", "警告：第 {line} 行：{text}"},
    {"The channels were imported. These lie outside the band chosen in the \"Field\" list; "
     "pick the radio's band there, or check these rows:",
     "频道已导入。以下频道超出\"频段\"列表所选的频段；请在该列表中选择电台的频段，或检查这些行："},
    {"Line {line}: {text}", "第 {line} 行：{text}"},
    {"Place channels from channel %1 in file order", "从频道 %1 起按文件顺序放置频道"},
    {"; ", "；"},
    {"The channel list \"{path}\" was not imported, and nothing was changed. Correct these rows "
     "and import it again:",
     "频道列表 \"{path}\" 未导入，数据未作任何改动。请改正以下各行后重新导入："},
    {"... and {count} more refused rows.", "……另有 {count} 行被拒绝。"},
    {"Channel {channels} has a transmit frequency but no receive frequency and was left out: a "
     "channel list gives every channel by its receive frequency. Give it a receive frequency to "
     "export it.",
     "频道 {channels} 只有发射频率而没有接收频率。频道列表按接收频率记录频道，因此未导出这些频道。"
     "请为其填写接收频率后再导出。"},
    {"Channels {channels} have a transmit frequency but no receive frequency and were left out: a "
     "channel list gives every channel by its receive frequency. Give them a receive frequency to "
     "export them.",
     "频道 {channels} 只有发射频率而没有接收频率。频道列表按接收频率记录频道，因此未导出这些频道。"
     "请为其填写接收频率后再导出。"},
    {"Imported {count} channel from \"{path}\".", "已从 \"{path}\" 导入 {count} 个频道。"},
    {"Imported {count} channels from \"{path}\".", "已从 \"{path}\" 导入 {count} 个频道。"},
    {"Exported {count} channel to \"{path}\".", "已导出 {count} 个频道到 \"{path}\"。"},
    {"Exported {count} channels to \"{path}\".", "已导出 {count} 个频道到 \"{path}\"。"},
    {"CSV channel list (*.csv);;All Files (*)", "CSV 频道列表 (*.csv);;所有文件 (*)"},
    {"These channels lie outside the band now chosen in the \"Field\" list; the radio may not use "
     "them:",
     "以下频道超出\"频段\"列表现在所选的频段，对讲机可能无法使用："},
    {"Note: {text}; the radio may not use it.", "注意：{text}，对讲机可能无法使用。"},
}};
static_assert(Complete(kTexts));

// In the order of CsvProblem: {quoted} is the file's value quoted, {value} the same unquoted,
// {column} the column's name and {number} the reason's number.
constexpr std::array<TextPair, static_cast<std::size_t>(CsvProblem::TooManyFields) + 1> kReasons = {
    {
        {"Location {quoted} is not a channel number from 1 to 128",
         "Location {quoted} 不是 1 至 128 的频道号"},
        {"channel {value} is already given on line {number}",
         "频道 {value} 已在第 {number} 行给出"},
        {"placed in file order from channel {number}, this row would go to channel {value}, past "
         "the last channel 128",
         "从频道 {number} 起按文件顺序放置，此行将排到频道 {value}，超出最后的频道 128"},
        {"there is no receive frequency (Frequency is empty)", "没有接收频率（Frequency 为空）"},
        {"{column} {quoted} is not a number", "{column} {quoted} 不是数字"},
        {"the receive frequency {value} MHz is outside 67-521 MHz",
         "接收频率 {value} MHz 超出 67-521 MHz 的范围"},
        {"the receive frequency {value} MHz is not a multiple of 6.25, 5 or 2.5 kHz",
         "接收频率 {value} MHz 不是 6.25K/5K/2.5K 的倍数"},
        {"the transmit frequency {value} MHz is outside 67-521 MHz",
         "发射频率 {value} MHz 超出 67-521 MHz 的范围"},
        {"the transmit frequency {value} MHz is not a multiple of 6.25, 5 or 2.5 kHz",
         "发射频率 {value} MHz 不是 6.25K/5K/2.5K 的倍数"},
        {"Duplex {quoted} is none of \"\", \"+\", \"-\", \"split\", \"off\"",
         "Duplex {quoted} 不是 \"\"、\"+\"、\"-\"、\"split\"、\"off\" 之一"},
        {"Tone {quoted} is none of \"\", \"Tone\", \"TSQL\", \"DTCS\", \"Cross\"",
         "Tone {quoted} 不是 \"\"、\"Tone\"、\"TSQL\"、\"DTCS\"、\"Cross\" 之一"},
        {"CrossMode {quoted} is none of Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, ->Tone, "
         "->DTCS, DTCS->",
         "CrossMode {quoted} 不是 Tone->Tone、Tone->DTCS、DTCS->Tone、DTCS->DTCS、->Tone、->DTCS、"
         "DTCS-> 之一"},
        {"{column} {quoted} is not a CTCSS tone of the radio",
         "{column} {quoted} 不是本机的 CTCSS 亚音频"},
        {"{column} {quoted} is not a DCS code of the radio",
         "{column} {quoted} 不是本机的 DCS 数字亚音码"},
        {"DtcsPolarity {quoted} is not two letters N or R",
         "DtcsPolarity {quoted} 应为两个字母 N 或 R"},
        {"Mode {quoted}: the radio has FM (wide) and NFM (narrow) only",
         "Mode {quoted}：本机只有 FM（宽带）和 NFM（窄带）"},
        {"Skip {quoted} is none of \"\", \"S\", \"P\"",
         "Skip {quoted} 不是 \"\"、\"S\"、\"P\" 之一"},
        {"Power {quoted} is not a power in watts (5.0W high, 1.0W low)",
         "Power {quoted} 不是以瓦为单位的功率（5.0W 为高，1.0W 为低）"},
        {"Name {quoted} holds characters the radio cannot show (it shows A-Z, 0-9, \"-\" and "
         "blanks)",
         "Name {quoted} 含有本机无法显示的字符（只能使用 A-Z、0-9、\"-\" 和空格）"},
        {"Name {quoted} is longer than a channel name's 6 characters",
         "Name {quoted} 超过频道名称的 6 个字符"},
        {"a quoted field is not closed before the end of the file",
         "引号括起的字段直到文件末尾都未结束"},
        {"the row has {value} fields and the header line only {number}: a field holds an unquoted "
         "separator (a decimal comma?)",
         "此行有 {value} 个字段，而标题行只有 {number} "
         "个：某个字段中含有未加引号的分隔符（小数逗号？）"},
    }};

// In the order of CsvListProblem, from NoHeader: {file} is the list's path, {column} the
// missing column, {header} the header line's beginning, {line} and {byte} where the text breaks.
constexpr std::array<TextPair, 6> kListProblems = {{
    {"\"{file}\" is empty. A channel list begins with the header line {header}.",
     "\"{file}\" 是空文件。频道列表应以标题行 {header} 开头。"},
    {"\"{file}\" is not a channel list: its first line has no \"{column}\" column. A channel list "
     "begins with the header line {header}.",
     "\"{file}\" 不是频道列表：其第一行中没有 \"{column}\" 列。频道列表应以标题行 {header} 开头。"},
    {"\"{file}\" holds no channels: it has the header line and no rows.",
     "\"{file}\" 中没有频道：只有标题行，没有数据行。"},
    {"\"{file}\" is not a channel list: it is far larger than a list of 128 channels can be.",
     "\"{file}\" 不是频道列表：它远大于 128 个频道的列表。"},
    {"\"{file}\" is not a channel list in UTF-8: line {line} holds the byte {byte}, which no "
     "UTF-8 text has (a list saved in another encoding, or no list at all). Save the list as "
     "UTF-8, or as Unicode text, and import it again.",
     "\"{file}\" 不是 UTF-8 编码的频道列表：第 {line} 行含有字节 {byte}，UTF-8 文本中不会有它"
     "（以其他编码保存的列表，或根本不是列表）。请将列表另存为 UTF-8 或 Unicode 文本后重新导入。"},
    {"\"{file}\" is Unicode text (UTF-16) by its first bytes, but line {line} holds half a "
     "character: the file is cut or damaged. Save it again from the spreadsheet and import it "
     "again.",
     "\"{file}\" 按其开头字节为 Unicode 文本（UTF-16），但第 {line} "
     "行含有半个字符：文件被截断或已损坏。"
     "请从电子表格重新保存后再导入。"},
}};

// The pair with each "{name}" replaced by its value, in one pass, so that a value that itself
// holds braces (a file name) is never read as a name.
std::string Filled(const TextPair& pair, Language language, TextParts values) {
    return FillText(In(language, pair), values, '{', '}');
}

std::string Filled(CsvTextId id, Language language, TextParts values) {
    return Filled(kTexts[static_cast<std::size_t>(id)], language, values);
}

// The headline, then at most `mostRows` lines, then a line counting the ones left out.
std::string Listed(std::string headline, const std::vector<std::string>& lines,
                   std::size_t mostRows, CsvTextId more, Language language) {
    const std::size_t shown = std::min(mostRows, lines.size());
    for (std::size_t i = 0; i < shown; ++i) {
        headline += "\n" + lines[i];
    }
    if (shown < lines.size()) {
        headline +=
            "\n" + Filled(more, language, {{"{count}", std::to_string(lines.size() - shown)}});
    }
    return headline;
}

} // namespace

std::string CsvText(CsvTextId id, Language language) {
    return Filled(id, language, {});
}

std::string CsvReasonText(const CsvReason& reason, Language language) {
    // The file's text, where it is shown unquoted, with its control bytes escaped.
    return Filled(kReasons[static_cast<std::size_t>(reason.problem)], language,
                  {{"{quoted}", Quoted(reason.value)},
                   {"{value}", PrintableText(reason.value)},
                   {"{column}", reason.column},
                   {"{number}", std::to_string(reason.number)}});
}

std::string CsvRefusalLine(const CsvRefusal& refusal, Language language) {
    std::string reasons;
    for (std::size_t i = 0; i < refusal.reasons.size(); ++i) {
        if (i > 0) {
            reasons += CsvText(CsvTextId::ReasonSeparator, language);
        }
        reasons += CsvReasonText(refusal.reasons[i], language);
    }
    return Filled(CsvTextId::LineText, language,
                  {{"{line}", std::to_string(refusal.line)}, {"{text}", reasons}});
}

std::string CsvRefusedHeadline(const std::string& path, Language language) {
    return Filled(CsvTextId::RefusedHeadline, language, {{"{path}", PrintableText(path)}});
}

std::string CsvListProblemText(CsvListProblem problem, const std::string& missingColumn,
                               const std::string& path, Language language) {
    CsvImport import;
    import.listProblem = problem;
    import.missingColumn = missingColumn;
    return CsvListProblemText(import, path, language);
}

std::string CsvListProblemText(const CsvImport& import, const std::string& path,
                               Language language) {
    if (import.listProblem == CsvListProblem::None) {
        return std::string();
    }
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", import.problemByte);
    return Filled(kListProblems[static_cast<std::size_t>(import.listProblem) - 1], language,
                  {{"{file}", PrintableText(path)},
                   {"{column}", import.missingColumn},
                   {"{header}", kHeaderExample},
                   {"{line}", std::to_string(import.problemLine)},
                   {"{byte}", byte}});
}

std::string CsvImportFailureText(const CsvImport& import, const std::string& path,
                                 Language language, std::size_t mostRows) {
    if (import.listProblem != CsvListProblem::None) {
        return CsvListProblemText(import, path, language);
    }
    if (import.refusals.empty()) {
        return std::string();
    }
    std::vector<std::string> lines;
    for (const CsvRefusal& refusal : import.refusals) {
        lines.push_back(CsvRefusalLine(refusal, language));
    }
    return Listed(CsvRefusedHeadline(path, language), lines, mostRows, CsvTextId::MoreRefusedRows,
                  language);
}

std::string CsvSkippedHeadline(const std::string& path, Language language) {
    return Filled(CsvTextId::SkippedHeadline, language, {{"{path}", PrintableText(path)}});
}

std::string CsvPartialImportQuestion(const CsvImport& import, const std::string& path,
                                     Language language, std::size_t mostRows) {
    std::vector<std::pair<int, std::string>> lines;
    for (const CsvRefusal& refusal : import.refusals) {
        lines.emplace_back(refusal.line, CsvRefusalLine(refusal, language));
    }
    for (const ImportedChannel& channel : import.channels) {
        if (!channel.fullName.empty()) {
            lines.emplace_back(channel.line, Filled(CsvTextId::NameCut, language,
                                                    {{"{line}", std::to_string(channel.line)},
                                                     {"{name}", Quoted(channel.fullName)},
                                                     {"{cut}", channel.cells[kColName]}}));
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (const auto& line : lines) {
        texts.push_back(line.second);
    }
    const std::string text =
        Listed(Filled(CsvTextId::PartialHeadline, language, {{"{path}", PrintableText(path)}}),
               texts, mostRows, CsvTextId::MoreRows, language);
    const std::size_t accepted = import.channels.size();
    const std::size_t refused = import.refusals.size();
    CsvTextId question = CsvTextId::ImportWithCutNames;
    if (refused > 0) {
        question =
            accepted == 1
                ? (refused == 1 ? CsvTextId::ImportOneSkipOne : CsvTextId::ImportOneSkipMany)
                : (refused == 1 ? CsvTextId::ImportManySkipOne : CsvTextId::ImportManySkipMany);
    }
    return text + "\n\n" +
           Filled(
               question, language,
               {{"{accepted}", std::to_string(accepted)}, {"{refused}", std::to_string(refused)}});
}

std::string CsvBandWarningText(const CsvBandWarning& warning, const std::string& band,
                               Language language) {
    const CsvTextId id = warning.tx.empty()   ? CsvTextId::BandRx
                         : warning.rx.empty() ? CsvTextId::BandTx
                                              : CsvTextId::BandRxTx;
    return Filled(id, language,
                  {{"{channel}", std::to_string(warning.channel)},
                   {"{rx}", warning.rx},
                   {"{tx}", warning.tx},
                   {"{band}", band}});
}

std::string CsvBandWarningLine(const CsvBandWarning& warning, const std::string& band,
                               Language language) {
    return Filled(CsvTextId::BandWarningLine, language,
                  {{"{line}", std::to_string(warning.line)},
                   {"{text}", CsvBandWarningText(warning, band, language)}});
}

std::string CsvBandWarningsMessage(const CsvBandCheck& check, Language language,
                                   std::size_t mostRows) {
    if (check.warnings.empty()) {
        return std::string();
    }
    std::vector<std::string> lines;
    for (const CsvBandWarning& warning : check.warnings) {
        lines.push_back(Filled(CsvTextId::LineText, language,
                               {{"{line}", std::to_string(warning.line)},
                                {"{text}", CsvBandWarningText(warning, check.band, language)}}));
    }
    return Listed(CsvText(CsvTextId::BandHeadline, language), lines, mostRows, CsvTextId::MoreRows,
                  language);
}

std::string FieldBandChangedMessage(const CsvBandCheck& check, Language language,
                                    std::size_t mostRows) {
    if (check.warnings.empty()) {
        return std::string();
    }
    std::vector<std::string> lines;
    for (const CsvBandWarning& warning : check.warnings) {
        lines.push_back(CsvBandWarningText(warning, check.band, language));
    }
    return Listed(CsvText(CsvTextId::FieldChangedHeadline, language), lines, mostRows,
                  CsvTextId::MoreRows, language);
}

std::string CsvLeftOutText(const std::vector<int>& channels, Language language) {
    if (channels.empty()) {
        return std::string();
    }
    return Filled(channels.size() == 1 ? CsvTextId::LeftOutOne : CsvTextId::LeftOutMany, language,
                  {{"{channels}", ChannelNumbers(channels)}});
}

std::string CsvImportedText(int channels, const std::string& listPath, Language language) {
    return Filled(channels == 1 ? CsvTextId::ImportedOne : CsvTextId::ImportedMany, language,
                  {{"{count}", std::to_string(channels)}, {"{path}", PrintableText(listPath)}});
}

std::string CsvExportedText(int channels, const std::string& listPath, Language language) {
    return Filled(channels == 1 ? CsvTextId::ExportedOne : CsvTextId::ExportedMany, language,
                  {{"{count}", std::to_string(channels)}, {"{path}", PrintableText(listPath)}});
}

std::string CsvFileFilter(Language language) {
    return CsvText(CsvTextId::FileFilter, language);
}

} // namespace tevano
