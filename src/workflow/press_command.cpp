#include "press_command.h"

#include "history_texts.h"
#include "press_run.h"
#include "workflow_texts.h"

#include <QElapsedTimer>

namespace kestrune {

namespace {

// Marks each row as its folder is made, so that the person sees the press
// advance, and keeps the window painted meanwhile.
class RowMarks final : public PressProgress {
public:
    // `folders` is how many folders the press will tell done, over all parents.
    RowMarks(ItemList& rows, Desktop& desktop, const QList<LinePreview>& entries, const QList<PreviewRow>& shown,
             qint64 folders)
        : rows_(rows), desktop_(desktop), entries_(entries), rowOfEntry_(entries.size(), -1), folders_(folders)
    {
        for (qsizetype row = 0; row < shown.size(); ++row) {
            if (shown.at(row).entry >= 0 && shown.at(row).entry < rowOfEntry_.size())
                rowOfEntry_[shown.at(row).entry] = static_cast<int>(row);
        }
    }

    void folderDone(qsizetype entry) override
    {
        const LinePreview& line = entries_.at(entry);
        const StatusTraits& traits = traitsOf(line.status);
        rows_.setItemMark(rowOfEntry_.at(entry), traits.doneMark, traits.doneToolTip(line, words_));
        ++foldersDone_;
        tellProgress();
        desktop_.keepResponsive();
    }

