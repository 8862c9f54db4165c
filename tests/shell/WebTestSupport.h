#pragma once

#include "pages/web/WebPane.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QVariant>

// Runs js in the page's own world and waits (bounded) for its result.
inline QVariant Eval(WebPane& pane, const QString& js, int timeoutMs = 5000) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    pane.page()->runJavaScript(js, [&](const QVariant& v) {
        result = v;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();
    return result;
}

// Writes html and waits until the pane shows it.
inline bool WriteAndWait(WebPane& pane, const QString& html, int timeoutMs = 10000) {
    QSignalSpy spy(&pane, &WebPane::written);
    pane.Write(html);
    return spy.wait(timeoutMs) && spy.first().first().toBool();
}
