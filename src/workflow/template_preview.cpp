#include "template_preview.h"

#include "folder_paths.h"
#include "workflow_texts.h"

#include <algorithm>

namespace kestrune {

namespace {

using CopyIterator = QList<TemplateCopy>::const_iterator;

// The copies of preview entry `entry`: the plan lists them in entry order.
std::pair<CopyIterator, CopyIterator> copiesOf(const QList<TemplateCopy>& copies, qsizetype entry)
{
    const auto first = std::partition_point(copies.cbegin(), copies.cend(),
                                            [entry](const TemplateCopy& copy) { return copy.entry < entry; });
    const auto last =
        std::partition_point(first, copies.cend(), [entry](const TemplateCopy& copy) { return copy.entry <= entry; });
    return {first, last};
}

// How a copy weighs on its folder's row, as the folder's own status would.
LineStatus statusOf(CopyStatus status)
{
    switch (status) {
    case CopyStatus::File:
        return LineStatus::Ok;
    case CopyStatus::Exists:
        return LineStatus::Exists;
    case CopyStatus::Skipped:
        return LineStatus::Blank;
    case CopyStatus::Unsafe:
        return LineStatus::Unsafe;
    case CopyStatus::Refused:
        return LineStatus::Refused;
    }
    return LineStatus::Blank;
}

// The copies preview entry `entry` brings: those of the first parent that
// gets the entry (with a table, a row's entries go to its parent alone).
std::pair<CopyIterator, CopyIterator> copiesOfEntry(const TemplatePlan& plan, qsizetype entry)
{
    for (const QList<TemplateCopy>& copies : plan.copiesByParent) {
        const auto found = copiesOf(copies, entry);
        if (found.first != found.second)
            return found;
    }
    return {};
}

}  // namespace

QString templateSummary(const TemplatePlan& plan)
{
    return texts::templateSummary.withCount(plan.files).arg(megabytes(plan.bytes));
}

QString templateSummaryTip(const TemplatePlan& plan)
{
    QStringList tip{texts::templateFolderLine.arg(plan.path)};
    if (const QString refusal = plan.refusal(); !refusal.isEmpty())
        tip.append(refusal);
    if (!plan.skipped.isEmpty()) {
        QStringList skipped;
        for (const TemplateItem& item : plan.skipped)
            skipped.append(texts::templateItemLine.arg(item.levels.join(pathSeparator), item.skipReason));
        tip.append(cappedList(texts::templateSkippedHeading.arg(plan.skipped.size()), skipped));
    }
    if (!plan.unusedFolders.isEmpty())
        tip.append(texts::templateUnusedFolders.arg(plan.unusedFolders.join(texts::listSeparator)));
    return tip.join(u'\n');
}

QString copiesTip(const TemplatePlan& plan, qsizetype entry)
{
    const auto [first, last] = copiesOfEntry(plan, entry);
    QStringList lines;
    for (auto copy = first; copy != last; ++copy) {
        if (copy->folder)
            continue;
        if (copy->status == CopyStatus::Exists)
            lines.append(texts::templateItemLine.arg(copy->path, texts::copyExists));
        else if (copy->status == CopyStatus::File)
            lines.append(copy->path);
        else
            lines.append(texts::templateItemLine.arg(copy->path, copy->status == CopyStatus::Skipped
                                                                     ? texts::copyNotCopied.arg(copy->reason)
                                                                     : copy->reason));
    }
    return lines.isEmpty() ? QString() : cappedList(texts::copiesHeading, lines);
}

void addTemplateRows(QList<PreviewRow>& rows, const TemplatePlan& plan, const ListPreview& preview)
{
    if (plan.isEmpty())
        return;
    bool unsafe = false;
    for (PreviewRow& row : rows) {
        if (row.entry < 0)
            continue;
        const QString tip = copiesTip(plan, row.entry);
        if (tip.isEmpty())
            continue;
        // The row's own tip is no longer built only when shown: it goes first.
        row.toolTip = rowToolTip(row, preview) + u'\n' + tip;
        const auto [first, last] = copiesOfEntry(plan, row.entry);
        const auto worst = std::max_element(first, last, [](const TemplateCopy& a, const TemplateCopy& b) {
            return traitsOf(statusOf(a.status)).weight < traitsOf(statusOf(b.status)).weight;
        });
        const LineStatus status = statusOf(worst->status);
        unsafe = unsafe || status == LineStatus::Unsafe;
        // A file copied into a folder there already leaves its row "there".
        const bool warns = status == LineStatus::Unsafe || status == LineStatus::Refused;
        if (warns && traitsOf(status).weight > traitsOf(row.status).weight)
            row.status = status;
    }
    const LineStatus summary = !plan.refusal().isEmpty() ? LineStatus::Refused
                               : unsafe                  ? LineStatus::Unsafe
                                                         : LineStatus::Ok;
    rows.prepend(PreviewRow{templateSummary(plan), 0, summary, templateSummaryTip(plan), -1});
}

}  // namespace kestrune
