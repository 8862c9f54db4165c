#pragma once

#include <QMap>
#include <QString>

// The rows and files made for the sample program folder.
struct SampleCounts {
    int localities = 0;
    int sections = 0;
    int organizations = 0;
    int links = 0; // orginrazd rows
    int offers = 0;
    int projects = 0;
    int articles = 0; // jos_db2_content rows
    QMap<QString, int> treeRows;
    int pictures = 0;
    int priceFiles = 0;
};

// Builds distDir + "/arch.db" from the readable sources in sourceDir (written beside it and renamed
// into place when complete) and writes into distDir the pictures and price lists its rows name.
// A file that folderDir (the hand-made program folder) already holds is not made: the hand-made one
// is mirrored instead. Drawing needs a QGuiApplication. Throws SourceError or DbError.
SampleCounts MakeSampleData(const QString& sourceDir, const QString& distDir, const QString& folderDir);
