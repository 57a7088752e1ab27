#include "shell/ui/CAboutDlg.h"

#include "resources/ui/DialogBuilder.h"

#include <QPushButton>

namespace tevano {

namespace {
constexpr int kOkButton = 1;
}

CAboutDlg::CAboutDlg(const res::DialogTemplate& dialog, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(dialog.caption));
    const BuiltDialog built(dialog, this);
    setFixedSize(built.Size());
    if (auto* ok = built.As<QPushButton>(kOkButton)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setDefault(true);
    }
}

} // namespace tevano
