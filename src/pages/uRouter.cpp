#include "pages/uRouter.h"

#include "database/uCodecs.h"
#include "pages/Desktop.h"
#include "pages/uPageDisplay.h"
#include "pages/uPaths.h"
#include "pages/uTemplates.h"
#include "shell/uFiles.h"
#include "shell/uLog.h"
#include "shell/uSwitches.h"

#include <QFileInfo>
#include <cstdlib>
#include <cxxabi.h>
#include <exception>
#include <memory>
#include <typeinfo>

namespace {

const QString kFilePath = QStringLiteral("<file_path>");

QString ClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}

// The text after the first occurrence of marker (exact case).
QString After(const QString& a, const QString& marker) {
    const qsizetype i = a.indexOf(marker);
    return i < 0 ? QString() : a.mid(i + marker.size());
}

// The text after the first occurrence of marker, found without regard to ASCII case.
QString AfterNoCase(const QString& a, const QString& marker) {
    const qsizetype i = IndexNoCase(marker, a);
    return i < 0 ? QString() : a.mid(i + marker.size());
}

QString Spaces(const QString& s) {
    return ReplaceTag(s, QStringLiteral("%20"), QStringLiteral(" "));
}

bool IsFile(const QString& path) {
    return !path.contains(QChar(0)) && QFileInfo(path).isFile();
}

bool IsWebAddress(const QString& s) {
    const QString l = AsciiLower(s);
    return l.startsWith(QLatin1String("http://")) || l.startsWith(QLatin1String("https://")) ||
           l.startsWith(QLatin1String("ftp://"));
}

// The loop of RewriteSrc and RewriteHref: insert goes in front of every value of attr (after its quote).
QString RewriteAttribute(const QString& html, const QString& attr, const QString& insert, bool keepWeb) {
    const QString lower = AsciiLower(html);
    QString out;
    out.reserve(html.size() + html.size() / 8);
    qsizetype pos = 0;
    for (qsizetype i; (i = lower.indexOf(attr, pos)) >= 0;) {
        out += QStringView(html).mid(pos, i + attr.size() - pos);
        pos = i + attr.size();
        if (pos >= html.size())
            continue;
        const QChar c = html[pos];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) {
            if (keepWeb && QStringView(lower).mid(pos + 1, 7) == QLatin1String("http://"))
                continue;
            out += c;
            out += insert;
            ++pos;
        } else {
            out += insert;
        }
    }
    out += QStringView(html).mid(pos);
    return ReplaceTag(out, QStringLiteral("target="), QStringLiteral("no="));
}

} // namespace

