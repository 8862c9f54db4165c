#pragma once

#include "catalogue/uTreeNodes.h"

#include <QList>
#include <QString>
#include <functional>

struct AppContext;

// The two pages of the organisation catalogue: the section list (the organisations of one section in
// one locality) and the organisation card, and the administrator's hide and show.
class OrgPages {
public:
    // nodes: the catalogue tree's nodes in display order (section titles).
    OrgPages(AppContext& ctx, std::function<QList<CatalogueNode>()> nodes);

    // The organisations of section razd in locality city, titled with the section's caption. Nothing is
    // shown (the page on screen stays) when no organisation is listed or anything fails.
    void ShowSectionList(const QString& razd, const QString& city);
    // The caption of the section node numbered razd; empty text when there is none.
    QString SectionTitle(const QString& razd) const;
    // One "<loadrazs>" link per section of organisation id, each in locality city.
    QString OrgSectionLinks(const QString& id, const QString& city);
    // The card of organisation id ("<idorg>"), hidden or not. Nothing is shown for an unknown id.
    void ShowCard(const QString& id);
    // Publishes (visible) or hides organisation id; true when the change was stored.
    bool SetOrgVisible(const QString& id, bool visible);

    // The card's e-mail line for a mail_org value (one address, or several joined by "|").
    static QString MailLine(const QString& mails);

private:
    AppContext& ctx_;
    std::function<QList<CatalogueNode>()> nodes_;
};
