#pragma once

#include "pages/HtmlPane.h"

#include <QString>
#include <QStringList>
#include <vector>

// An HTML pane that records what it is asked to do.
class RecordingPane : public HtmlPane {
public:
    void Write(const QString& html) override {
        writes << html;
        calls << QStringLiteral("write");
    }
    void SetBodyStyle(const BodyStyle& style) override {
        styles.push_back(style);
        calls << QStringLiteral("style %1 %2 %3 %4")
                     .arg(style.top)
                     .arg(style.bottom)
                     .arg(style.left)
                     .arg(style.right);
    }
    int ScrollPosition() const override { return scroll; }
    void SetScrollPosition(int y) override { scroll = y; }
    void PrintPreview() override { calls << QStringLiteral("print"); }
    void Navigate(const QString& address) override { calls << QStringLiteral("navigate ") + address; }

    QString Last() const { return writes.isEmpty() ? QString() : writes.last(); }

    QStringList writes;
    QStringList calls;
    std::vector<BodyStyle> styles;
    int scroll = 0;
};
