#include "pages/uPageDisplay.h"

#include "pages/uTemplates.h"
#include "shell/uFiles.h"

namespace {
const QString kSeparator = QStringLiteral(":#");
}

PageDisplay::PageDisplay(HtmlPane& pane, const AppContext& ctx) : pane_(pane), ctx_(ctx) {}

QString PageDisplay::LoadTemplate(const QString& relative) const {
    return LoadTextFile(ctx_.ProgramPath(relative), ctx_.log, ctx_.programFolder);
}

void PageDisplay::web_write(const QString& html) {
    pane_.Write(html);
}

void PageDisplay::ShowPage(const QString& body, const QString& title) {
    QString page = LoadTemplate(QStringLiteral("info/index.htm"));
    page = ReplaceTag(page, QStringLiteral("<file_path>"), ctx_.programFolder);
    page = ReplaceTag(page, QStringLiteral("<oher_text>"), body);
    page = ReplaceTag(page, QStringLiteral("<title_text>"), title);
    RecordAndWrite(page);
}

void PageDisplay::ShowBarePage(const QString& html) {
    RecordAndWrite(html);
}

void PageDisplay::ShowDomPage(const QString& body, bool withMenu) {
    QString page = LoadTemplate(QStringLiteral("info/index2.htm"));
    page = ReplaceTag(page, QStringLiteral("<file_path>"), ctx_.programFolder);
    if (withMenu)
        page =
            ReplaceTag(page, QStringLiteral("<dom_menu>"), LoadTemplate(QStringLiteral("info/dom_menu.htm")));
    page = ReplaceTag(page, QStringLiteral("<oher_text>"), body);
    web_write(page);
}

void PageDisplay::RecordAndWrite(const QString& html) {
    while (stNextPage_.size() - 1 > indexNextPage_)
        stNextPage_.removeLast();
    stNextPage_.append(QStringLiteral("0:#") + html);
    indexNextPage_ = int(stNextPage_.size()) - 1;
    if (indexNextPage_ > 0) // the previous page is still on screen: keep where it was scrolled to
        stNextPage_[indexNextPage_ - 1] =
            SetHistoryScroll(pane_.ScrollPosition(), stNextPage_[indexNextPage_ - 1]);
    web_write(html);
    SetButtonStates();
    if (stNextPage_.size() > MaxPages) {
        stNextPage_.removeFirst();
        --indexNextPage_;
    }
}

void PageDisplay::ShowEntry(int index) {
    const QString& entry = stNextPage_[index];
    web_write(GetHistoryPage(entry));
    pane_.SetScrollPosition(GetHistoryScroll(entry));
}

void PageDisplay::sbBackClick() {
    if (indexNextPage_ <= 0)
        return;
    stNextPage_[indexNextPage_] = SetHistoryScroll(pane_.ScrollPosition(), stNextPage_[indexNextPage_]);
    --indexNextPage_;
    ShowEntry(indexNextPage_);
    SetButtonStates();
}

void PageDisplay::sbNextClick() {
    if (indexNextPage_ >= stNextPage_.size() - 1)
        return;
    if (indexNextPage_ > 0)
        stNextPage_[indexNextPage_] = SetHistoryScroll(pane_.ScrollPosition(), stNextPage_[indexNextPage_]);
    ++indexNextPage_;
    ShowEntry(indexNextPage_);
    SetButtonStates();
}

void PageDisplay::ShowNewestPage() {
    if (!stNextPage_.isEmpty())
        ShowEntry(int(stNextPage_.size()) - 1);
}

void PageDisplay::SetButtonStates() {
    if (onButtonStates)
        onButtonStates(BackEnabled(), NextEnabled());
}

QString PageDisplay::SetHistoryScroll(int n, const QString& entry) {
    const qsizetype sep = entry.indexOf(kSeparator);
    if (sep < 0)
        return entry;
    return QString::number(n) + entry.mid(sep);
}

int PageDisplay::GetHistoryScroll(const QString& entry) {
    const qsizetype sep = entry.indexOf(kSeparator);
    if (sep < 0)
        return 0;
    bool ok = false;
    const int n = entry.left(sep).toInt(&ok);
    return ok ? n : 0;
}

QString PageDisplay::GetHistoryPage(const QString& entry) {
    const qsizetype sep = entry.indexOf(kSeparator);
    return sep < 0 ? QString() : entry.mid(sep + kSeparator.size());
}

void PageDisplay::RecordAddress(const QString& address) {
    if (!KeyNextPageStr_) {
        KeyNextPageStr_ = true;
        return;
    }
    for (int i = 0; i < indexNextPageStr_ && !stNextPageStr_.isEmpty(); ++i)
        stNextPageStr_.removeLast();
    stNextPageStr_.append(address);
    indexNextPageStr_ = 0;
}

bool PageDisplay::NextPageDom() {
    if (indexNextPageStr_ <= 0)
        return false;
    --indexNextPageStr_;
    KeyNextPageStr_ = false;
    pane_.Navigate(stNextPageStr_[stNextPageStr_.size() - 1 - indexNextPageStr_]);
    return true;
}

PageDisplay::AddressStep PageDisplay::BackPageDom() {
    if (indexNextPageStr_ >= stNextPageStr_.size())
        return AddressStep::Nothing;
    ++indexNextPageStr_;
    if (indexNextPageStr_ == stNextPageStr_.size())
        return AddressStep::PastOldest;
    KeyNextPageStr_ = false;
    pane_.Navigate(stNextPageStr_[stNextPageStr_.size() - 1 - indexNextPageStr_]);
    return AddressStep::Navigated;
}
