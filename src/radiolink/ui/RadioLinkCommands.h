// The Linux additions to the radio link in the window: Port Setup at the end of the Port menu,
// and Open Backup Folder, which shows the folder where every read from a radio is kept.
#pragma once

namespace tevano {

class CIniFile;
class CommandRegistry;
class ProgramWindow;
class UserPrompts;

// Port Setup writes [PORTS] of the INI file.
void AddRadioLinkCommands(CommandRegistry& registry, CIniFile& ini, UserPrompts& prompts,
                          ProgramWindow& window);

} // namespace tevano
