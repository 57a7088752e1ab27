// The program's own icons, drawn as vector shapes so that they stay crisp at any size and on
// HiDPI screens: the toolbar's commands and the application icon.
#pragma once

#include <QIcon>

namespace tevano {

class ProgramIcons {
public:
    // The icon of a toolbar command (New, Open, Save, Read, Write, Test Mode, Print, About) or of
    // an icon resource id (128, 134: the radio); a null icon for anything else.
    static QIcon Icon(int id);
};

} // namespace tevano
