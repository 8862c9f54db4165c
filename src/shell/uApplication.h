#pragma once

#include <QApplication>
#include <exception>

class Log;

// "Error: " + message + "(" + class name + ")": the line the application-wide handler logs.
QString AppErrorText(const std::exception& e);

// The application: an exception that escapes an event handler is caught here and written to the log
// (AppError); the user sees nothing and the program goes on.
class VelomarApplication : public QApplication {
    Q_OBJECT
public:
    VelomarApplication(int& argc, char** argv);

    // The log the handler writes to; none until the main window has its log.
    void SetLog(const Log* log) { log_ = log; }
    bool notify(QObject* receiver, QEvent* event) override;
    void AppError(const std::exception& e) const;

private:
    const Log* log_ = nullptr;
};
