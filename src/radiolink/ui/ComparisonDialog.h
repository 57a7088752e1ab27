// The differences between the document and another image (a file, the radio) in a table of
// three columns, where, this document and the other, with a line that sums them up; Copy puts
// them on the clipboard as lines of text.
#pragma once

#include "base/Language.h"
#include "report/ImageComparison.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tevano {

class ComparisonDialog : public QDialog {
    Q_OBJECT

public:
    ComparisonDialog(const QString& title, const QString& summary,
                     const ImageComparison& comparison, Language language, QWidget* parent);

    QTableWidget* Table() const { return table_; }
    // The lines Copy puts on the clipboard: the summary, then one per difference.
    QString Text() const { return text_; }

private:
    void Copy();

    QTableWidget* table_ = nullptr;
    QString text_;
};

} // namespace tevano
