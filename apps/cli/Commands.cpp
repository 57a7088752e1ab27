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
        {"write", "write PORT FILE [--force] [--retries N] [--chinese]", "write FILE to the radio",
         WriteCommand},
        {"calibrate",
         "calibrate PORT --item ITEM --value N --rx TEXT --tx TEXT [--rx-tone TEXT] [--tx-tone "
         "TEXT] [--retries N] [--chinese]",
         "send one Test Mode calibration (ITEM: tx-frequency, low-power-voltage, squelch-level, "
         "tx-power)",
         CalibrateCommand},
    };
    return commands;
}

} // namespace tevano::cli
