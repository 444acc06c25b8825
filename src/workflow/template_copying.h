#pragma once

#include "creation_record.h"
#include "folder_walk.h"
#include "press_observers.h"
#include "template_plan.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Carrying out a template's copies as a press reaches its folders.
namespace kestrune {

// Copies the files of a plan into a press's folders as soon as they are
// there, each through the open folder it goes into, from the template held
// open since the plan; the template's own folders are made on the way.
// Nothing is overwritten: a file found there is kept, anything else there
// stops the press.
class TemplateCopier {
public:
    // `progress` is told the bytes copied so far of `totalBytes`.
    TemplateCopier(std::shared_ptr<OpenFolder> templateFolder, qint64 totalBytes, PressProgress* progress,
                   PressJournal* journal);

    // Which folder the press made or found at a path relative to the base;
    // none when it does not know it.
    using KnownFolder = std::function<std::optional<FolderId>(const QString& path)>;

    // The parent `parent` is reached (it is the last of `record.parents`),
    // and `walk` goes down from the base to it (level 1) and on as the press
    // goes; `copies` are the parent's copies in the plan's order. Both must
    // outlive the parent's copying. Its own copies go in at once.
    void startParent(FolderWalk& walk, const MadeEntry& parent, const QList<TemplateCopy>& copies,
                     CreationRecord& record);
    // The folders of preview entry `entry` are there: its copies go in,
    // through the folders the walk holds open where it can. Each folder made
    // and file copied is added to the record (relative to the base) and told
    // to the journal as soon as it is. A failure stops at that copy and
    // leaves as a RuntimeError, a partial file removed; a level that is not
    // the folder `known` says stops it too. The walk is left in the folder
    // of the last copy, each level it went down known by its folder.
    void copyThrough(qsizetype entry, const KnownFolder& known);

    qint64 bytesCopied() const { return bytes_; }

private:
    void copyOne(const TemplateCopy& copy, const KnownFolder& known);
    SourceFile& sourceOf(const QStringList& levels);

    FolderWalk source_;
    qint64 totalBytes_;
    PressProgress* progress_;
    PressJournal* journal_;
    // The parent being filled.
    FolderWalk* walk_ = nullptr;
    QString parentName_;
    const QList<TemplateCopy>* copies_ = nullptr;
    qsizetype next_ = 0;
    CreationRecord* record_ = nullptr;
    qsizetype outcome_ = -1;
    QHash<QString, FolderId> made_;  // the template's folders made in it
    // Sources held open while they are copied again and again (one file of
    // a template goes into many folders); dropped together when too many.
    QHash<QString, std::shared_ptr<SourceFile>> open_;
    qint64 bytes_ = 0;
};

}  // namespace kestrune
