#include "shell/uPrompts.h"

#include <QMessageBox>

bool QtPrompts::InformationOkCancel(const QString& text) {
    return QMessageBox::information(parent_, QString(), text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void QtPrompts::Warning(const QString& text) {
    QMessageBox::warning(parent_, QString(), text, QMessageBox::Ok);
}

void QtPrompts::Error(const QString& text) {
    QMessageBox::critical(parent_, QString(), text, QMessageBox::Ok);
}
