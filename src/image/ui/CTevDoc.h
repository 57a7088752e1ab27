// The program's one document: the radio image, the file it came from and whether it holds
// changes that are not saved yet. File New, Open, Save and Save As act on it.
#pragma once

#include "base/FileResult.h"
#include "base/FileStamp.h"
#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <QObject>
#include <QString>

namespace tevano {

class CTevDoc : public QObject {
    Q_OBJECT

public:
    explicit CTevDoc(QObject* parent = nullptr);

    RadioImage& Image() { return image_; }
    const RadioImage& Image() const { return image_; }

    // A new image with the radio's defaults, no file, nothing to save.
    void OnNewDocument();
    // Loads the file; on failure the document stays as it was.
    FileResult OnOpenDocument(const QString& path);
    // Encodes the form into the image, then stores it; the image stays encoded either way.
    FileResult OnSaveDocument(const QString& path, const ChannelForm& form);

    const QString& PathName() const { return path_; }
    // Whether another program saved over the file since it was opened or last saved here.
    bool ChangedOnDisk() const;
    // The file's name, or "Untitled" for a document never saved.
    QString Title(Language language) const;

    // The image no longer is the file's (a read from a radio replaced it): no file name, so the
    // next Save asks where to, and changes to save.
    void DetachFromFile();

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

signals:
    void ModifiedChanged(bool modified);

private:
    RadioImage image_{};
    QString path_;
    FileStamp stamp_; // the file as it was when opened or last saved here
    bool modified_ = false;
};

} // namespace tevano
