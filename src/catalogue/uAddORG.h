#pragma once

#include <QDialog>

// The organisation and section editor of administrator mode.
class TfCatalogORG : public QDialog {
    Q_OBJECT
public:
    explicit TfCatalogORG(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("fCatalogORG"));
        setWindowTitle(QStringLiteral("Раздел:"));
    }
};
