#pragma once

#include "pages/Desktop.h"

class Log;

// Desktop on Qt: files and addresses go to QDesktopServices, programs to QProcess::startDetached.
// Nothing passes through a shell.
class QtDesktop : public Desktop {
public:
    // programFolder (ending with '/') resolves stored paths; log may be null.
    explicit QtDesktop(QString programFolder, const Log* log = nullptr);

    // A web ("http", "https", "ftp") or mail ("mailto") address is opened as it is; anything else is a
    // file path, resolved like every stored path and opened as a local file.
    void OpenUrl(const QString& pathOrAddress) override;
    // program is a file path; it is started without arguments and without waiting.
    bool StartProgram(const QString& program) override;

private:
    QString programFolder_;
    const Log* log_;
};
