#include "shell/uSwitches.h"

CommandLine CommandLine::FromProcess(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return CommandLine(args);
}

bool CommandLine::HasSwitch(const QString& sw) const {
    const QString wanted = AsciiLower(sw);
    for (const QString& a : args_)
        if (AsciiLower(a) == wanted)
            return true;
    return false;
}

bool CommandLine::IsLog() const {
    return AsciiLower(First()) == QLatin1String("/log");
}

QString AsciiLower(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

QString AsciiUpper(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - ('a' - 'A'));
    return out;
}
