#include "report/ui/ReportPrinting.h"

#include "base/ui/QtText.h"
#include "report/ReportFaces.h"
#include "report/ReportLayout.h"
#include "report/ReportTexts.h"
#include "report/ui/QtReportPainter.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextLayout>

namespace tevano {

namespace {

// About what a printer leaves unprinted at the edges of a sheet.
constexpr double kPdfMarginMillimetres = 10.0;

} // namespace

std::string MissingReportFontPackage(Language language) {
    // The titles and the channel table's words have every kind of character the pages print.
    QString sample;
    for (int page = 1; page <= kReportPageCount; ++page) {
        sample += ToQt(ReportPageTitle(page, language));
    }
    for (int id = 0; id < static_cast<int>(ReportTextId::MissingFont); ++id) {
        sample += ToQt(ReportText(static_cast<ReportTextId>(id), language));
    }
    ReportFont font;
    font.fallbackFaces = ChineseReportFaces();
    QTextLayout layout(sample, ReportFace(font));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& glyphs : layout.glyphRuns()) {
        // Glyph 0 is the face's box for a character it has no glyph for.
        if (glyphs.glyphIndexes().contains(0)) {
            return ReportFontPackage(language);
        }
    }
    return std::string();
}

bool PaintReportPage(QPainter& painter, int page, const RadioImage& image, const ChannelForm& form,
                     Language language) {
    QPaintDevice* device = painter.device();
    if (device == nullptr) {
        return false;
    }
    return PaintReportPage(painter, page, QSize(device->width(), device->height()),
                           device->logicalDpiX(), device->logicalDpiY(), image, form, language);
}

bool PaintReportPage(QPainter& painter, int page, const QSize& paintArea, int dpiX, int dpiY,
                     const RadioImage& image, const ChannelForm& form, Language language) {
    const PageRect rect{0, 0, paintArea.width(), paintArea.height()};
    QtReportPainter reportPainter(painter, dpiX, dpiY);
    return DrawReportPage(page, rect, dpiX, dpiY, image, form, language, reportPainter);
}

bool PaintReport(QPagedPaintDevice& device, const RadioImage& image, const ChannelForm& form,
                 Language language, int firstPage, int lastPage) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !device.newPage()) {
            return false;
        }
        PaintReportPage(painter, page, image, form, language);
    }
    return painter.end();
}

QByteArray ReportPdf(const RadioImage& image, const ChannelForm& form, Language language) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return QByteArray();
    }
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tevano"));
        writer.setTitle(ToQt(ReportPageTitle(1, language)));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                                   kPdfMarginMillimetres, kPdfMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (!PaintReport(writer, image, form, language)) {
            return QByteArray();
        }
    }
    buffer.close();
    return pdf;
}

} // namespace tevano
