// What printing tells the user, in English and Chinese: a missing printer, a report that did not
// print, and the words of the print preview's buttons and page count.
#pragma once

#include "base/Language.h"

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

QString PreviewText(PreviewWord word, Language language);

// "Page 3", or "Pages 3-4" while two pages are shown.
QString PreviewPagesText(int firstPage, int lastPage, Language language);

// The system has no printer (the print switch prints only to one).
QString NoPrinterText(Language language);

// The printer (or the PDF file) did not take the report.
QString PrintFailedText(const QString& target, Language language);

} // namespace tevano
