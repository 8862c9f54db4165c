#pragma once

#include <QString>
#include <QStringList>

// Copies the hand-made program folder (UTF-8 sources) into the distribution folder: text files
// (.htm .html .css .js .txt .csv) are written in Windows-1251, everything else byte for byte. A file
// whose content is already in place is not rewritten. The folders the program expects are made even
// when empty. Returns the warnings (characters Windows-1251 lacks, written as '?'); throws
// std::runtime_error when a file cannot be read or written.
QStringList MirrorFolder(const QString& sourceDir, const QString& distDir);

// The folders of the program folder that must exist.
const QStringList& ProgramFolders();
