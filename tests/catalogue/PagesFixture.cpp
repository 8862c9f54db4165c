#include "PagesFixture.h"

#include "shell/uCodePage.h"

#include <QRegularExpression>

PagesFixture::PagesFixture() {
    folder = dir.path() + QLatin1Char('/');
    db = std::make_unique<CatalogueDb>(folder + QStringLiteral("arch.db"));
    for (const char* name : {"item.htm", "itemlogo.htm", "fullitem.htm"}) {
        QFile source(QStringLiteral(VELOMAR_SOURCE_DIR "/data/folder/info/") + QLatin1String(name));
        source.open(QIODevice::ReadOnly);
        WriteFile(QStringLiteral("info/") + QLatin1String(name), QString::fromUtf8(source.readAll()));
    }
    WriteFile(QStringLiteral("info/index.htm"), QStringLiteral("<title_text>|<oher_text>"));
    ctx.programFolder = folder;
    ctx.db = &db->Db();
    display = std::make_unique<PageDisplay>(pane, ctx);
    ctx.display = display.get();
}

void PagesFixture::WriteFile(const QString& relative, const QString& text) {
    const QString path = folder + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(cp1251::Encode(text));
}

QString PagesFixture::LastBody() const {
    return pane.writes.isEmpty() ? QString() : pane.writes.last().section(QLatin1Char('|'), 1);
}

QString PagesFixture::LastTitle() const {
    return pane.writes.isEmpty() ? QString() : pane.writes.last().section(QLatin1Char('|'), 0, 0);
}

QStringList PagesFixture::ListedIds() const {
    QStringList ids;
    static const QRegularExpression link(QStringLiteral("href=\"<idorg>(\\d+)\""));
    for (auto it = link.globalMatch(LastBody()); it.hasNext();)
        ids << it.next().captured(1);
    return ids;
}
