#pragma once

#include <QDialog>

// Export of the organisation list to a CSV file.
class TfListCSV : public QDialog {
    Q_OBJECT
public:
    explicit TfListCSV(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("fListCSV"));
        setWindowTitle(QStringLiteral("CSV"));
    }
};
