#pragma once

#include <QDialog>

// The administrator's SQL console.
class TfSQL : public QDialog {
    Q_OBJECT
public:
    explicit TfSQL(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("fSQL"));
        setWindowTitle(QStringLiteral("SQL"));
    }
};
