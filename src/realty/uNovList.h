#pragma once

#include <QString>

struct AppContext;
class Query;

// The catalogue of new-building projects: ten a page, newest first, for every district or one.
class NovList {
public:
    explicit NovList(AppContext& context) : context_(context) {}

    // One page in the template "info\novedex.htm". district: a district code, blank for every project
    // with a district above 0. page: one-based, blank for 1 (ConvertError when it is not a whole number).
    QString Compose(const QString& district, const QString& page) const;
    // Composes the page and shows it in the real-estate frame without its menu.
    void ShowNovList(const QString& district, const QString& page);

    // The six rows of one project, the current row of an opened query. programFolder ends with '/'.
    static QString Block(const Query& project, const QString& programFolder);
    // The row of page numbers: the current page p marked, the others links, at most ten.
    static QString PageNumbers(int p, qint64 total, const QString& district);

private:
    AppContext& context_;
};
