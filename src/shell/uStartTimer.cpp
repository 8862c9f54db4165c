#include "shell/uStartTimer.h"

#include "pages/web/WebPane.h"

#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Time the process spent before main: now minus its start time in /proc (Linux), in ms.
qint64 TimeBeforeMain() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return 0;
    const double startTicks = fields[19].toDouble(); // field 22: start time after boot
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    const double startMs = startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
    return nowMs > startMs ? qint64(nowMs - startMs) : 0;
}

} // namespace

StartTimer::StartTimer() : beforeMain_(TimeBeforeMain()) {
    timer_.start();
}

qint64 StartTimer::Elapsed() const {
    return beforeMain_ + timer_.elapsed();
}

void StartTimer::Watch(WebPane& pane, const Log&) {
    if (qEnvironmentVariableIsEmpty("VELOMAR_STARTUP_TIME"))
        return;
    connect(&pane, &WebPane::written, this, [this, &pane](bool) {
        if (reported_)
            return;
        reported_ = true;
        // The page is loaded; the next frame of the view paints it.
        QTimer::singleShot(0, &pane, [this] {
            std::fprintf(stderr, "startup: %lld ms\n", static_cast<long long>(Elapsed()));
            std::fflush(stderr);
        });
    });
}
