#pragma once

#include <QDialog>

// The update window: feeds to fetch, downloads and their log.
class TfUpdate : public QDialog {
    Q_OBJECT
public:
    explicit TfUpdate(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("fUpdate"));
        setWindowTitle(QStringLiteral("Обновления"));
    }
};
