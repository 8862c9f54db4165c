#pragma once

#include "pages/Desktop.h"
#include "pages/HtmlPane.h"

#include <QList>
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
    void SetScrollPosition(int y) override {
        scrollsSet << y;
        scroll = y;
    }
    void PrintPreview() override {
        calls << QStringLiteral("print");
        if (journal)
            *journal << QStringLiteral("PrintPreview");
    }
    void Navigate(const QString& address) override {
        navigations << address;
        calls << QStringLiteral("navigate ") + address;
    }

    QString Last() const { return writes.isEmpty() ? QString() : writes.last(); }

    QStringList writes;
    QStringList navigations;
    QStringList calls;
    std::vector<BodyStyle> styles;
    QList<int> scrollsSet;
    int scroll = 0;
    QStringList* journal = nullptr; // when set, also gets "PrintPreview"
};

// A desktop that records what it is handed instead of opening or starting it.
class RecordingDesktop : public Desktop {
public:
    void OpenUrl(const QString& pathOrAddress) override {
        opened << pathOrAddress;
        if (journal)
            *journal << QStringLiteral("OpenUrl|") + pathOrAddress;
    }
    bool StartProgram(const QString& program) override {
        started << program;
        if (journal)
            *journal << QStringLiteral("StartProgram|") + program;
        return startSucceeds;
    }

    QStringList opened;
    QStringList started;
    bool startSucceeds = true;
    QStringList* journal = nullptr; // when set, also gets "OpenUrl|..." and "StartProgram|..."
};
