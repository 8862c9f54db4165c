#include "shell/uBanners.h"

#include "pages/HtmlPane.h"
#include "pages/uTemplates.h"
#include "shell/uCodePage.h"
#include "shell/uFiles.h"

#include <QFile>
#include <QStringDecoder>

QStringList LeftBanner::ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QString text;
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decode(*bom); // skips the mark
        text = decode(bytes);
    } else {
        text = cp1251::Decode(bytes);
    }
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString LeftBanner::LeftBannerLine() {
    const QString stored = folder_ + QStringLiteral("banners\\left\\left.htm");
    if (!StoredFileExists(stored, folder_))
        return {};
    const QStringList lines = ReadLines(ResolvePath(stored, folder_));
    if (lines.isEmpty())
        return {};
    // A file replaced by a shorter one while the program runs starts again at its first line.
    if (index_ >= lines.size())
        index_ = 0;
    const QString line = ReplaceTag(lines.at(index_), QStringLiteral("<file_path>"), folder_);
    ++index_;
    if (index_ > lines.size() - 1)
        index_ = 0;
    return line;
}

BannerPanes::BannerPanes(HtmlPane& left, HtmlPane& right1, HtmlPane& right2, HtmlPane& top)
    : left_(left), right1_(right1), right2_(right2), top_(top) {}

void BannerPanes::webl1_write(const QString& s) {
    left_.Write(s);
    left_.SetBodyStyle({0, 0, 0, 0});
}

void BannerPanes::webr1_write(const QString& s) {
    right1_.Write(s);
    right1_.SetBodyStyle({0, 0, 0, 0});
}

void BannerPanes::webr2_write(const QString& s) {
    right2_.Write(s);
    right2_.SetBodyStyle({0, 0, 0, 0});
}

void BannerPanes::webt1_write(const QString& s) {
    top_.Write(s);
    top_.SetBodyStyle({0, 0, 50, 50});
}

void BannerPanes::webBanerLeftDocumentComplete(HtmlPane& sender) {
    sender.SetBodyStyle({0, 0, 0, 0});
}

void BannerPanes::WireDocumentComplete() {
    for (HtmlPane* pane : {&left_, &right1_, &right2_, &top_})
        pane->onDocumentComplete = [pane] { webBanerLeftDocumentComplete(*pane); };
}

QString BannerPanes::RightBanner1(const QString& programFolder) {
    return QStringLiteral("<html><center><a href=\"<id_rb1>pages\\rundo\\index.htm\"><img border=0 src=\"") +
           programFolder + QStringLiteral("banners\\banerlimta.gif\"></a></center></html>");
}

QString BannerPanes::RightBanner2(const QString& programFolder) {
    return QStringLiteral(
               "<html><center><a href=\"<id_rb2>pages\\pelmorin\\index.html\"><img border=0 src=\"") +
           programFolder + QStringLiteral("banners\\banersolvo.gif\"></a></center></html>");
}
