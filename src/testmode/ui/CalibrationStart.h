// Start of the test mode against the radio on the cable: the port name the dialog took when it
// opened, made a device through [PORTS] of the program's INI file, the calibration exchange on
// that port, and the exchange's questions and messages as message boxes over the dialog.
#pragma once

#include "testmode/ui/CTestModeDlg.h"

#include <string>

namespace tevano {

class CIniFile;
class ProgramWindow;
class UserPrompts;

// The window's status bar (none when nullptr) names the device and the reason when the port
// cannot be opened.
CTestModeDlg::StartCalibration CalibrationOnPort(std::string portName, const CIniFile& ini,
                                                 UserPrompts& prompts, ProgramWindow* window);

} // namespace tevano
