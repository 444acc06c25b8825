#include "press_run.h"

#include "folder_tree.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

// Passes the progress on, and remembers where a failure happened.
class FailureWatch final : public PressProgress {
public:
    explicit FailureWatch(PressProgress* next) : next_(next) {}

    void folderDone(qsizetype entry) override
    {
        if (next_)
            next_->folderDone(entry);
    }
    void folderFailed(qsizetype entry, const RuntimeError& error) override
    {
        failedEntry = entry;
        if (next_)
            next_->folderFailed(entry, error);
    }

    qsizetype failedEntry = -1;

private:
    PressProgress* next_;
};

}  // namespace

PressOutcome carryOutPress(const PressPlan& plan, PressProgress* progress, PressJournal* journal)
{
    PressOutcome outcome;
    if (plan.baseError) {
        outcome.failure = plan.baseError;
        return outcome;
    }
    if (!plan.base || !plan.refusal().isEmpty()) {
        outcome.failure = RuntimeError(InvalidProcedureCall, plan.refusal());
        return outcome;
    }
    CreationRecord& record = outcome.record;
    record.basePath = plan.base->path();
    record.baseId = plan.base->id();
    if (journal)
        journal->begin(plan, record);

    FailureWatch watch(progress);
    const ParentChoice choice = plan.request.fillIn ? ParentChoice::FillIn : ParentChoice::NewName;
    try {
        // Each parent gets its tree, in order: the same for every parent, or
        // with a table, the trees of the rows that go into it.
        const QList<LinePreview>& parents = plan.preview.parents;
        for (qsizetype parent = 0; parent < parents.size(); ++parent) {
            const ParentShare share = plan.preview.shareOf(parent);
            makeFolderTree(plan.base, parents.at(parent).folder, choice, share.entries, record, &watch, journal,
                           share.indexes);
        }
    } catch (const RuntimeError& error) {
        outcome.failure = error;
        outcome.failedEntry = watch.failedEntry;
    }
    if (journal) {
        journal->end(!outcome.failure);
        outcome.journalKept = journal->kept();
    }
    return outcome;
}

}  // namespace kestrune
