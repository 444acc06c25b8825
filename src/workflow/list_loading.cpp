#include "list_loading.h"

#include "folder_paths.h"
#include "list_text.h"
#include "table_reading.h"
#include "workflow_texts.h"

#include <utility>

namespace kestrune {

bool isReadmePath(const QString& listFilePath)
{
    return listFilePath.contains(texts::readmeMarker, Qt::CaseSensitive);
}

ListLoading::ListLoading(WorkflowState& state, const LoadingControls& controls, Desktop& desktop, ListReader& lists,
                         ListReader& shelfLists, RecentLists& recentLists, const MountTable& mounts, const Clock& clock,
                         LoadedList& loadedList, ListValues& values)
    : state_(state), c_(controls), desktop_(desktop), lists_(lists), shelfLists_(shelfLists), recentLists_(recentLists),
      mounts_(mounts), clock_(clock), loadedList_(loadedList), values_(values)
{
}

void ListLoading::readListFile()
{
    loadedList_.reset();
    QStringList lines;
    try {
        lines = lists_.readList(state_.listFilePath);
    } catch (const RuntimeError&) {
        // Missing, unreadable or too long: the person gets the one message,
        // and nothing of the file is shown or made.
        desktop_.beep();
        state_.listState = ListState::NotReady;
        desktop_.showMessage(texts::errorOccurred);
        return;
    }
    if (isReadmePath(state_.listFilePath)) {
        showReadme(lines);
        return;
    }
    recentLists_.add(state_.listFilePath);
    showLoadedList(linesFromTable(lines));
}

void ListLoading::showReadme(const QStringList& lines)
{
    QString contents;
    for (const QString& line : lines)
        contents += line + QStringLiteral("\r\n");
    c_.readmeViewer.showText(contents);
    state_.lines = linesFromTable(lines);
    state_.listState = ListState::Ready;
    c_.parentNameEdit.setText(texts::defaultParentName);
    c_.parentNameEdit.selectAllAndFocus();
}

void ListLoading::pasteList(const QString& text)
{
    if (text.isEmpty()) {
        desktop_.beep();
        return;
    }
    const std::optional<QStringList> lines = splitListText(text);
    if (!lines) {
        // As a list file that long: the one message, and the list loaded stays.
        desktop_.beep();
        desktop_.showMessage(texts::errorOccurred);
        return;
    }
    loadForOpenFolder(*lines, std::nullopt);
}

void ListLoading::openShelfList(const ShelfList& list)
{
    QStringList lines;
    {
        const BusyPointerGuard busy(desktop_);
        lines = shelfLists_.readList(list.path());
    }
    recentLists_.add(recentEntryOf(list));
    loadForOpenFolder(lines, list);
}

void ListLoading::loadForOpenFolder(const QStringList& lines, const std::optional<ShelfList>& shelfList)
{
    // A list of its own, in the folder open now: no file is chosen.
    loadedList_.reset();
    c_.fileList.choose(QString());
    state_.baseFolder = withTrailingSeparator(c_.folderList.path());
    state_.listFilePath = shelfList ? shelfList->path() : QString();
    if (isReadmePath(state_.listFilePath)) {
        // A Readme on a shelf is shown as a click on it would show it.
        showReadme(lines);
        return;
    }
    state_.shelfList = shelfList;
    showLoadedList(linesFromTable(lines));
}

void ListLoading::showLoadedList(QStringList lines)
{
    // Every line explains itself before anything is made; the values its
    // notation asks for are asked with the list in view.
    state_.volume = volumePlaceOf(state_.baseFolder, mounts_);
    state_.notation.values = NotationValues{clock_.today(), {}};
    state_.notation.table = ValuesTable();
    loadedList_.show(std::move(lines));
    if (values_.ask(false)) {
        loadedList_.showPreview();
        c_.parentNameEdit.selectAllAndFocus();
    }
}

}  // namespace kestrune
