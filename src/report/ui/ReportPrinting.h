// The settings report put on paper: each page drawn with the Qt painter into a printer, a PDF
// writer or a preview page, and the whole report as an A4 PDF.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSize>

#include <string>

namespace tevano {

// Draws one page (1 to 5) with the painter, whose device gives the drawing rectangle (its
// whole paint area) and the resolution.
bool PaintReportPage(QPainter& painter, int page, const RadioImage& image, const ChannelForm& form,
                     Language language);

// Draws one page into a paint area of that many device pixels at that resolution, from the
// painter's origin: the printer's page as the preview shows it, scaled by the painter.
bool PaintReportPage(QPainter& painter, int page, const QSize& paintArea, int dpiX, int dpiY,
                     const RadioImage& image, const ChannelForm& form, Language language);

// Draws pages first to last, one device page each. False when the device cannot be painted.
bool PaintReport(QPagedPaintDevice& device, const RadioImage& image, const ChannelForm& form,
                 Language language, int firstPage = 1, int lastPage = 5);

// The font package to install when no installed face has the characters the report prints in
// this language (its pages would come out as empty boxes); empty when they are all there.
std::string MissingReportFontPackage(Language language);

// The five pages as an A4 PDF document; empty when it cannot be made. Needs a Qt GUI
// application for its fonts.
QByteArray ReportPdf(const RadioImage& image, const ChannelForm& form, Language language);

} // namespace tevano
