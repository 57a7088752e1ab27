#include "base/ui/UserPrompts.h"

#include "base/FileMessages.h"
#include "shell/DisplayLanguage.h"
#include "shell/IniFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

namespace tevano {

Answer QtUserPrompts::Ask(QWidget* parent, const QString& text, Buttons buttons, BoxIcon icon) {
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::Icon shown = QMessageBox::Information;
    switch (buttons) {
    case Buttons::Ok:
        break;
    case Buttons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        shown = QMessageBox::Question;
        break;
    case Buttons::RetryCancel:
        standard = QMessageBox::Retry | QMessageBox::Cancel;
        shown = QMessageBox::Warning;
        break;
    case Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        shown = QMessageBox::Question;
        break;
    case Buttons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        shown = QMessageBox::Question;
        break;
    }
    if (icon == BoxIcon::Warning) {
        shown = QMessageBox::Warning;
    } else if (icon == BoxIcon::Error) {
        shown = QMessageBox::Critical;
    }
    QMessageBox box(shown, Title(), text, standard, parent);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

void ReportSettingsSave(UserPrompts& prompts, QWidget* parent, const CIniFile& ini) {
    if (!ini.LastSave().Ok()) {
        prompts.Ask(parent,
                    QString::fromStdString(SettingsSaveErrorText(ini.LastSave(), ini.PathTried(),
                                                                 DisplayedLanguage())),
                    Buttons::Ok, BoxIcon::Error);
    }
}

QString UserPrompts::Folder(FileKind kind) const {
    if (history_ != nullptr) {
        return QString::fromStdString(history_->Folder(kind));
    }
    return folders_[static_cast<int>(kind)];
}

void UserPrompts::Remember(FileKind kind, const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (history_ != nullptr) {
        history_->SetFolder(kind, folder.toStdString());
    } else {
        folders_[static_cast<int>(kind)] = folder;
    }
}

QString UserPrompts::OpenFileName(QWidget* parent, FileKind kind, const QString& filter) {
    const QString path = ChooseFileToOpen(parent, Folder(kind), filter);
    Remember(kind, path);
    return path;
}

FileWithNumber UserPrompts::OpenFileWithOption(QWidget* parent, FileKind kind,
                                               const QString& filter, const NumberOption& option) {
    const FileWithNumber chosen = ChooseFileToOpenWithOption(parent, Folder(kind), filter, option);
    Remember(kind, chosen.path);
    return chosen;
}

QString UserPrompts::SaveFileName(QWidget* parent, FileKind kind, const QString& suggestion,
                                  const QString& filter) {
    const QString folder = Folder(kind);
    const QString path = ChooseFileToSave(
        parent,
        folder.isEmpty() ? suggestion : QDir(folder).filePath(QFileInfo(suggestion).fileName()),
        filter);
    Remember(kind, path);
    return path;
}

QString QtUserPrompts::ChooseFileToOpen(QWidget* parent, const QString& folder,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

FileWithNumber QtUserPrompts::ChooseFileToOpenWithOption(QWidget* parent, const QString& folder,
                                                         const QString& filter,
                                                         const NumberOption& option) {
    // Qt's own dialog, which takes a row of widgets below its file list; a desktop's dialog
    // would not show the option.
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QCheckBox* check = nullptr;
    QSpinBox* number = nullptr;
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    const qsizetype mark = option.text.indexOf("%1");
    if (grid != nullptr && mark >= 0) {
        check = new QCheckBox(option.text.left(mark).trimmed(), &dialog);
        number = new QSpinBox(&dialog);
        number->setRange(option.lowest, option.highest);
        number->setEnabled(false);
        auto* after = new QLabel(option.text.mid(mark + 2).trimmed(), &dialog);
        after->setBuddy(number);
        QObject::connect(check, &QCheckBox::toggled, number, &QSpinBox::setEnabled);
        auto* row = new QHBoxLayout;
        row->addWidget(check);
        row->addWidget(number);
        row->addWidget(after);
        row->addStretch();
        grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().first(),
            check != nullptr && check->isChecked() ? number->value() : 0};
}

QString QtUserPrompts::ChooseFileToSave(QWidget* parent, const QString& suggestion,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggestion, filter);
}

} // namespace tevano
