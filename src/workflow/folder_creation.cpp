#include "disk_comparison.h"
#include "folder_list_workflow.h"
#include "folder_names.h"
#include "folder_tree.h"
#include "runtime_error.h"
#include "workflow_texts.h"

#include <QDir>

#include <cstdint>

namespace kestrune {

namespace {

// Marks each row as its folder is made, so that the person sees the press
// advance, and keeps the window painted meanwhile.
class RowMarks final : public CreationProgress {
public:
    RowMarks(ItemList& rows, Desktop& desktop, const QList<LinePreview>& entries, const QList<PreviewRow>& shown)
        : rows_(rows), desktop_(desktop), entries_(entries), rowOfEntry_(entries.size(), -1)
    {
        for (qsizetype row = 0; row < shown.size(); ++row) {
            if (shown.at(row).entry >= 0 && shown.at(row).entry < rowOfEntry_.size())
                rowOfEntry_[shown.at(row).entry] = static_cast<int>(row);
        }
    }

    void folderDone(qsizetype entry) override
    {
        const LinePreview& line = entries_.at(entry);
        switch (line.status) {
        case LineStatus::Repeat:
            rows_.setItemMark(rowOfEntry_.at(entry), ItemMark::Made, texts::rowRepeatDone.arg(line.sameAsLine));
            break;
        case LineStatus::Exists:
            // Used as it was: it keeps its grey mark.
            rows_.setItemMark(rowOfEntry_.at(entry), ItemMark::Exists, toolTipFor(line, words_));
            break;
        default:
            rows_.setItemMark(rowOfEntry_.at(entry), ItemMark::Made, texts::rowMade + line.folder);
            break;
        }
        desktop_.keepResponsive();
    }

    void folderFailed(qsizetype failed, const RuntimeError& error) override
    {
        rows_.setItemMark(rowOfEntry_.at(failed), ItemMark::Failed, texts::rowFailed.arg(error.description()));
        // What the press did not reach is told apart from what it made.
        for (qsizetype entry = failed + 1; entry < entries_.size(); ++entry) {
            if (entries_.at(entry).status != LineStatus::Blank)
                rows_.setItemMark(rowOfEntry_.at(entry), ItemMark::NotTried, texts::rowNotTried);
        }
    }

private:
    ItemList& rows_;
    Desktop& desktop_;
    const QList<LinePreview>& entries_;
    QList<int> rowOfEntry_;
    const ToolTipWords words_;
};

// The completion line's tool tip: where, and per parent how many folders
// were made and how many were there already.
QString completionDetails(const CreationRecord& record)
{
    if (record.parents.size() == 1) {
        const ParentOutcome& parent = record.parents.first();
        const QString& details = parent.made ? texts::completionDetails : texts::completionFilledIn;
        return details.arg(record.parentPath()).arg(parent.foldersMade).arg(parent.alreadyThere) + u'\n' +
               texts::completionHint;
    }
    QStringList perParent;
    for (const ParentOutcome& parent : record.parents)
        perParent.append((parent.made ? texts::completionParent : texts::completionParentFilledIn)
                             .arg(parent.name)
                             .arg(parent.foldersMade)
                             .arg(parent.alreadyThere));
    return texts::completionParents.arg(record.basePath, perParent.join(u'\n')) + u'\n' + texts::completionHint;
}

}  // namespace

void FolderListWorkflow::createFolders()
{
    if (state_.listState != ListState::Ready) {
        desktop_.beep();
        return;
    }
    const auto refuse = [this](const QString& message) {
        desktop_.beep();
        desktop_.showMessage(message);
    };

    // Every check comes before the first folder is made, so that a refused
    // press leaves the disk and the window as they were.
    const QString typedName = c_.parentNameEdit.text();
    const PreviewTarget target{state_.baseFolder, parentNameFrom(typedName), state_.volume};
    const QStringList& lines = state_.lines;
    state_.preview = previewList(lines, target, state_.notation);
    if (const QString refusal = state_.preview.refusal(); !refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    // A relative base would put the folders wherever the program was started.
    if (!QDir::isAbsolutePath(state_.baseFolder))
        throw RuntimeError(PathNotFound, texts::noBaseFolder.arg(state_.baseFolder));
    // Opened once: the disk is compared, and the folders made, through it.
    const std::shared_ptr<OpenFolder> base = folders_.openFolder(state_.baseFolder);
    if (state_.fillIn) {
        compareWithDisk(state_.preview, *base, state_.volume.windowsFileSystem);
        if (const QString refusal = state_.preview.refusal(); !refusal.isEmpty()) {
            refuse(refusal);
            return;
        }
    }

    // On a failure the error leaves from here: the folders made so far stay
    // (and are recorded for the undo), the rows show how far the press got,
    // the list stays ready for another try, and the pointer comes back.
    const BusyPointerGuard busy(desktop_);
    RowMarks marks(c_.namesList, desktop_, state_.preview.entries, state_.rows);
    CreationRecord record;
    // Kept for the undo: the record of a press that made anything, and the
    // list as it stood, so that the undo can bring both back.
    const auto keepForUndo = [&] {
        if (record.isEmpty())
            return;
        state_.lastCreation = record;
        state_.beforeLastCreation =
            ListBeforePress{state_.listFilePath, state_.baseFolder, typedName, lines, state_.notation};
    };
    const ParentChoice choice = state_.fillIn ? ParentChoice::FillIn : ParentChoice::NewName;
    try {
        // Each parent gets the same tree, in order.
        for (qsizetype parent = 0; parent < state_.preview.parents.size(); ++parent)
            makeFolderTree(base, state_.preview.parents.at(parent).folder, choice, state_.preview.entriesFor(parent),
                           record, &marks);
    } catch (const RuntimeError&) {
        keepForUndo();
        throw;
    }
    keepForUndo();

    state_.listState = ListState::NotReady;
    state_.preview = ListPreview();
    state_.rows.clear();
    c_.namesList.clear();
    c_.namesList.addItem(texts::creationFinished, 0);
    c_.namesList.setItemMark(0, ItemMark::None, completionDetails(record));
    state_.completionShown = true;
    c_.parentNameEdit.setText(QString());
    c_.parentNameEdit.setMark(ItemMark::None, QString());
    // The folder list shows the new parent. The same path reads the folder
    // again without raising a change, which would clear the completion line.
    try {
        c_.folderList.setPath(c_.folderList.path());
    } catch (const RuntimeError&) {  // the folders are made; a stale list is no reason to say otherwise
    }
}

void FolderListWorkflow::onNamesRowDoubleClicked(int row)
{
    const CreationRecord& made = state_.lastCreation;
    if (!state_.completionShown || row != 0 || made.parents.isEmpty())
        return;
    // One parent opens itself; several, the folder that holds them.
    desktop_.openFolder(made.parents.size() == 1 ? made.parentPath() : made.basePath);
}

}  // namespace kestrune
