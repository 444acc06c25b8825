#pragma once

#include "folder_tree.h"
#include "list_preview.h"
#include "shelf_list.h"
#include "template_plan.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrune {

// Whether the names shown come from a list that the create button may make.
enum class ListState {
    NotReady,
    Ready,
};

// The list as it stood before a press: an undo of that press brings it back.
struct ListBeforePress {
    QString listFilePath;  // empty for a pasted list
    QString baseFolder;
    QString typedParentName;  // exactly as typed, spaces and all
    QStringList lines;
    NotationSettings notation;
    std::optional<ShelfList> shelfList = std::nullopt;  // the shelf it was taken from
};

// What carries one list file from its choice to the creation of its folders.
struct WorkflowState {
    QString listFilePath;
    QString baseFolder;  // always ends in the path separator once set
    // The list loaded was taken from a shelf (listFilePath is its path there)
    // for baseFolder; none for a list file or a pasted list.
    std::optional<ShelfList> shelfList;
    QStringList lines;  // the lines of the list loaded, in order
    ListState listState = ListState::NotReady;
    NotationSettings notation;  // the date and values the lines are filled in with
    bool fillIn = false;        // 「既存のフォルダーに追加」: existing parents are filled in, not renamed
    // What the create button would do with the list, for the parent name as
    // last typed, and the names list's rows that show it; empty in the
    // Readme viewer and after a press.
    ListPreview preview;
    TemplatePlan templates;  // what the template puts where, for that parent name
    QList<PreviewRow> rows;
    VolumePlace volume;  // where the list's folder lies
    // What the last press that made anything made: the undo works from it.
    CreationRecord lastCreation;
    // The list as it stood then; none once an undo has brought it back.
    std::optional<ListBeforePress> beforeLastCreation;
    // The last press's record in the history (0 when none could be made),
    // and the records of every press this window made: an undo of one of
    // them needs no time to tell which it is.
    qint64 lastPressNumber = 0;
    QSet<qint64> pressesHere;
    bool completionShown = false;  // the names list holds the completion line
};

// True when the list file is shown as text instead of as names: its path
// holds the Readme marker, exactly as written (capitals and width count).
bool isReadmePath(const QString& listFilePath);

}  // namespace kestrune
