#pragma once

#include <QString>

// Paths as links and stored data give them (backslashes, "..\\" steps) turned into paths on this machine.

// Every '\' becomes '/'.
QString Slashes(QString path);

// base and relative with every '\' turned into '/'; each leading "../" of relative takes the last folder
// off base (an empty base stays empty); then base + relative.
QString JoinPath(const QString& base, const QString& relative);

// The folder part of path up to and including its last '/' (or '\'); empty when it has none.
QString FolderOf(const QString& path);

// True when path, made absolute against programFolder when it is relative and with its "." and ".."
// steps resolved, lies below programFolder. An existing file is judged by its real location (symbolic
// links followed, the case-insensitive match of ResolvePath applied), so nothing outside the data folder
// is reached through a link either.
bool InsideFolder(const QString& path, const QString& programFolder);

// path as a file name on this machine: '\' turned into '/', relative paths taken below programFolder,
// then resolved like every stored path (ResolvePath).
QString LocalPath(const QString& path, const QString& programFolder);
