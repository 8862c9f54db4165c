#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

// The diagnostic log: one file a day, "log/DDMMYYYY.log" in the program folder, written only
// when the program was started with "/log" as its first argument. Each line is opened, written and
// closed, so nothing stays open between calls.
class Log {
public:
    using Clock = std::function<QDateTime()>;

    // programFolder ends with '/'. enabled: the "/log" switch. clock: the local time (tests set it).
    Log(QString programFolder, bool enabled, Clock clock = {});

    bool Enabled() const { return enabled_; }
    // Appends "DD.MM.YYYY HH:NN:SS : " + message + CR LF in Windows-1251. A diagnostic line never
    // breaks its caller: a write that fails is reported on stderr and dropped.
    void WriteLog(const QString& message) const;

    // "DDMMYYYY.log"
    static QString FileName(const QDate& day);
    QString Folder() const { return programFolder_ + QStringLiteral("log/"); }

private:
    QString programFolder_;
    bool enabled_;
    Clock clock_;
};
