#include "press_run.h"

#include "folder_tree.h"
#include "template_copying.h"
#include "workflow_texts.h"

#include <optional>

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
    void bytesCopied(qint64 copied, qint64 total) override
    {
        if (next_)
            next_->bytesCopied(copied, total);
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
    std::optional<TemplateCopier> copier;
    if (plan.templates.folder)
        copier.emplace(plan.templates.folder, plan.templates.bytes, &watch, journal);
    try {
        // Each parent gets its tree, in order: the same for every parent, or
        // with a table, the trees of the rows that go into it; and the
        // template's files as its folders are made.
        const QList<LinePreview>& parents = plan.preview.parents;
        for (qsizetype parent = 0; parent < parents.size(); ++parent) {
            const ParentShare share = plan.preview.shareOf(parent);
            makeFolderTree(plan.base, parents.at(parent).folder, choice, share.entries, record, &watch, journal,
                           share.indexes, copier ? &*copier : nullptr, plan.templates.copiesFor(parent));
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
