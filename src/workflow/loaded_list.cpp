#include "loaded_list.h"

#include "folder_paths.h"
#include "template_preview.h"
#include "workflow_texts.h"

#include <algorithm>
#include <utility>

namespace kestrune {

namespace {

// Rows `a` made of `aLines` show what rows `b` made of `bLines` show.
bool sameShape(const QList<PreviewRow>& a, const QStringList& aLines, const QList<PreviewRow>& b,
               const QStringList& bLines)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [&](const PreviewRow& x, const PreviewRow& y) {
        return x.indent == y.indent && rowText(x, aLines) == rowText(y, bLines);
    });
}

// Shows `rows`, made of `lines`, in `namesList`. Rows that are the lines as
// read, in order, are handed over as the lines themselves: a copy of each
// would cost two atomic counts a row at every load.
void showRows(ItemList& namesList, const QList<PreviewRow>& rows, const QStringList& lines)
{
    qsizetype row = 0;
    while (row < rows.size() && rows.at(row).line == row && rows.at(row).indent == 0)
        ++row;
    if (row == rows.size() && row == lines.size()) {
        namesList.setItems(lines, {});
        return;
    }
    QStringList texts;
    QList<int> indents;
    texts.reserve(rows.size());
    indents.reserve(rows.size());
    for (const PreviewRow& each : rows) {
        texts.append(rowText(each, lines));
        indents.append(each.indent);
    }
    namesList.setItems(texts, indents);
}

}  // namespace

LoadedList::LoadedList(WorkflowState& state, ItemList& namesList, NameBox& parentNameEdit, Folders& folders)
    : state_(state), namesList_(namesList), parentNameEdit_(parentNameEdit), folders_(folders)
{
}

void LoadedList::reset()
{
    // Its lines go too, before another list is read: a list is never held
    // twice, and the next one is read into the memory this one leaves.
    state_.lines.clear();
    shownLines_.clear();
    namesList_.clear();
    state_.listState = ListState::NotReady;
    state_.shelfList.reset();
    state_.completionShown = false;
    state_.preview = ListPreview();
    state_.templates = TemplatePlan();
    state_.rows.clear();
    parentNameEdit_.setMark(ItemMark::None, QString());
}

void LoadedList::show(QStringList lines)
{
    state_.lines = std::move(lines);
    state_.listState = ListState::Ready;
    parentNameEdit_.setText(texts::defaultParentName);
    parentNameEdit_.selectAllAndFocus();
    showPreview();
}

bool LoadedList::awaitsPress() const
{
    return state_.listState == ListState::Ready && !isReadmePath(state_.listFilePath);
}

PressRequest LoadedList::request() const
{
    return PressRequest{state_.lines,           state_.listFilePath, PressTarget{state_.baseFolder, state_.volume},
                        parentNameEdit_.text(), state_.notation,     state_.fillIn};
}

void LoadedList::showPreview()
{
    PressPlan plan = planPress(request(), folders_, PlanUse::Preview);
    state_.preview = std::move(plan.preview);
    state_.templates = std::move(plan.templates);
    QList<PreviewRow> rows = previewRows(state_.preview);
    addTemplateRows(rows, state_.templates, state_.preview);
    // Typing in the name box changes the statuses, not the rows: only a new
    // value or date adds or removes rows.
    if (!sameShape(rows, state_.lines, state_.rows, shownLines_))
        showRows(namesList_, rows, state_.lines);
    QList<ItemMark> marks;
    marks.reserve(rows.size());
    for (const PreviewRow& row : std::as_const(rows))
        marks.append(traitsOf(row.status).mark);
    // The tips come from these rows and this preview, whatever is shown later.
    namesList_.setItemMarks(marks, [rows, preview = state_.preview](int row) {
        return row >= 0 && row < rows.size() ? rowToolTip(rows.at(row), preview) : QString();
    });
    state_.rows = std::move(rows);
    shownLines_ = state_.lines;
    const PreviewRow parent = parentRow(state_.preview);
    QString toolTip = parent.toolTip;
    if (state_.shelfList) {
        // The list lies on a shelf, apart from the folder its parents go into: the tip names both.
        const QString target =
            texts::shelfListTarget.arg(state_.shelfList->title(), cleanFolderPath(state_.baseFolder));
        toolTip = toolTip.isEmpty() ? target : target + u'\n' + toolTip;
    }
    parentNameEdit_.setMark(traitsOf(parent.status).mark, toolTip);
}

void LoadedList::onParentNameEdited()
{
    // Only a names list waiting for the press follows the name; the Readme
    // viewer and the completion line have no preview.
    if (awaitsPress())
        showPreview();
}

void LoadedList::setFillIn(bool fillIn)
{
    state_.fillIn = fillIn;
    onParentNameEdited();
}

}  // namespace kestrune
