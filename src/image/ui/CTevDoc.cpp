#include "image/ui/CTevDoc.h"

#include "base/Messages.h"
#include "base/ui/QtText.h"
#include "grid/ChannelFileOps.h"
#include "image/ChannelFile.h"

#include <QFileInfo>

namespace tevano {

CTevDoc::CTevDoc(QObject* parent) : QObject(parent) {
    MakeNewImage(image_);
}

void CTevDoc::OnNewDocument() {
    MakeNewImage(image_);
    path_.clear();
    SetModifiedFlag(false);
}

FileResult CTevDoc::OnOpenDocument(const QString& path) {
    const FileResult result = LoadChannelFile(path.toStdString(), image_);
    if (result.Ok()) {
        path_ = QFileInfo(path).absoluteFilePath();
        stamp_ = StampOf(path_.toStdString());
        SetModifiedFlag(false);
    }
    return result;
}

FileResult CTevDoc::OnSaveDocument(const QString& path, const ChannelForm& form) {
    const FileResult result = SaveChannelFile(path.toStdString(), form, image_);
    if (result.Ok()) {
        path_ = QFileInfo(path).absoluteFilePath();
        stamp_ = StampOf(path_.toStdString());
        SetModifiedFlag(false);
    }
    return result;
}

bool CTevDoc::ChangedOnDisk() const {
    if (path_.isEmpty()) {
        return false;
    }
    // A file removed since holds nothing the save could lose.
    const FileStamp now = StampOf(path_.toStdString());
    return now.exists && !(now == stamp_);
}

void CTevDoc::DetachFromFile() {
    path_.clear();
    SetModifiedFlag(true);
}

QString CTevDoc::Title(Language language) const {
    if (path_.isEmpty()) {
        return ToQt(UiText(TextId::Untitled, language));
    }
    return QFileInfo(path_).fileName();
}

void CTevDoc::SetModifiedFlag(bool modified) {
    if (modified != modified_) {
        modified_ = modified;
        emit ModifiedChanged(modified_);
    }
}

} // namespace tevano
