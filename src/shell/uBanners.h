#pragma once

#include <QString>
#include <QStringList>

class HtmlPane;
class Log;

// The left banner: the lines of "banners\left\left.htm", one banner each, shown in file order and
// wrapping after the last.
class LeftBanner {
public:
    // programFolder ends with '/'.
    explicit LeftBanner(QString programFolder) : folder_(std::move(programFolder)) {}

    // The HTML of the next banner with "<file_path>" filled by the program folder, and the index moved
    // on; empty text when the file is missing or empty. A file that has become shorter than the index
    // starts again at its first line.
    QString LeftBannerLine();
    // The line the next call shows.
    int indexLeftBanner() const { return index_; }

    // The file's lines: CR LF, LF or CR end a line; Windows-1251 unless a byte-order mark names UTF-8
    // or UTF-16.
    static QStringList ReadLines(const QString& path);

private:
    QString folder_;
    int index_ = 0;
};

// The four small panes around the main one: the left banner, the two right banners and the header.
// Every write leaves the body borderless, without scroll bars and with margins 0, except the header,
// which keeps 50 pixels at either side until a load of its own completes.
class BannerPanes {
public:
    BannerPanes(HtmlPane& left, HtmlPane& right1, HtmlPane& right2, HtmlPane& top);

    void webl1_write(const QString& s);
    void webr1_write(const QString& s);
    void webr2_write(const QString& s);
    void webt1_write(const QString& s);
    // Document complete of a small pane: margins 0 on all four sides.
    static void webBanerLeftDocumentComplete(HtmlPane& sender);
    // Hands the document-complete events of the four panes to webBanerLeftDocumentComplete.
    void WireDocumentComplete();

    // The fixed fragments of the two right banners.
    static QString RightBanner1(const QString& programFolder);
    static QString RightBanner2(const QString& programFolder);

private:
    HtmlPane& left_;
    HtmlPane& right1_;
    HtmlPane& right2_;
    HtmlPane& top_;
};
