// The program's printer for the settings report: the printer, paper and page range chosen in
// Print Setup and in the print dialog stay for the rest of the run, for Print, Print Preview and
// the command line's print switch alike.
#pragma once

class QPrinter;

namespace tevano {

// Made on first use (a Qt application must exist) and released when the application ends. The
// system's default printer, at the printer's own resolution; a PDF printer without an output
// file when the system has no printer.
QPrinter& ApplicationPrinter();

} // namespace tevano
