#include "shell/uUpdateOffer.h"

#include <QAbstractButton>
#include <QDialog>

void DialogUpdateOffer::TickFirstRunFeeds() {
    for (const char* name : {"sCheckBox1", "sCheckBox2", "sCheckBox3"})
        if (auto* box = window_.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            box->setChecked(true);
}

void DialogUpdateOffer::StartAndShow() {
    if (auto* start = window_.findChild<QAbstractButton*>(QStringLiteral("bStart")))
        start->click();
    window_.exec();
}

void DialogUpdateOffer::ShowModal() {
    window_.exec();
}
