#include "report/ui/ReportPreviewCanvas.h"

#include "report/ReportLayout.h"
#include "report/ui/ReportPrinting.h"
#include "shell/DisplayLanguage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace tevano {

namespace {

// Screen pixels around and between the sheets.
constexpr int kGap = 16;
constexpr int kShadow = 4;

} // namespace

ReportPreviewCanvas::ReportPreviewCanvas(const QPrinter& printer, const RadioImage& image,
                                         const ChannelForm& form, QWidget* parent)
    : QWidget(parent), printer_(printer), image_(image), form_(form) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int ReportPreviewCanvas::LastPage() const {
    return twoPages_ ? std::min(firstPage_ + 1, kReportPageCount) : firstPage_;
}

void ReportPreviewCanvas::ShowPages(int firstPage, bool twoPages) {
    twoPages_ = twoPages;
    // The last sheet of a pair stays the report's last page: 4 and 5, never 5 alone beside
    // nothing.
    const int lastFirst = twoPages ? kReportPageCount - 1 : kReportPageCount;
    firstPage_ = std::clamp(firstPage, 1, lastFirst);
    update();
}

double ReportPreviewCanvas::FitScale(const QSize& viewSize) const {
    const QSizeF sheet = printer_.paperRect(QPrinter::DevicePixel).size();
    if (sheet.isEmpty()) {
        return 0;
    }
    const int count = ShownCount();
    const double across = (viewSize.width() - kGap * (count + 1.0)) / (sheet.width() * count);
    const double down = (viewSize.height() - 2.0 * kGap) / sheet.height();
    return std::max(0.01, std::min(across, down));
}

void ReportPreviewCanvas::SetZoom(int zoom, const QSize& viewSize) {
    zoom_ = std::clamp(zoom, 0, 2);
    zoomScale_ = FitScale(viewSize) * (zoom_ + 1);
    if (zoom_ == 0) {
        setMinimumSize(0, 0);
    } else {
        const QSizeF sheet = printer_.paperRect(QPrinter::DevicePixel).size() * zoomScale_;
        const int count = ShownCount();
        setMinimumSize(static_cast<int>(sheet.width() * count + kGap * (count + 1)),
                       static_cast<int>(sheet.height() + 2 * kGap));
    }
    // The scroll area would size the canvas on its next layout; the pages are placed now.
    resize(minimumSize().expandedTo(viewSize));
    update();
}

double ReportPreviewCanvas::Scale() const {
    return zoom_ == 0 ? FitScale(size()) : zoomScale_;
}

QRectF ReportPreviewCanvas::SheetRect(int page) const {
    if (page < firstPage_ || page > LastPage()) {
        return QRectF();
    }
    const double scale = Scale();
    const QSizeF sheet = printer_.paperRect(QPrinter::DevicePixel).size() * scale;
    const int count = ShownCount();
    const double total = sheet.width() * count + kGap * (count - 1);
    const double left = std::max<double>(kGap, (width() - total) / 2);
    const double top = std::max<double>(kGap, (height() - sheet.height()) / 2);
    return QRectF(QPointF(left + (page - firstPage_) * (sheet.width() + kGap), top), sheet);
}

void ReportPreviewCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    const double scale = Scale();
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer_.pageRect(QPrinter::DevicePixel);
    const int dpi = printer_.resolution();
    // Pages are laid out in the printer's language of the moment, as they will print.
    const Language language = DisplayedLanguage();
    for (int page = firstPage_; page <= LastPage(); ++page) {
        const QRectF sheet = SheetRect(page);
        painter.fillRect(sheet.translated(kShadow, kShadow), palette().color(QPalette::Shadow));
        painter.fillRect(sheet, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(sheet);
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(scale, scale);
        painter.translate(printable.topLeft() - paper.topLeft());
        painter.setPen(Qt::black);
        PaintReportPage(painter, page, printable.size().toSize(), dpi, dpi, image_, form_,
                        language);
        painter.restore();
    }
}

} // namespace tevano
