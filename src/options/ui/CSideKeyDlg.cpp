#include "options/ui/CSideKeyDlg.h"

#include "image/ui/CTevDoc.h"
#include "resources/layout/ControlBuilders.h"
#include "resources/layout/SideKeyLayout.h"
#include "resources/ui/DialogBuilder.h"

#include <QComboBox>
#include <QPushButton>

namespace tevano {

namespace {

namespace ids = res::sidekey;

struct KeyBinding {
    int id;
    int SideKeyState::*code;
};

constexpr KeyBinding kKeys[] = {
    {ids::kKey1ShortPress, &SideKeyState::key1Short},
    {ids::kKey1LongPress, &SideKeyState::key1Long},
    {ids::kKey2ShortPress, &SideKeyState::key2Short},
    {ids::kKey2LongPress, &SideKeyState::key2Long},
};

} // namespace

CSideKeyDlg::CSideKeyDlg(const res::DialogTemplate& dialog, CTevDoc& document, QWidget* parent)
    : QDialog(parent), document_(document), built_(std::make_unique<BuiltDialog>(dialog, this)) {
    setWindowTitle(QString::fromUtf8(dialog.caption));
    setFixedSize(built_->Size());
    if (auto* ok = built_->As<QPushButton>(res::build::kIdOk)) {
        connect(ok, &QPushButton::clicked, this, &CSideKeyDlg::accept);
    }
    if (auto* cancel = built_->As<QPushButton>(res::build::kIdCancel)) {
        connect(cancel, &QPushButton::clicked, this, &CSideKeyDlg::reject);
    }
    // A code of 9 to 15 has no entry: its list opens without a pick.
    const SideKeyState state = OpenSideKeys(document_.Image());
    for (const KeyBinding& key : kKeys) {
        if (auto* combo = built_->As<QComboBox>(key.id)) {
            combo->setCurrentIndex(state.*key.code);
        }
    }
}

CSideKeyDlg::~CSideKeyDlg() = default;

QWidget* CSideKeyDlg::Control(int id) const {
    return built_->Control(id);
}

SideKeyState CSideKeyDlg::ReadControls() const {
    SideKeyState state;
    for (const KeyBinding& key : kKeys) {
        if (auto* combo = built_->As<QComboBox>(key.id)) {
            state.*key.code = combo->currentIndex();
        }
    }
    return state;
}

void CSideKeyDlg::accept() {
    RadioImage& image = document_.Image();
    const RadioImage before = image;
    AcceptSideKeys(ReadControls(), image);
    if (image != before) {
        document_.SetModifiedFlag(true);
    }
    QDialog::accept();
}

} // namespace tevano
