#include "report/ui/ReportPreviewDlg.h"

#include "report/ReportLayout.h"
#include "report/ui/ReportPreviewCanvas.h"
#include "shell/DisplayLanguage.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tevano {

ReportPreviewDlg::ReportPreviewDlg(const QPrinter& printer, const RadioImage& image,
                                   const ChannelForm& form, QWidget* parent)
    : QDialog(parent), language_(DisplayedLanguage()) {
    setWindowTitle(PreviewText(PreviewWord::Title, language_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    for (PreviewWord word :
         {PreviewWord::Print, PreviewWord::NextPage, PreviewWord::PrevPage, PreviewWord::OnePage,
          PreviewWord::ZoomIn, PreviewWord::ZoomOut, PreviewWord::Close}) {
        bar->addWidget(AddButton(word, language_));
    }
    pages_ = new QLabel(this);
    bar->addSpacing(12);
    bar->addWidget(pages_);
    bar->addStretch();
    layout->addLayout(bar);

    canvas_ = new ReportPreviewCanvas(printer, image, form, this);
    scroller_ = new QScrollArea(this);
    scroller_->setWidget(canvas_);
    scroller_->setWidgetResizable(true);
    scroller_->setAlignment(Qt::AlignCenter);
    layout->addWidget(scroller_, 1);

    connect(Button(PreviewWord::Print), &QPushButton::clicked, this, [this] {
        printRequested_ = true;
        accept();
    });
    connect(Button(PreviewWord::NextPage), &QPushButton::clicked, this, [this] { Step(1); });
    connect(Button(PreviewWord::PrevPage), &QPushButton::clicked, this, [this] { Step(-1); });
    connect(Button(PreviewWord::OnePage), &QPushButton::clicked, this,
            &ReportPreviewDlg::ToggleTwoPages);
    connect(Button(PreviewWord::ZoomIn), &QPushButton::clicked, this, [this] { ChangeZoom(1); });
    connect(Button(PreviewWord::ZoomOut), &QPushButton::clicked, this, [this] { ChangeZoom(-1); });
    connect(Button(PreviewWord::Close), &QPushButton::clicked, this, &QDialog::reject);

    // The preview takes the main window's place and size, as it always has.
    if (parent != nullptr) {
        resize(parent->size());
    } else {
        resize(1024, 768);
    }
    canvas_->ShowPages(1, twoPages_);
    UpdateBar();
}

QPushButton* ReportPreviewDlg::AddButton(PreviewWord word, Language language) {
    auto* button = new QPushButton(PreviewText(word, language), this);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    buttons_[word] = button;
    return button;
}

QPushButton* ReportPreviewDlg::Button(PreviewWord word) const {
    const auto it = buttons_.find(word);
    return it == buttons_.end() ? nullptr : it->second;
}

QString ReportPreviewDlg::PagesText() const {
    return pages_->text();
}

void ReportPreviewDlg::Step(int pages) {
    canvas_->ShowPages(canvas_->FirstPage() + pages, twoPages_);
    UpdateBar();
}

// The one button says what it switches to: "One Page" while two are shown, and back.
void ReportPreviewDlg::ToggleTwoPages() {
    twoPages_ = !twoPages_;
    canvas_->ShowPages(canvas_->FirstPage(), twoPages_);
    canvas_->SetZoom(canvas_->Zoom(), scroller_->viewport()->size());
    Button(PreviewWord::OnePage)
        ->setText(PreviewText(twoPages_ ? PreviewWord::OnePage : PreviewWord::TwoPages, language_));
    UpdateBar();
}

void ReportPreviewDlg::ChangeZoom(int step) {
    canvas_->SetZoom(canvas_->Zoom() + step, scroller_->viewport()->size());
    UpdateBar();
}

void ReportPreviewDlg::UpdateBar() {
    Button(PreviewWord::NextPage)->setEnabled(canvas_->LastPage() < kReportPageCount);
    Button(PreviewWord::PrevPage)->setEnabled(canvas_->FirstPage() > 1);
    Button(PreviewWord::ZoomIn)->setEnabled(canvas_->Zoom() < 2);
    Button(PreviewWord::ZoomOut)->setEnabled(canvas_->Zoom() > 0);
    pages_->setText(PreviewPagesText(canvas_->FirstPage(), canvas_->LastPage(), language_));
}

void ReportPreviewDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown) {
        if (Button(PreviewWord::NextPage)->isEnabled()) {
            Step(1);
        }
        return;
    }
    if (event->key() == Qt::Key_PageUp) {
        if (Button(PreviewWord::PrevPage)->isEnabled()) {
            Step(-1);
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreviewDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (canvas_->Zoom() != 0) {
        canvas_->SetZoom(canvas_->Zoom(), scroller_->viewport()->size());
    }
}

} // namespace tevano
