#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

#include "TreeRows.h"

// Readers of the readable sources under data/sample (UTF-8 text). Lines starting with '#' are
// comments. A malformed line throws SourceError naming the file and the line.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Locality {
    int code = 0;
    QString name;
    QString phoneCode;
    int weight = 1;
    QStringList streets;
};

struct Section {
    QString group;
    int number = 0;
    QString caption;
    QString root; // the word firms of this section are named after
    QStringList goods;
};

// "column: value" lines; records separated by blank lines. The order of the columns is kept.
using Record = QList<QPair<QString, QString>>;

// Tab-separated rows of a table file, comments and blank lines skipped; each row must have `columns` fields.
QList<QStringList> ReadTsv(const QString& path, int columns);
QList<Locality> ReadLocalities(const QString& path);
QList<Section> ReadSections(const QString& path);
QList<Record> ReadRecords(const QString& path);
// "[list name]" followed by one entry a line.
QMap<QString, QStringList> ReadWordLists(const QString& path);
// Indentation by four blanks per level; "caption | path" or a bare caption.
std::vector<TreeNode> ReadTree(const QString& path);
