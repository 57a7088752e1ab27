// File menu's "Import Channels (CSV)..." and "Export Channels (CSV)...": the grid's channels to
// and from the channel lists that open multi-radio programming tools exchange.
#pragma once

#include "grid/csv/CsvChannelImport.h"

#include <vector>

namespace tevano {

class CTevView;
class CommandRegistry;
class ProgramWindow;
class UserPrompts;

struct CsvCommandContext {
    CTevView& view; // the grid, its undo and the document
    UserPrompts& prompts;
    ProgramWindow& window; // the parent of the file dialogs and boxes, its status bar's notes
};

void AddCsvCommands(CommandRegistry& registry, const CsvCommandContext& context);

// Asks for a channel list and puts its channels into the grid: all of them, or, when some rows
// cannot be taken as they are, the accepted ones if the user says so; or none, and says why.
void ImportChannelsCsv(const CsvCommandContext& context);

// Asks for a file and saves the grid's used channels in it as a channel list.
void ExportChannelsCsv(const CsvCommandContext& context);

// The whole grid change of an import, in one place: the channels' cells are written and the
// document is marked modified.
void ApplyImport(CTevView& view, const std::vector<ImportedChannel>& channels);

} // namespace tevano
