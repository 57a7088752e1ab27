// The commands behind the Program menu's Optional Features, Side Key and Test Mode and behind the
// File menu's Print, Print Preview and Print Setup: each opens its dialog over the main window.
#pragma once

namespace tevano {

class CTevApp;

void AddDialogCommands(CTevApp& app);

} // namespace tevano
