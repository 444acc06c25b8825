#pragma once

#include "folders.h"
#include "line_preview.h"
#include "list_preview.h"
#include "mount_table.h"
#include "runtime_error.h"
#include "template_plan.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A press worked out before anything is made: the one way the window and the
// command line turn a list into folders. The window shows the plan as its
// preview and plans again at the press; the command line prints it for a dry
// run. What a press adds (templates, a history, tables) enters here once.
namespace kestrune {

// Where a press puts its parents: worked out once per list, since finding
// the volume reads the mount table.
struct PressTarget {
    QString baseFolder;  // absolute: the folder the parents go into
    VolumePlace volume;  // where that folder really lies
};

PressTarget pressTargetOf(const QString& baseFolder, const MountTable& mounts);

// What the person asks of one press.
struct PressRequest {
    QStringList lines;     // the list's lines, a table's columns already read as levels
    QString listFilePath;  // the list file; empty for a pasted list
    PressTarget target;
    QString typedParentName;    // as typed: trimmed, or the preset name when empty, by the plan
    NotationSettings notation;  // the date and values the notation is filled in with
    bool fillIn = false;        // a parent that is there is filled in, not renamed
    // The template whose files go into the folders made: this folder when
    // named, otherwise "X.ひな形" beside the list file "X.txt" when there is
    // one; none at all with noTemplate.
    QString templateFolder = {};
    bool noTemplate = false;
};

// Whether the plan is for showing or for making: only a press opens the base
// when nothing else needs the disk.
enum class PlanUse {
    Preview,
    Press,
};

struct PressPlan {
    PressRequest request;
    // Every parent and every folder, each with its line and status; when
    // filling in, also what is there already and what stands in the way.
    ListPreview preview;
    // The base, opened once: the disk is compared, and everything made,
    // through it. Empty when it could not be opened (see baseError), and in
    // a preview that did not need the disk.
    std::shared_ptr<OpenFolder> base;
    // Why the base cannot be used: not an absolute path, gone, or no folder.
    std::optional<RuntimeError> baseError;
    // The first parent name that names no folder that could be made (before
    // the disk is looked at): no tree can be made at all.
    std::optional<LinePreview> badParentName;
    // What the template puts where (empty without one). A press holds the
    // template open for the copies; a preview does not.
    TemplatePlan templates;

    // What the press would say instead of making anything; empty when it may
    // go as far as the lines go (the base is judged apart, by baseError).
    QString refusal() const;
};

// The template a press of `request` uses: its path, or empty for none.
QString templateFolderOf(const PressRequest& request, const Folders& folders);

// Works out what a press of `request` would do. Pure but for the disk reads
// a press needs: opening the base, and comparing with it when filling in.
PressPlan planPress(const PressRequest& request, Folders& folders, PlanUse use);

}  // namespace kestrune
