#pragma once

#include <QString>

class Log;

// Turns a stored path (backslashes, Windows letter case) into a path on this machine: '\' and '/'
// both become '/'; when the exact path does not exist, each component below programFolder is
// matched without regard to case. Paths outside programFolder are only converted, never searched.
QString ResolvePath(const QString& path, const QString& programFolder = QString());

// The whole file as Windows-1251 text, or empty text. Never throws: a missing file gives empty text
// silently; a read error gives what was read so far and its reason goes to the log.
QString LoadTextFile(const QString& path, const Log* log = nullptr, const QString& programFolder = QString());

// Whether a stored path names an existing file (same resolution as LoadTextFile).
bool StoredFileExists(const QString& path, const QString& programFolder = QString());

struct DiskSpace {
    double total = 0;
    double freeForUser = 0;
};
// Size of the volume that holds folder and the bytes free for this user; zeros when it cannot be queried.
DiskSpace GetDiskSpace(const QString& folder);
