#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// A file name pattern such as "*.txt" ("*" any run, "?" one character; several
// patterns separated by ";"), matched regardless of letter case.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern);

    const QString& text() const { return text_; }
    bool matches(const QString& name) const;

private:
    struct Part {
        QString folded;  // case-folded; without the leading "*" when tailOnly
        bool tailOnly;   // "*" then plain text: only the end of a name is compared
    };

    QString text_;
    QList<Part> parts_;
};

}  // namespace kestrune
