#pragma once

#include "folder_tree.h"
#include "folder_walk.h"
#include "template_plan.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

// Carrying out a template's copies as a press reaches its folders.
namespace kestrune {

// Copies the files of a plan into one press's folders, each through the open
// folder it goes into, from the template held open since the plan. The
// template's own folders are made on the way. Nothing is overwritten: a file
// found there is kept, anything else there stops the press.
class TemplateCopier {
public:
    // `bytesCopied` is told the bytes copied so far by this copier, as they go.
    TemplateCopier(std::shared_ptr<OpenFolder> templateFolder, std::function<void(qint64)> bytesCopied = {});

    // Carries out `copies` (of one parent, in the plan's order: a folder
    // before what it holds) into the parent `parentName`, made or found in
    // the open `base` as `parentId`. Each folder made and file copied is
    // added to `record` (relative to the base) as soon as it is, and counted
    // in `outcome`; a failure stops at that copy and leaves as a
    // RuntimeError, a partial file removed. A level swapped for a link or a
    // file meanwhile stops it too.
    void copy(const std::shared_ptr<OpenFolder>& base, const QString& parentName, const FolderId& parentId,
              const QList<TemplateCopy>& copies, CreationRecord& record, ParentOutcome& outcome);

    qint64 bytesCopied() const { return bytes_; }

private:
    SourceFile& sourceOf(const QStringList& levels);

    FolderWalk source_;
    std::function<void(qint64)> tell_;
    // Sources held open while they are copied again and again (one file of
    // a template goes into many folders); dropped together when too many.
    QHash<QString, std::shared_ptr<SourceFile>> open_;
    qint64 bytes_ = 0;
};

}  // namespace kestrune
