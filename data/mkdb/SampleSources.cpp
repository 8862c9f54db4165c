#include "SampleSources.h"

#include <QFile>

namespace {

struct Line {
    int number;
    QString text;
};

QList<Line> ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError((path + QStringLiteral(": ") + file.errorString()).toStdString());
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<Line> lines;
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++number;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        lines.append({number, line});
    }
    return lines;
}

[[noreturn]] void Bad(const QString& path, int line, const QString& what) {
    throw SourceError(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what).toStdString());
}

int ToInt(const QString& path, int line, const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        Bad(path, line, QStringLiteral("not a whole number: \"%1\"").arg(text));
    return value;
}

QStringList SplitList(const QString& text, QChar separator) {
    QStringList items;
    for (const QString& item : text.split(separator)) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    }
    return items;
}

} // namespace

QList<QStringList> ReadTsv(const QString& path, int columns) {
    QList<QStringList> rows;
    for (const Line& line : ReadLines(path)) {
        if (line.text.trimmed().isEmpty())
            continue;
        const QStringList fields = line.text.split(QLatin1Char('\t'));
        if (fields.size() != columns)
            Bad(path, line.number,
                QStringLiteral("%1 tab-separated fields expected, %2 found").arg(columns).arg(fields.size()));
        rows.append(fields);
    }
    return rows;
}

QList<Locality> ReadLocalities(const QString& path) {
    QList<Locality> result;
    int index = 0;
    for (const QStringList& f : ReadTsv(path, 5)) {
        ++index;
        Locality l;
        l.code = ToInt(path, index, f[0]);
        l.name = f[1].trimmed();
        l.phoneCode = f[2].trimmed();
        l.weight = ToInt(path, index, f[3]);
        l.streets = SplitList(f[4], QLatin1Char(','));
        if (l.code == 0 || l.streets.isEmpty())
            Bad(path, index, QStringLiteral("a locality needs a code other than 0 and streets"));
        result.append(l);
    }
    return result;
}

QList<Section> ReadSections(const QString& path) {
    QList<Section> result;
    int index = 0;
    for (const QStringList& f : ReadTsv(path, 5)) {
        ++index;
        Section s;
        s.group = f[0].trimmed();
        s.number = ToInt(path, index, f[1]);
        s.caption = f[2].trimmed();
        s.root = f[3].trimmed();
        s.goods = SplitList(f[4], QLatin1Char(';'));
        if (s.number == 0 || s.goods.isEmpty())
            Bad(path, index, QStringLiteral("a section needs a number other than 0 and goods"));
        result.append(s);
    }
    return result;
}

QList<Record> ReadRecords(const QString& path) {
    QList<Record> records;
    Record current;
    for (const Line& line : ReadLines(path)) {
        if (line.text.trimmed().isEmpty()) {
            if (!current.isEmpty())
                records.append(current);
            current.clear();
            continue;
        }
        const int colon = line.text.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            Bad(path, line.number, QStringLiteral("\"column: value\" expected"));
        QString value = line.text.mid(colon + 1);
        if (value.startsWith(QLatin1Char(' ')))
            value.remove(0, 1);
        current.append({line.text.left(colon).trimmed(), value});
    }
    if (!current.isEmpty())
        records.append(current);
    return records;
}

QMap<QString, QStringList> ReadWordLists(const QString& path) {
    QMap<QString, QStringList> lists;
    QString name;
    for (const Line& line : ReadLines(path)) {
        const QString text = line.text.trimmed();
        if (text.isEmpty())
            continue;
        if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) {
            name = text.mid(1, text.size() - 2);
            continue;
        }
        if (name.isEmpty())
            Bad(path, line.number, QStringLiteral("an entry before the first [list name]"));
        lists[name].append(text);
    }
    return lists;
}

std::vector<TreeNode> ReadTree(const QString& path) {
    std::vector<TreeNode> top;
    std::vector<std::vector<TreeNode>*> levels{&top};
    for (const Line& line : ReadLines(path)) {
        if (line.text.trimmed().isEmpty())
            continue;
        qsizetype indent = 0;
        while (line.text.at(indent).isSpace())
            ++indent;
        if (indent % 4 != 0 || line.text.left(indent).contains(QLatin1Char('\t')))
            Bad(path, line.number, QStringLiteral("indent by four blanks per level"));
        const qsizetype level = indent / 4;
        if (level >= static_cast<qsizetype>(levels.size()))
            Bad(path, line.number, QStringLiteral("indented deeper than its parent"));
        levels.resize(level + 1);
        TreeNode node;
        const QString text = line.text.trimmed();
        const int bar = text.indexOf(QLatin1Char('|'));
        node.caption = (bar < 0 ? text : text.left(bar)).trimmed();
        node.tag = bar < 0 ? QString() : text.mid(bar + 1).trimmed();
        std::vector<TreeNode>& siblings = *levels.back();
        siblings.push_back(std::move(node));
        levels.push_back(&siblings.back().children);
    }
    return top;
}
