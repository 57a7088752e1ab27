// Print, Print Preview and Print Setup of the File menu, and the command line's print switch:
// the document's five-page settings report on the program's printer, in the language in force.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <QStringList>

#include <cstdio>

class QPrinter;

namespace tevano {

class CTevView;
class CommandRegistry;
class ProgramWindow;
class UserPrompts;

struct PrintContext {
    CTevView& view; // what the grid shows, and the document with its file name
    UserPrompts& prompts;
    ProgramWindow& window; // the parent of the print dialogs
};

void AddPrintCommands(CommandRegistry& registry, const PrintContext& context);

// Prints the pages of the printer's page range (all five when it has none). False when the
// printer could not be started or refused a page.
bool PrintReport(QPrinter& printer, const RadioImage& image, const ChannelForm& form,
                 Language language);

// "--print FILE" or "-p FILE": print the file and end, without showing the window.
bool PrintSwitchGiven(const QStringList& arguments);

// The print switch on a document opened from the command line: all five pages to the printer
// without a dialog. A missing printer or a failed print is told on `messages` (stderr), where
// the one who ran it looks, not in a box that nobody may see. Returns the program's exit status:
// 0 printed, 1 not printed, 2 no file was named.
int PrintFromCommandLine(const PrintContext& context, QPrinter& printer, std::FILE* messages);

// The print switch as the program runs it: prints on the program's printer, then ends the
// program with the status once its event loop runs. The window is never shown.
void RunPrintSwitch(const PrintContext& context);

} // namespace tevano
