#include "radiolink/ui/ComparisonDialog.h"

#include "base/ui/QtText.h"
#include "report/ComparisonTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tevano {

ComparisonDialog::ComparisonDialog(const QString& title, const QString& summary,
                                   const ImageComparison& comparison, Language language,
                                   QWidget* parent)
    : QDialog(parent) {
    const auto text = [language](ComparisonTextId id) {
        return ToQt(ComparisonText(id, language));
    };
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(summary, this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    const std::vector<std::string> lines = ComparisonLines(comparison, language);
    const int rows =
        static_cast<int>(comparison.fields.size()) + (comparison.unshownOffsets.empty() ? 0 : 1);
    table_ = new QTableWidget(rows, 3, this);
    table_->setHorizontalHeaderLabels({text(ComparisonTextId::TableWhere),
                                       text(ComparisonTextId::TableThisDocument),
                                       text(ComparisonTextId::TableOther)});
    table_->setAccessibleName(text(ComparisonTextId::TableName));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const FieldDifference& field : comparison.fields) {
        table_->setItem(row, 0, new QTableWidgetItem(ToQt(field.where)));
        table_->setItem(row, 1, new QTableWidgetItem(ToQt(field.ours)));
        table_->setItem(row, 2, new QTableWidgetItem(ToQt(field.theirs)));
        ++row;
    }
    if (!comparison.unshownOffsets.empty()) {
        // The last line names offsets rather than values: it spans the table.
        table_->setItem(row, 0, new QTableWidgetItem(ToQt(lines.back())));
        table_->setSpan(row, 0, 1, 3);
    }
    table_->resizeColumnsToContents();
    heading->setBuddy(table_);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        buttons->addButton(text(ComparisonTextId::CopyButton), QDialogButtonBox::ActionRole);
    QPushButton* close =
        buttons->addButton(text(ComparisonTextId::CloseButton), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &ComparisonDialog::Copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    text_ = summary + "\n";
    for (const std::string& line : lines) {
        text_ += ToQt(line) + "\n";
    }
    resize(720, 420);
    table_->setFocus();
}

void ComparisonDialog::Copy() {
    QApplication::clipboard()->setText(text_);
}

} // namespace tevano
