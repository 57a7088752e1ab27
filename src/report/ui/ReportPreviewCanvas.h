// The pages of the print preview: the printer's sheets drawn white on grey, one or two side by
// side, with the report drawn into each sheet's printable area exactly as the printer gets it,
// only scaled to the screen.
#pragma once

#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <QWidget>

class QPrinter;

namespace tevano {

class ReportPreviewCanvas : public QWidget {
    Q_OBJECT

public:
    ReportPreviewCanvas(const QPrinter& printer, const RadioImage& image, const ChannelForm& form,
                        QWidget* parent);

    // The first page shown and whether the next one is shown beside it.
    void ShowPages(int firstPage, bool twoPages);
    // 0 fits the pages into the view; 1 and 2 enlarge them two and three times.
    void SetZoom(int zoom, const QSize& viewSize);

    int FirstPage() const { return firstPage_; }
    int LastPage() const;
    int Zoom() const { return zoom_; }

    // Where a shown page lies on the canvas; empty for a page not shown.
    QRectF SheetRect(int page) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int ShownCount() const { return LastPage() - firstPage_ + 1; }
    double Scale() const;
    double FitScale(const QSize& viewSize) const;

    const QPrinter& printer_;
    const RadioImage& image_;
    const ChannelForm& form_;
    int firstPage_ = 1;
    bool twoPages_ = true;
    int zoom_ = 0;
    double zoomScale_ = 0; // the scale of an enlarged view, fixed when it was chosen
};

} // namespace tevano
