#pragma once

#include <QDialog>

// The document tree editor of administrator mode.
class TfNormativDOC : public QDialog {
    Q_OBJECT
public:
    explicit TfNormativDOC(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("fNormativDOC"));
        setWindowTitle(QStringLiteral("NormativDOC"));
    }
};
