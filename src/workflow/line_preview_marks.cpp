#include "disk_comparison.h"
#include "folder_list_workflow.h"
#include "folder_names.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

ItemMark markFor(LineStatus status)
{
    switch (status) {
    case LineStatus::Ok:
        return ItemMark::Ok;
    case LineStatus::Blank:
        return ItemMark::Blank;
    case LineStatus::Repeat:
        return ItemMark::Repeat;
    case LineStatus::Refused:
        return ItemMark::Refused;
    case LineStatus::Unsafe:
        return ItemMark::Warning;
    case LineStatus::Notation:
        return ItemMark::Notation;
    case LineStatus::Waiting:
        return ItemMark::Waiting;
    case LineStatus::Exists:
        return ItemMark::Exists;
    }
    return ItemMark::None;
}

bool sameShape(const QList<PreviewRow>& a, const QList<PreviewRow>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const PreviewRow& x, const PreviewRow& y) {
        return x.indent == y.indent && x.text == y.text;
    });
}

}  // namespace

void FolderListWorkflow::showPreview()
{
    const PreviewTarget target{state_.baseFolder, parentNameFrom(c_.parentNameEdit.text()), state_.volume};
    state_.preview = previewList(state_.lines, target, state_.notation);
    if (state_.fillIn) {
        try {
            compareWithDisk(state_.preview, *folders_.openFolder(state_.baseFolder), state_.volume.windowsFileSystem);
        } catch (const RuntimeError&) {  // the list's folder is gone: the press will say so
        }
    }
    QList<PreviewRow> rows = previewRows(state_.lines, state_.preview);
    // Typing in the name box changes the statuses, not the rows: only a new
    // value or date adds or removes rows.
    if (!sameShape(rows, state_.rows)) {
        c_.namesList.clear();
        for (const PreviewRow& row : std::as_const(rows))
            c_.namesList.addItem(row.text, row.indent);
    }
    QList<ItemMark> marks;
    marks.reserve(rows.size());
    for (const PreviewRow& row : std::as_const(rows))
        marks.append(markFor(row.status));
    // The tips come from these rows and entries, whatever is shown later.
    c_.namesList.setItemMarks(marks, [rows, entries = state_.preview.entries](int row) {
        return row >= 0 && row < rows.size() ? rowToolTip(rows.at(row), entries) : QString();
    });
    state_.rows = std::move(rows);
    const PreviewRow parent = parentRow(state_.preview);
    c_.parentNameEdit.setMark(markFor(parent.status), parent.toolTip);
}

void FolderListWorkflow::setFillIn(bool fillIn)
{
    state_.fillIn = fillIn;
    onParentNameEdited();
}

void FolderListWorkflow::onParentNameEdited()
{
    // Only a names list waiting for the press follows the name; the Readme
    // viewer and the completion line have no preview.
    if (state_.listState != ListState::Ready || isReadmePath(state_.listFilePath))
        return;
    showPreview();
}

}  // namespace kestrune
