#pragma once

#include <QObject>

class CatalogueSearch;
class QAbstractButton;
class QComboBox;
class QLineEdit;

// Connects the search bar of the main window to the search: the button "Искать" (sSpeedButton1Click)
// and Enter in eSearch (eSearchKeyDown) search for the text of eSearch with the kind selected in cbSearch.
class SearchBar : public QObject {
    Q_OBJECT
public:
    SearchBar(QLineEdit* eSearch, QComboBox* cbSearch, QAbstractButton* sSpeedButton1,
              CatalogueSearch& search, QObject* parent = nullptr);

    // Runs the search; a search refused while another runs changes nothing.
    void sSpeedButton1Click();

private:
    QLineEdit* eSearch_;
    QComboBox* cbSearch_;
    CatalogueSearch& search_;
};