    void bytesCopied(qint64 copied, qint64 total) override
    {
        bytesCopied_ = copied;
        bytesInAll_ = total;
        tellProgress();
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
    // Folders and bytes alike: a press of few folders and large files moves
    // on in its bytes.
    void tellProgress()
    {
        // Formatted a few times a second, not for each of ten thousand folders.
        constexpr qint64 tellEveryMs = 100;
        if (sinceTold_.isValid() && sinceTold_.elapsed() < tellEveryMs)
            return;
        sinceTold_.start();
        const QString text = bytesInAll_ > 0 ? texts::progressWithFiles.arg(foldersDone_)
                                                   .arg(folders_)
                                                   .arg(megabytes(bytesCopied_), megabytes(bytesInAll_))
                                             : texts::progressFolders.arg(foldersDone_).arg(folders_);
        // The bar follows the bytes where there are any: they take the time.
        if (bytesInAll_ > 0)
            desktop_.showProgress(text, bytesCopied_, bytesInAll_);
        else
            desktop_.showProgress(text, foldersDone_, folders_);
    }

    ItemList& rows_;
    Desktop& desktop_;
    const QList<LinePreview>& entries_;
    QList<int> rowOfEntry_;
    qint64 folders_;
    qint64 foldersDone_ = 0;
    qint64 bytesCopied_ = 0;
    qint64 bytesInAll_ = 0;
    QElapsedTimer sinceTold_;
    const ToolTipWords words_;
};

// Ends the progress on every way out of the press, an exception included.
class ProgressShown {
public:
    explicit ProgressShown(Desktop& desktop) : desktop_(desktop) {}
    ~ProgressShown()
    {
        try {
            desktop_.endProgress();
        } catch (...) {  // a destructor must not throw; the window is cosmetic
        }
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    Desktop& desktop_;
};

// The folders a press tells done: each folder or repeat of each parent.
qint64 foldersToTell(const ListPreview& preview)
{
    qint64 count = 0;
    for (qsizetype parent = 0; parent < preview.parents.size(); ++parent) {
        for (const LinePreview& entry : preview.shareOf(parent).entries)
            count += makesFolder(entry.status) || entry.status == LineStatus::Repeat ? 1 : 0;
    }
    return count;
}

// The files copied and kept, over all parents; empty when none.
QString filesLine(const CreationRecord& record)
{
    int copied = 0;
    int kept = 0;
    for (const ParentOutcome& parent : record.parents) {
        copied += parent.filesCopied;
        kept += parent.filesKept;
    }
    return copied + kept > 0 ? texts::completionFiles.arg(copied).arg(kept) + u'\n' : QString();
}

// The completion line's tool tip: where, and per parent how many folders
// were made and how many were there already.
QString completionDetails(const CreationRecord& record)
{
    if (record.parents.size() == 1) {
        const ParentOutcome& parent = record.parents.first();
        const Text& details = parent.made ? texts::completionDetails : texts::completionFilledIn;
        return details.arg(record.parentPath(), QString::number(parent.foldersMade),
                           QString::number(parent.alreadyThere)) +
               u'\n' + filesLine(record) + texts::completionHint;
    }
    QStringList perParent;
    for (const ParentOutcome& parent : record.parents)
        perParent.append(
            (parent.made ? texts::completionParent : texts::completionParentFilledIn)
                .arg(parent.name, QString::number(parent.foldersMade), QString::number(parent.alreadyThere)));
    return texts::completionParents.arg(record.basePath, perParent.join(u'\n')) + u'\n' + filesLine(record) +
           texts::completionHint;
}

}  // namespace

PressCommand::PressCommand(WorkflowState& state, const PressControls& controls, Desktop& desktop, Folders& folders,
                           PressHistory& history, LoadedList& loadedList)
    : state_(state), c_(controls), desktop_(desktop), folders_(folders), history_(history), loadedList_(loadedList)
{
}

void PressCommand::createFolders()
{
    if (state_.listState != ListState::Ready) {
        desktop_.beep();
        return;
    }
    // Every check comes before the first folder is made, so that a refused
    // press leaves the disk and the window as they were.
    const PressRequest request = loadedList_.request();
    const PressPlan plan = planPress(request, folders_, PlanUse::Press);
    state_.preview = plan.preview;
    if (const QString refusal = plan.refusal(); !refusal.isEmpty()) {
        desktop_.beep();
        desktop_.showMessage(refusal);
        return;
    }
    if (plan.baseError)
        throw *plan.baseError;

    // On a failure the error leaves from here: the folders made so far stay
    // (and are recorded for the undo), the rows show how far the press got,
    // the list stays ready for another try, and the pointer comes back.
    PressOutcome outcome;
    const std::unique_ptr<PressRecordWriter> journal = history_.newRecord();
    {
        const BusyPointerGuard busy(desktop_);
        const ProgressShown progress(desktop_);
        RowMarks marks(c_.namesList, desktop_, plan.preview.entries, state_.rows, foldersToTell(plan.preview));
        outcome = carryOutPress(plan, &marks, journal.get());
    }
    if (journal->number() > 0)
        state_.pressesHere.insert(journal->number());
    // Kept for the undo: the record of a press that made anything, and the
    // list as it stood, so that the undo can bring both back.
    if (!outcome.record.isEmpty()) {
        state_.lastCreation = outcome.record;
        state_.lastPressNumber = journal->number();
        state_.beforeLastCreation = ListBeforePress{request.listFilePath, state_.baseFolder, request.typedParentName,
                                                    request.lines, request.notation};
        state_.beforeLastCreation->shelfList = state_.shelfList;
    }
    if (outcome.failure)
        throw *outcome.failure;
    showCompletion(outcome.record, outcome.journalKept);
}

void PressCommand::showCompletion(const CreationRecord& record, bool recorded)
{
    state_.listState = ListState::NotReady;
    state_.preview = ListPreview();
    state_.templates = TemplatePlan();
    state_.rows.clear();
    c_.namesList.clear();
    c_.namesList.addItem(texts::creationFinished, 0);
    c_.namesList.setItemMark(0, ItemMark::None,
                             completionDetails(record) + (recorded ? QString() : u'\n' + texts::historyNotKept));
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

void PressCommand::onNamesRowDoubleClicked(int row)
{
    const CreationRecord& made = state_.lastCreation;
    if (!state_.completionShown || row != 0 || made.parents.isEmpty())
        return;
    // One parent opens itself; several, the folder that holds them.
    desktop_.openFolder(made.parents.size() == 1 ? made.parentPath() : made.basePath);
}

}  // namespace kestrune
