#pragma once

#include <QString>

// What leaves the program: files and addresses handed to the desktop, programs started beside it.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Opens a file path or a web or mail address with the user's default application.
    virtual void OpenUrl(const QString& pathOrAddress) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartProgram(const QString& program) = 0;
};
