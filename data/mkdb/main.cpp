// velomar_mkdb: the sample program folder and synthetic databases.
//   velomar_mkdb --sample DIR --dist DIR [--folder DIR]   arch.db, pictures and price lists from data/sample
//   velomar_mkdb --mirror DIR --dist DIR                   data/folder into the distribution folder
//   velomar_mkdb --synthetic --out FILE [--orgs N] [--localities L] [--sections S] [--offers M]
//                [--projects P] [--docs D] [--seed K]       a large deterministic arch.db
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMap>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <memory>

#include "Mirror.h"
#include "SampleDb.h"
#include "Synthetic.h"

namespace {

int Usage() {
    std::fputs("usage:\n"
               "  velomar_mkdb --sample DIR --dist DIR [--folder DIR]\n"
               "  velomar_mkdb --mirror DIR --dist DIR\n"
               "  velomar_mkdb --synthetic --out FILE [--orgs N] [--localities L] [--sections S]\n"
               "               [--offers M] [--projects P] [--docs D] [--seed K]\n",
               stderr);
    return 2;
}

void Print(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    QMap<QString, QString> options;
    bool synthetic = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--synthetic")) {
            synthetic = true;
        } else if (arg.startsWith(QStringLiteral("--")) && i + 1 < argc) {
            options.insert(arg.mid(2), QString::fromLocal8Bit(argv[++i]));
        } else {
            return Usage();
        }
    }
    try {
        if (synthetic) {
            if (!options.contains(QStringLiteral("out")))
                return Usage();
            SyntheticSizes sizes;
            const auto number = [&](const char* name, int& target) {
                if (!options.contains(QLatin1String(name)))
                    return true;
                bool ok = false;
                target = options.value(QLatin1String(name)).toInt(&ok);
                return ok && target >= 0;
            };
            int seed = 1;
            if (!number("orgs", sizes.orgs) || !number("localities", sizes.localities) ||
                !number("sections", sizes.sections) || !number("offers", sizes.offers) ||
                !number("projects", sizes.projects) || !number("docs", sizes.docs) || !number("seed", seed))
                return Usage();
            sizes.seed = static_cast<unsigned>(seed);
            QCoreApplication app(argc, argv);
            QElapsedTimer timer;
            timer.start();
            MakeSyntheticDb(options.value(QStringLiteral("out")), sizes);
            Print(QStringLiteral("%1: %2 organisations, %3 offers, %4 projects in %5 ms")
                      .arg(options.value(QStringLiteral("out")))
                      .arg(sizes.orgs)
                      .arg(sizes.offers)
                      .arg(sizes.projects)
                      .arg(timer.elapsed()));
            return 0;
        }
        if (!options.contains(QStringLiteral("dist")))
            return Usage();
        const QString dist = options.value(QStringLiteral("dist"));
        if (options.contains(QStringLiteral("mirror"))) {
            QCoreApplication app(argc, argv);
            for (const QString& warning : MirrorFolder(options.value(QStringLiteral("mirror")), dist))
                std::fprintf(stderr, "warning: %s\n", warning.toUtf8().constData());
            return 0;
        }
        if (options.contains(QStringLiteral("sample"))) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen"); // pictures need fonts, not a display
            QGuiApplication app(argc, argv);
            const SampleCounts c = MakeSampleData(options.value(QStringLiteral("sample")), dist,
                                                  options.value(QStringLiteral("folder")));
            QStringList trees;
            for (auto it = c.treeRows.constBegin(); it != c.treeRows.constEnd(); ++it)
                trees << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
            Print(QStringLiteral(
                      "%1/arch.db: %2 localities x %3 sections, %4 organisations (%5 section links), "
                      "%6 offers, %7 projects, %8 articles; tree rows: %9; %10 pictures, %11 price lists")
                      .arg(dist)
                      .arg(c.localities)
                      .arg(c.sections)
                      .arg(c.organizations)
                      .arg(c.links)
                      .arg(c.offers)
                      .arg(c.projects)
                      .arg(c.articles)
                      .arg(trees.join(QStringLiteral(", ")))
                      .arg(c.pictures)
                      .arg(c.priceFiles));
            return 0;
        }
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velomar_mkdb: %s\n", e.what());
        return 1;
    }
}
