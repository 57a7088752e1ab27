// The About box: the program's icon, its name and a short notice, from the template of the
// language in force; OK closes it.
#pragma once

#include "resources/ResourceTypes.h"

#include <QDialog>

namespace tevano {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const res::DialogTemplate& dialog, QWidget* parent);
};

} // namespace tevano
