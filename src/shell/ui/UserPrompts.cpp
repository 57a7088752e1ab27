#include "shell/ui/UserPrompts.h"

#include "shell/DisplayLanguage.h"
#include "shell/FileMessages.h"
#include "shell/IniFile.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tevano {

Answer QtUserPrompts::Ask(QWidget* parent, const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (buttons) {
    case Buttons::Ok:
        break;
    case Buttons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    case Buttons::RetryCancel:
        standard = QMessageBox::Retry | QMessageBox::Cancel;
        icon = QMessageBox::Warning;
        break;
    case Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        icon = QMessageBox::Question;
        break;
    case Buttons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, Title(), text, standard, parent);
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
        prompts.Ask(
            parent,
            QString::fromStdString(SettingsSaveErrorText(ini.LastSave(), ini.Path(), IsEnglish())),
            Buttons::Ok);
    }
}

QString QtUserPrompts::OpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString QtUserPrompts::SaveFileName(QWidget* parent, const QString& suggestion,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggestion, filter);
}

} // namespace tevano
