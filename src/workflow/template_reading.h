#pragma once

#include "folders.h"
#include "runtime_error.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The folder of standard files that a list's presses copy into the folders
// they make: "X.ひな形" beside the list "X.txt". Read once per plan through
// the folder interface, by handle from its top, following no link inside it.
namespace kestrune {

// Something a template holds, as read.
struct TemplateItem {
    QStringList levels;  // its path below the template's top, one name a level
    bool folder = false;
    qint64 size = 0;     // a file's
    QString skipReason;  // not copied, and why: a link, a device, a lock or system file
};

struct TemplateTree {
    QString path;                         // the template's folder; empty when the press has none
    QList<TemplateItem> items;            // each folder before what it holds; names in order within a folder
    std::optional<RuntimeError> failure;  // it could not be read (path and reason): the press is refused
    std::shared_ptr<OpenFolder> folder;   // its top, held open: the press copies through it

    bool isEmpty() const { return path.isEmpty(); }
};

// "X.ひな形" beside the list file "X.txt" (its last suffix replaced); empty
// for a pasted list, which has no file.
QString templatePathFor(const QString& listFilePath);

// Why a file of a template is not copied, by its name alone: an Office or
// LibreOffice lock file or a file a system leaves behind. Empty when it is copied.
QString junkFileReason(const QString& name);

// Reads the template folder at `path` (links along the path followed, as the
// person sees it). Links, devices, sockets and FIFOs inside, and junk files,
// are listed with why they are skipped; a link is never followed. Any folder
// that cannot be read fails the whole template.
TemplateTree readTemplate(Folders& folders, const QString& path);

}  // namespace kestrune
