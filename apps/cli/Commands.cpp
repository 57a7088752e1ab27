#include "CliCommands.h"

#include <algorithm>
#include <cstring>

namespace tevano::cli {

namespace {

const Option kChinese = {"--chinese", nullptr, "Chinese texts and messages instead of English"};
const Option kRetries = {"--retries", "N",
                         "answer a communication error's question Retry N times (default 0), "
                         "then Cancel"};
const Option kForce = {"--force", nullptr,
                       "answer the radio-type question OK (without it: Cancel)"};

constexpr const char* kPortDetails =
    "PORT is COM1 to COM4, through [PORTS] of the program's MAIN.ini (without an entry\n"
    "/dev/ttyUSB0 to /dev/ttyUSB3), or a device path. The program's messages go to stderr.";

std::string OptionSyntax(const Option& option) {
    return option.value == nullptr ? option.name : std::string(option.name) + " " + option.value;
}

} // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"show",
         "FILE",
         "print a channel data file's form lists and 129 grid rows",
         {{"--tsv", nullptr,
           "only the grid: a line per row, the 13 cells separated by tabs, row 0 the headers"},
          kChinese},
         ShowCommand},
        {"resave",
         "IN OUT",
         "open IN and save it to OUT as File Save does",
         {kChinese},
         ResaveCommand},
        {"new",
         "FILE",
         "save a new document",
         {{"--demo", nullptr, "with a few sample channels"}, kChinese},
         NewCommand},
        {"report",
         "FILE",
         "FILE's five-page settings report as an A4 PDF",
         {{"-o", "OUT.pdf", "the PDF file to write", true}, kChinese},
         ReportCommand},
        {"read",
         "PORT FILE",
         "read the radio into FILE",
         {kForce, kRetries, kChinese},
         ReadCommand,
         "FILE is written only when every block has arrived; on failure it is neither created\n"
         "nor changed. Every completed read is also kept in ~/.local/share/tevano/backups.\n"
         "A progress bar counts the blocks when stderr is a terminal."},
        {"write",
         "PORT [PORT...] FILE",
         "write FILE to the radio, or to several at once, one exchange per port",
         {{"--verify", nullptr, "read each radio back and list what differs from FILE"},
          kForce,
          kRetries,
          kChinese},
         WriteCommand,
         "FILE's bytes are sent as they stand. Exit status 0 only when all succeeded."},
        {"diff",
         "A B",
         "what differs between two images, in the window's words",
         {{"--tsv", nullptr, "a header line, then \"where<TAB>A<TAB>B\" per difference"},
          kForce,
          kRetries,
          kChinese},
         DiffCommand,
         "A and B are .sin files or ports; a port's radio is read first, and nothing is written\n"
         "anywhere. One line per channel field and setting that differs (\"Channel 5, Rx\n"
         "Frequency: 145.50000 / 146.52000\"), then one naming the bytes no field shows.\n"
         "Exit status 0 when A and B hold the same, 1 when they differ, 2 on trouble."},
        {"calibrate",
         "PORT",
         "send one Test Mode calibration, the exchange of the Test Mode's Start",
         {{"--item", "ITEM", "tx-frequency, low-power-voltage, squelch-level or tx-power", true},
          {"--value", "N", "the slider's value, 0 to 255", true},
          {"--rx", "TEXT", "the receive test frequency in MHz (\".\" or \",\" its decimal mark)",
           true},
          {"--tx", "TEXT", "the transmit test frequency in MHz, read as --rx", true},
          {"--rx-tone", "TEXT", "the receive tone (default OFF)"},
          {"--tx-tone", "TEXT", "the transmit tone (default OFF)"},
          kRetries,
          kChinese},
         CalibrateCommand,
         "Exit status 0 when the radio confirmed the value."},
        {"ports",
         "",
         "the programming cables plugged in, and what keeps one from working",
         {{"--root", "DIR", "read sys, dev, proc and the udev rules under DIR instead of /"},
          kChinese},
         PortsCommand,
         "For each serial port of a USB cable: its by-id name, chip, driver, port name, whether\n"
         "you may open it, who holds it open, and an FTDI chip's latency timer; then every cable\n"
         "chip without a port and why. Each problem ends with what to do.\n"
         "Exit status 0 when at least one cable can be used, 1 otherwise."},
        {"export-csv",
         "FILE.sin [OUT.csv]",
         "FILE's used channels as a CSV channel list",
         {kChinese},
         ExportCsvCommand,
         "Without OUT.csv, or with -, the list goes to standard output."},
        {"import-csv",
         "IN.csv FILE.sin",
         "put a CSV channel list's channels into FILE (a new one when it does not exist)",
         {{"--skip-bad", nullptr, "import the accepted rows and list the skipped ones on stderr"},
          {"--cut-names", nullptr, "cut names longer than 6 characters to 6"},
          {"--first-location", "N",
           "place the rows at channel N, N+1, ... in file order, whatever Location says"},
          kChinese},
         ImportCsvCommand,
         "Without --skip-bad, all rows or none: a list with a refused row leaves FILE alone and\n"
         "lists every refused row on stderr. With it, exit status 0 only when at least one row\n"
         "was imported. Channels outside the band of the \"Field\" list are imported with a\n"
         "warning line. IN.csv - reads the list from standard input."},
    };
    return commands;
}

std::string UsageLine(const Command& command) {
    std::string line = command.name;
    if (command.arguments[0] != '\0') {
        line += " " + std::string(command.arguments);
    }
    for (const Option& option : command.options) {
        line += option.required ? " " + OptionSyntax(option) : " [" + OptionSyntax(option) + "]";
    }
    return line;
}

std::string CommandHelp(const Command& command) {
    std::string text = "usage: tevano-cli " + UsageLine(command) + "\n\n" + command.summary + "\n";
    if (command.details != nullptr) {
        text += "\n" + std::string(command.details) + "\n";
    }
    std::vector<std::pair<std::string, std::string>> lines;
    for (const Option& option : command.options) {
        lines.emplace_back(OptionSyntax(option), option.help);
    }
    lines.emplace_back("-h, --help", "show this help");
    std::size_t width = 0;
    for (const auto& [syntax, help] : lines) {
        width = std::max(width, syntax.size());
    }
    text += "\noptions:\n";
    for (const auto& [syntax, help] : lines) {
        text += "  " + syntax + std::string(width - syntax.size() + 3, ' ') + help + "\n";
    }
    return text;
}

} // namespace tevano::cli
