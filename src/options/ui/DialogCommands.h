// The commands behind the Program menu's Optional Features and Side Key: each opens its dialog
// over the main window, on the document's radio-wide settings.
#pragma once

namespace tevano {

class CTevDoc;
class CommandRegistry;
class ProgramWindow;
class ResourceModule;

struct DialogCommandContext {
    CTevDoc& document;
    const ResourceModule& module; // the templates of the language in force
    ProgramWindow& window;
};

void AddDialogCommands(CommandRegistry& registry, const DialogCommandContext& context);

} // namespace tevano
