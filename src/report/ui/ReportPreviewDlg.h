// Print Preview: the settings report on the program's printer, two pages side by side (or one),
// with the radio tool's preview bar: Print, Next Page, Prev Page, One/Two Page, Zoom In, Zoom Out
// and Close.
#pragma once

#include "base/Language.h"
#include "grid/ChannelForm.h"
#include "image/RadioImage.h"
#include "report/ui/PrintTexts.h"

#include <QDialog>

#include <map>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace tevano {

class ReportPreviewCanvas;

class ReportPreviewDlg : public QDialog {
    Q_OBJECT

public:
    ReportPreviewDlg(const QPrinter& printer, const RadioImage& image, const ChannelForm& form,
                     QWidget* parent);

    // Print closes the preview; the caller then prints as the Print command does.
    bool PrintRequested() const { return printRequested_; }

    QPushButton* Button(PreviewWord word) const;
    ReportPreviewCanvas& Canvas() const { return *canvas_; }
    QString PagesText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* AddButton(PreviewWord word, Language language);
    void Step(int pages);
    void ToggleTwoPages();
    void ChangeZoom(int step);
    void UpdateBar();

    ReportPreviewCanvas* canvas_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QLabel* pages_ = nullptr;
    std::map<PreviewWord, QPushButton*> buttons_;
    bool twoPages_ = true;
    Language language_ = Language::English;
    bool printRequested_ = false;
};

} // namespace tevano
