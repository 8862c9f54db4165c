#include "catalogue/uSearchBar.h"

#include "catalogue/uSearch.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

SearchBar::SearchBar(QLineEdit* eSearch, QComboBox* cbSearch, QAbstractButton* sSpeedButton1,
                     CatalogueSearch& search, QObject* parent)
    : QObject(parent), eSearch_(eSearch), cbSearch_(cbSearch), search_(search) {
    if (sSpeedButton1)
        connect(sSpeedButton1, &QAbstractButton::clicked, this, &SearchBar::sSpeedButton1Click);
    if (eSearch_)
        connect(eSearch_, &QLineEdit::returnPressed, this, &SearchBar::sSpeedButton1Click);
}

void SearchBar::sSpeedButton1Click() {
    try {
        search_.sSpeedButton1Click(eSearch_ ? eSearch_->text() : QString(),
                                   cbSearch_ ? cbSearch_->currentIndex() : 0);
    } catch (...) {
        // Nothing escapes into the event loop.
    }
}
