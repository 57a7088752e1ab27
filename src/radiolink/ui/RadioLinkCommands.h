// The Linux additions to the radio link in the window: Port Setup at the end of the Port menu,
// and Open Backup Folder, which shows the folder where every read from a radio is kept.
#pragma once

namespace tevano {

class CTevApp;

void AddRadioLinkCommands(CTevApp& app);

} // namespace tevano
