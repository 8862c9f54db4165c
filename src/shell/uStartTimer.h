#pragma once

#include <QElapsedTimer>
#include <QObject>

class Log;
class WebPane;

// Measures the time from the start of the process to the start page on screen. With the environment
// variable VELOMAR_STARTUP_TIME set, the figure goes to stderr as "startup: N ms".
class StartTimer : public QObject {
    Q_OBJECT
public:
    StartTimer();
    // Reports once, when pane has shown its first written page.
    void Watch(WebPane& pane, const Log& log);
    // Milliseconds since the process started (its start time from the system when known).
    qint64 Elapsed() const;

private:
    QElapsedTimer timer_;
    qint64 beforeMain_ = 0;
    bool reported_ = false;
};
