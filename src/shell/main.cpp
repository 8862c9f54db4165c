#include "shell/uSwitches.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

// Until the main window lands, the program reports what it finds in its folder.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    std::printf("Velomar program folder: %s\n", qPrintable(folder));
    std::printf("arch.db: %s\n", QDir(folder).exists(QStringLiteral("arch.db")) ? "present" : "missing");
    return 0;
}
