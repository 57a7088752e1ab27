// The Side Key dialog: the function of a short and of a long press of each of the radio's two
// side keys, picked from the nine key functions and stored in 0x81D and 0x81E on OK.
#pragma once

#include "options/SideKeyForm.h"
#include "resources/ResourceTypes.h"

#include <QDialog>

#include <memory>

namespace tevano {

class BuiltDialog;
class CTevDoc;

class CSideKeyDlg : public QDialog {
    Q_OBJECT

public:
    CSideKeyDlg(const res::DialogTemplate& dialog, CTevDoc& document, QWidget* parent);
    ~CSideKeyDlg() override;

    // A control by its template id (res::sidekey::...).
    QWidget* Control(int id) const;

    SideKeyState ReadControls() const;

    // OK: the two side-key bytes; the document counts as changed when either changed.
    void accept() override;

private:
    CTevDoc& document_;
    std::unique_ptr<BuiltDialog> built_;
};

} // namespace tevano