QString UrlParam(const QString& key, const QString& text) {
    const QString wanted = AsciiUpper(key) + QLatin1Char('=');
    const qsizetype i = AsciiUpper(text).indexOf(wanted);
    if (i < 0)
        return QString();
    const qsizetype start = i + wanted.size();
    const qsizetype end = text.indexOf(QLatin1Char('&'), start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

QString OrJoin(const QString& a, const QString& b) {
    return a.isEmpty() ? b : a + QStringLiteral(" or ") + b;
}

QString RewriteSrc(const QString& html) {
    return RewriteAttribute(html, QStringLiteral("src="), kFilePath, true);
}

QString RewriteHref(const QString& html, const QString& folder) {
    return RewriteAttribute(html, QStringLiteral("href="), QStringLiteral("<id_file>") + folder, false);
}

QString RemovePrefix(const QString& a) {
    const QString l = AsciiLower(a);
    if (l.contains(QLatin1String("about:blank")))
        return a.mid(11);
    if (l.contains(QLatin1String("about:")))
        return a.mid(6);
    return a;
}

QString Router::PostedText(const QByteArray& postData) {
    const qsizetype zero = postData.indexOf('\0');
    return QString::fromLatin1(postData.constData(), zero < 0 ? postData.size() : zero);
}

Router::Router(AppContext& ctx, HtmlPane& mainPane, PageTargets targets)
    : ctx_(ctx), mainPane_(mainPane), targets_(targets) {}

void Router::WriteLog(const QString& line) const {
    if (ctx_.log)
        ctx_.log->WriteLog(line);
}

bool Router::WebBrowserBeforeNavigate2(const QString& url, const QByteArray& postData) {
    bool cancel = false;
    lastRow_ = 0;
    try {
        const QString a = ReplaceTag(url, QStringLiteral("%3A"), QStringLiteral(":"));
        WriteLog(QStringLiteral("url: ") + a);
        cancel = Dispatch(url, a, postData);
    } catch (const std::exception& e) {
        // What the main window's error handler would write; the event must not carry it further.
        cancel = lastRow_ != 28;
        WriteLog(QStringLiteral("Error: ") + QString::fromLocal8Bit(e.what()) + QLatin1Char('(') +
                 ClassName(typeid(e)) + QLatin1Char(')'));
    } catch (...) {
        cancel = lastRow_ != 28;
        WriteLog(QStringLiteral("Error: (unknown)"));
    }
    return cancel;
}

// The rows are tested in this order and the first that matches decides; every row but the last cancels
// the pane's own navigation, also when it then has nothing to do. lastRow_ is set before a row acts, so
// that an error inside it still leaves the navigation cancelled.
bool Router::Dispatch(const QString& url, const QString& a, const QByteArray& postData) {
    const QString lower = AsciiLower(a);
    auto has = [&](const char* s) { return a.contains(QLatin1String(s)); };
    auto hasAnyCase = [&](const char* s) { return lower.contains(QLatin1String(s)); };
    auto row = [&](int n) {
        lastRow_ = n;
        return true;
    };
    PageDisplay& display = *ctx_.display;
    CatalogueTarget* const catalogue = targets_.catalogue;
    RealtyTarget* const realty = targets_.realty;
    lastRow_ = 0;

    const QString option = UrlParam(QStringLiteral("option"), a);
    if (hasAnyCase("<price>") && row(1)) {
        Price(a);
    } else if (hasAnyCase("mailto:") && row(2)) {
        Mail(a);
    } else if (has("<next_page_dom>") && row(3)) {
        AddressForward();
    } else if (has("<back_page_dom>") && row(4)) {
        AddressBack();
    } else if (option == QLatin1String("nov") && row(5)) {
        if (realty)
            realty->ShowNovList(UrlParam(QStringLiteral("sri"), a), UrlParam(QStringLiteral("spage"), a));
    } else if (option == QLatin1String("com_content") && row(6)) {
        display.RecordAddress(url);
        if (realty) {
            try {
                realty->ShowArticle(UrlDecodeWide(UrlParam(QStringLiteral("id"), a)));
            } catch (...) { // a broken link shows nothing; the page on screen stays
            }
        }
    } else if (has("<dom_file>") && row(7)) {
        display.RecordAddress(url);
        if (realty)
            realty->ShowDomFile(After(a, QStringLiteral("<dom_file>")));
    } else if (has("<search_dom>") && row(8)) {
        display.RecordAddress(url);
        if (realty)
            realty->ShowDomFilter(PostedText(postData));
    } else if (hasAnyCase("menudomid") && row(9)) {
        display.RecordAddress(url);
        if (realty)
            realty->ShowDomMenuList(UrlParam(QStringLiteral("PageNextDomList"), a),
                                    UrlParam(QStringLiteral("MenuDomID"), a),
                                    UrlParam(QStringLiteral("SortDom"), a));
    } else if (hasAnyCase("itemdomid") && row(10)) {
        display.RecordAddress(url);
        if (realty)
            realty->ShowDomItem(UrlParam(QStringLiteral("ItemDomID"), a));
    } else if (hasAnyCase("pagenextdomlist") && row(11)) {
        display.RecordAddress(url);
        if (realty)
            realty->ShowDomListPage(UrlParam(QStringLiteral("PageNextDomList"), a),
                                    UrlParam(QStringLiteral("SortDom"), a));
    } else if (has("<search>") && row(12)) {
        if (catalogue) {
            try {
                catalogue->SearchFromPost(PostedText(postData));
            } catch (...) { // the search reports what it must itself; the page on screen stays
            }
        }
    } else if (has("<loadrazs>") && row(13)) {
        ctx_.Web_Path.clear();
        if (catalogue)
            catalogue->ShowSectionList(UrlParam(QStringLiteral("razd"), a),
                                       UrlParam(QStringLiteral("sity"), a));
    } else if (has("<id_home>") && row(14)) {
        HomePage();
    } else if (has("<idorgno>") && row(15)) {
        SetOrgVisible(a, QStringLiteral("<idorgno>"), false);
    } else if (has("<idorgye>") && row(16)) {
        SetOrgVisible(a, QStringLiteral("<idorgye>"), true);
    } else if (has("<idorg>") && row(17)) {
        if (catalogue) {
            try {
                catalogue->ShowOrgCard(After(a, QStringLiteral("<idorg>")));
            } catch (...) { // a card that fails is not shown; the page on screen stays
            }
        }
    } else if (has("<id_print>") && row(18)) {
        PrintIE();
    } else if (has("<id_file>") && row(19)) {
        BareStaticPage(a);
    } else if (has("<id_rb1>") && row(20)) {
        BannerPage(a, QStringLiteral("<id_rb1>"));
    } else if (has("<id_rb2>") && row(21)) {
        BannerPage(a, QStringLiteral("<id_rb2>"));
    } else if (has("<id_tb1>") && row(22)) {
        BannerPage(a, QStringLiteral("<id_tb1>"));
    } else if (hasAnyCase(".exe") && row(23)) {
        RunProgram(a);
    } else if (hasAnyCase("<stati>") && row(24)) {
        StatiPage(a);
    } else if ((hasAnyCase(".zip") || hasAnyCase(".rar") || hasAnyCase(".doc")) && row(25)) {
        OpenDocument(a);
    } else if (hasAnyCase("<linksearch>") && row(26)) {
        LinkSearchPage(a);
    } else if (!ctx_.Web_Path.trimmed().isEmpty() && row(27)) {
        RelativeStaticPage(a);
    } else {
        lastRow_ = 28;
        return false;
    }
    return true;
}

bool Router::Refuse(const QString& path, const QString& what) const {
    // Links come from pages, data files and updates: whatever they say, nothing outside the program
    // folder is read, started or opened through them.
    if (InsideFolder(path, ctx_.programFolder))
        return false;
    WriteLog(QStringLiteral("Refused ") + what + QStringLiteral(" outside the program folder: ") + path);
    return true;
}

void Router::Price(const QString& a) {
    const QString rest = AfterNoCase(Spaces(a), QStringLiteral("<price>"));
    if (IsWebAddress(rest)) {
        ctx_.desktop->OpenUrl(rest);
        return;
    }
    // Price files lie below the program folder; a path elsewhere could hand any file (a program, a
    // launcher) to the desktop's default handler.
    if (rest.isEmpty() || Refuse(rest, QStringLiteral("price file")))
        return;
    ctx_.desktop->OpenUrl(LocalPath(rest, ctx_.programFolder));
}

void Router::Mail(const QString& a) {
    // From the scheme on: the pane may report the address behind its "about:" prefix.
    ctx_.desktop->OpenUrl(a.mid(IndexNoCase(QStringLiteral("mailto:"), a)));
}

void Router::AddressForward() {
    ctx_.display->NextPageDom();
}

void Router::AddressBack() {
    if (ctx_.display->BackPageDom() == PageDisplay::AddressStep::PastOldest && targets_.sections)
        targets_.sections->bTabNedvClick();
}

void Router::HomePage() {
    ctx_.Web_Path.clear();
    const QString text =
        LoadTextFile(ctx_.ProgramPath(QStringLiteral("info/start.htm")), ctx_.log, ctx_.programFolder);
    ctx_.display->ShowPage(ReplaceTag(text, kFilePath, ctx_.programFolder), QString());
}

void Router::SetOrgVisible(const QString& a, const QString& marker, bool visible) {
    if (!targets_.catalogue)
        return;
    try {
        targets_.catalogue->SetOrgVisible(After(a, marker), visible);
        ctx_.display->ShowNewestPage();
    } catch (...) { // the listing on screen stays as it was
    }
}

void Router::PrintIE() {
    try {
        mainPane_.PrintPreview();
    } catch (...) { // a preview that cannot open is not reported
    }
}

void Router::FramedStaticPage(const QString& path) {
    QString text = LoadTextFile(LocalPath(path, ctx_.programFolder), ctx_.log, ctx_.programFolder);
    text = RewriteSrc(text);
    text = ReplaceTag(text, kFilePath, FolderOf(path));
    ctx_.display->ShowPage(text, QString());
}

void Router::BareStaticPage(const QString& a) {
    const QString path = JoinPath(ctx_.programFolder + After(a, QStringLiteral("<id_file>")), QString());
    if (Refuse(path, QStringLiteral("page")))
        return;
    ctx_.Web_Path = FolderOf(path);
    const QString relativeFolder = ctx_.Web_Path.mid(ctx_.programFolder.size());
    QString text = LoadTextFile(path, ctx_.log, ctx_.programFolder);
    text = RewriteSrc(text);
    text = RewriteHref(text, relativeFolder);
    text = ReplaceTag(text, kFilePath, ctx_.Web_Path);
    ctx_.display->ShowBarePage(text);
}

void Router::BannerPage(const QString& a, const QString& marker) {
    const QString path = JoinPath(ctx_.programFolder + After(a, marker), QString());
    if (Refuse(path, QStringLiteral("page")))
        return;
    ctx_.Web_Path = FolderOf(path);
    QString text = LoadTextFile(path, ctx_.log, ctx_.programFolder);
    text = RewriteSrc(text);
    text = ReplaceTag(text, kFilePath, ctx_.Web_Path);
    ctx_.display->ShowPage(text, QString());
}

void Router::RunProgram(QString a) {
    a = RemovePrefix(a);
    const qsizetype scheme = a.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        a = a.mid(scheme + 3);
    if (!Slashes(a).startsWith(QLatin1Char('/'))) { // no root: beside the program or the page on screen
        WriteLog(a);
        a = Slashes(a);
        WriteLog(a);
        // Where a drive letter that lost its colon would be repaired; paths here have none, the line stays.
        WriteLog(a);
        if (!IsFile(LocalPath(a, ctx_.programFolder)))
            a = JoinPath(ctx_.Web_Path, a);
    }
    a = Spaces(a);
    WriteLog(a);
    // Only a program that lies in the data folder is started: a link could otherwise start anything on
    // the machine. It is started directly, never through a shell.
    const QString program = LocalPath(a, ctx_.programFolder);
    if (Refuse(program, QStringLiteral("program")))
        return;
    if (!IsFile(program)) {
        WriteLog(QStringLiteral("No program: ") + program);
        return;
    }
    ctx_.desktop->StartProgram(program);
}

void Router::StatiPage(const QString& a) {
    QString path = Slashes(Spaces(AfterNoCase(a, QStringLiteral("<stati>"))));
    // A relative path (the INFO search gives those) means the program folder, whatever the working folder.
    if (!path.isEmpty() && !path.startsWith(QLatin1Char('/')))
        path = ctx_.programFolder + path;
    if (Refuse(path, QStringLiteral("page")))
        return;
    ctx_.Web_Path = FolderOf(path);
    FramedStaticPage(path);
    WriteLog(path);
    WriteLog(ctx_.Web_Path);
}

void Router::OpenDocument(QString a) {
    a = RemovePrefix(a);
    if (ctx_.Web_Path.isEmpty())
        ctx_.Web_Path = ctx_.programFolder;
    a = Spaces(JoinPath(ctx_.Web_Path, a));
    // Documents are handed to their default application: only those of the data folder.
    if (Refuse(a, QStringLiteral("document")))
        return;
    ctx_.desktop->OpenUrl(LocalPath(a, ctx_.programFolder));
}

void Router::LinkSearchPage(const QString& a) {
    const QString path = Spaces(JoinPath(ctx_.programFolder, AfterNoCase(a, QStringLiteral("<linksearch>"))));
    if (Refuse(path, QStringLiteral("page")))
        return;
    ctx_.Web_Path = FolderOf(path);
    FramedStaticPage(path);
}

void Router::RelativeStaticPage(QString a) {
    const QString path = Spaces(JoinPath(ctx_.Web_Path, RemovePrefix(a)));
    if (Refuse(path, QStringLiteral("page")))
        return;
    FramedStaticPage(path);
    WriteLog(QStringLiteral("Result: ") + path);
}
