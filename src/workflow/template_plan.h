#pragma once

#include "line_preview.h"
#include "list_expansion.h"
#include "list_preview.h"
#include "template_reading.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

// What a template puts into the folders of one press, worked out before
// anything is made. Files at the template's top go into every parent; each
// folder N at its top holds what goes into every folder the press makes or
// fills whose own name is N (its files, and its folders with what they hold).
// Names meet as folder names do, and the template's names take the notation.
namespace kestrune {

// The most files one press copies, and their most bytes, over all parents:
// a template that would copy more refuses the list, before anything is made.
inline constexpr qint64 mostTemplateFilesPerPress = 10000;
inline constexpr qint64 mostTemplateBytesPerPress = qint64{4} << 30;

enum class CopyStatus {
    File,     // copied (a folder of the template: made)
    Exists,   // filling in: there already, and kept as it is
    Skipped,  // not copied: a link, a device, a lock or system file, a name an earlier file took
    Unsafe,   // copied as named, but Windows cannot hold the name
    Refused,  // the press is refused because of it
};

constexpr bool copiesFile(CopyStatus status)
{
    return status == CopyStatus::File || status == CopyStatus::Unsafe;
}

// The word a dry run prints for a copy's status, and all of them for --help.
QStringView copyStatusWord(CopyStatus status);
QString copyStatusWords();

// One file, or folder, a template puts into the new tree.
struct TemplateCopy {
    QString path;         // below the parent, levels joined by "/": "A社/見積/見積書.xlsx"
    QStringList source;   // its levels in the template
    bool folder = false;  // a folder of the template: made (or kept) before what it holds
    CopyStatus status = CopyStatus::File;
    QString reason = {};   // Skipped, Unsafe and Refused: why
    qint64 size = 0;       // a file's
    qsizetype entry = -1;  // the preview entry that brings the folder it goes into; -1: the parent's own
};

struct TemplatePlan {
    QString path;                         // the template; empty when the press has none
    std::optional<RuntimeError> failure;  // it could not be read
    std::shared_ptr<OpenFolder> folder;   // its top, held open for the copies
    // Compared with the disk parent by parent (filling in), or a table whose
    // rows go to their own parents: then each parent has its own copies;
    // otherwise one list serves every parent.
    bool perParent = false;
    QList<QList<TemplateCopy>> copiesByParent;  // in the order made: the parent's own, then by entry
    QStringList unusedFolders;                  // top-level folders that match no folder of the press
    QList<TemplateItem> skipped;                // what the template holds that is never copied, and why
    QStringList askedNames;                     // every {?名前} of the template's names
    QStringList waitingFor;                     // those with no value yet
    qint64 files = 0;                           // files copied over all parents (saturated), also when too many to list
    qint64 bytes = 0;
    qint64 kept = 0;  // files there already, kept

    bool isEmpty() const { return path.isEmpty(); }
    const QList<TemplateCopy>& copiesFor(qsizetype parent) const;
    bool tooMany() const { return files > mostTemplateFilesPerPress || bytes > mostTemplateBytesPerPress; }
    // What the press would say instead of making anything; empty when it may go.
    QString refusal() const;
};

// Fits `tree` to the press `preview` shows (after compareWithDisk, when
// filling in: then what stands under each existing parent is looked at
// through `base`). `target` is the one the preview was worked out for.
TemplatePlan planTemplate(const TemplateTree& tree, const ListPreview& preview, const PreviewTarget& target,
                          const NotationSettings& notation, OpenFolder* base);

// `bytes` in MB with one decimal, as the summary and the limit show them.
QString megabytes(qint64 bytes);
// `lines` under `heading`: the first ten, then how many more.
QString cappedList(const QString& heading, const QStringList& lines);

}  // namespace kestrune
