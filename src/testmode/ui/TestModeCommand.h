// Program → Test Mode: the test mode dialog over the main window, for the band picked in the
// channel form's "Field" list and the port chosen in the Port menu when it opens.
#pragma once

namespace tevano {

class CIniFile;
class CTevView;
class CommandRegistry;
class ProgramWindow;
class ResourceModule;
class ToneTable;
class UserPrompts;

struct TestModeCommandContext {
    CTevView& view; // the "Field" list and the port name
    const ToneTable& tones;
    const ResourceModule& module; // the templates of the language in force
    const CIniFile& ini;          // [PORTS] names the serial device of each port
    UserPrompts& prompts;
    ProgramWindow& window;
};

void AddTestModeCommand(CommandRegistry& registry, const TestModeCommandContext& context);

} // namespace tevano
