#include "CliCommands.h"

namespace tevano::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"show", "show FILE [--chinese] [--tsv]",
         "print a channel data file's form lists and 129 grid rows (--tsv: the grid only)",
         ShowCommand},
        {"resave", "resave IN OUT [--chinese]", "open IN and save it to OUT as File Save does",
         ResaveCommand},
        {"new", "new FILE [--demo] [--chinese]",
         "save a new document (--demo: with a few sample channels)", NewCommand},
        {"report", "report FILE -o OUT.pdf [--chinese]", "FILE's report as a PDF", ReportCommand},
        {"read", "read PORT FILE [--force] [--retries N] [--chinese]", "read the radio into FILE",
         ReadCommand},
        {"write", "write PORT [PORT...] FILE [--verify] [--force] [--retries N] [--chinese]",
         "write FILE to the radio, or to several at once (--verify: read back and compare)",
         WriteCommand},
        {"calibrate",
         "calibrate PORT --item ITEM --value N --rx TEXT --tx TEXT [--rx-tone TEXT] [--tx-tone "
         "TEXT] [--retries N] [--chinese]",
         "send one Test Mode calibration (ITEM: tx-frequency, low-power-voltage, squelch-level, "
         "tx-power)",
         CalibrateCommand},
        {"export-csv", "export-csv FILE.sin [OUT.csv] [--chinese]",
         "FILE's used channels as a CSV channel list (stdout without OUT)", ExportCsvCommand},
        {"import-csv",
         "import-csv IN.csv FILE.sin [--skip-bad] [--cut-names] [--first-location N] [--chinese]",
         "put a CSV channel list's channels into FILE (a new one when it does not exist); all rows "
         "or none, or the good ones with --skip-bad; --cut-names cuts names to 6 characters; "
         "--first-location N places the rows from channel N in file order",
         ImportCsvCommand},
    };
    return commands;
}

} // namespace tevano::cli
