// What printing tells the user, in English and Chinese: a missing printer, a report that did not
// print, and the words of the print preview's buttons and page count.
#pragma once

#include <QString>

namespace tevano {

enum class PreviewWord {
    Title,
    Print,
    NextPage,
    PrevPage,
    TwoPages,
    OnePage,
    ZoomIn,
    ZoomOut,
    Close
};

QString PreviewText(PreviewWord word, bool english);

// "Page 3", or "Pages 3-4" while two pages are shown.
QString PreviewPagesText(int firstPage, int lastPage, bool english);

// The system has no printer (the print switch prints only to one).
QString NoPrinterText(bool english);

// The printer (or the PDF file) did not take the report.
QString PrintFailedText(const QString& target, bool english);

} // namespace tevano
