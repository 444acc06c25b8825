#pragma once

#include "creation_record.h"
#include "folders.h"
#include "line_preview.h"
#include "press_observers.h"
#include "template_copying.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Making one new parent and the folders of a list inside it, for the
// carrying out of a press (press_run.h).
namespace kestrune {

// How the press comes by a parent.
enum class ParentChoice {
    NewName,  // a new folder: "#" is added while the name is taken
    FillIn,   // the folder of that name when there is one, filled in; made otherwise
};

// Makes `parentName` in the open `base` (adding "#" while the name is
// taken), or with FillIn takes the folder of that name when there is one,
// then the folder of every line of `preview` that makes one inside it
// (levels there already are kept); Repeat lines count as done and Blank lines
// make nothing. The preview must hold no Refused line. Every level is made
// and opened relative to the open folder above it, never by a path from the
// root, and a level that another program swaps for a link or another folder
// meanwhile stops the press. What is made is added to `record` (whose base
// becomes `base`), with the parent's outcome, and told to `journal` as soon as
// it is made; a failure stops at that folder and leaves as a RuntimeError,
// `record` holding what was made up to there. `progress` is told each
// folder by its place in `preview`, or by `entryIndexes` at that place when
// given (a parent that gets only some of the preview's entries). With
// `copier`, `copies` (the template's for this parent, by the same entry
// numbers) go into each folder as soon as it is there.
void makeFolderTree(const std::shared_ptr<OpenFolder>& base, const QString& parentName, ParentChoice choice,
                    const QList<LinePreview>& preview, CreationRecord& record, PressProgress* progress,
                    PressJournal* journal, const QList<qsizetype>& entryIndexes = {}, TemplateCopier* copier = nullptr,
                    const QList<TemplateCopy>& copies = {});

}  // namespace kestrune
