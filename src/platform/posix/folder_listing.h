#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kestrune {

// The visible entries of one folder, each list sorted with sortNames.
struct FolderListing {
    QStringList folders;  // sub-folders, links to folders included
    QStringList files;    // everything else that is not a folder
};

// Reads `path` in one pass. Names starting with "." are left out, as file
// managers do. A failure to open or read the folder throws the numbered error
// mapped from the OS error.
FolderListing listFolder(const QString& path);

// Orders names as people look them up: letter case ignored, code unit by code
// unit, with the exact comparison breaking ties so that the order is total.
void sortNames(QStringList& names);

// True for the name of a list file: "*.txt" in any letter case.
bool isListFileName(QStringView name);

}  // namespace kestrune
