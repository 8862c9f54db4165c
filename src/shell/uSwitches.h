#pragma once

#include <QString>
#include <QStringList>

// The command line as the program reads it: only "/edit", "/log" and "/nedv" mean anything.
class CommandLine {
public:
    CommandLine() = default;
    // args holds the arguments without the program name.
    explicit CommandLine(QStringList args) : args_(std::move(args)) {}
    static CommandLine FromProcess(int argc, char** argv);

    const QStringList& Args() const { return args_; }
    QString First() const { return args_.isEmpty() ? QString() : args_.first(); }

    // True when any argument equals sw, both lowered (ASCII letters only); first match wins.
    bool HasSwitch(const QString& sw) const;
    // Administrator mode: the first argument is exactly "/edit" (case matters).
    bool IsEdit() const { return First() == QLatin1String("/edit"); }
    // Diagnostic log: the first argument is "/log" in any case.
    bool IsLog() const;
    // Real-estate section at start: "/nedv" anywhere, any case.
    bool IsNedv() const { return HasSwitch(QStringLiteral("/nedv")); }

private:
    QStringList args_;
};

// Lowers the ASCII letters A-Z only; every other character stays as it is.
QString AsciiLower(const QString& s);
QString AsciiUpper(const QString& s);
