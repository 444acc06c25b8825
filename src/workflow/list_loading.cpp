#include "folder_list_workflow.h"
#include "folder_names.h"
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

void FolderListWorkflow::readListFile()
{
    state_.preview = ListPreview();
    state_.rows.clear();
    state_.completionShown = false;
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
        QString contents;
        for (const QString& line : std::as_const(lines))
            contents += line + QStringLiteral("\r\n");
        c_.readmeViewer.showText(contents);
        state_.lines = linesFromTable(lines);
        state_.listState = ListState::Ready;
        c_.parentNameEdit.setText(texts::defaultParentName);
        c_.parentNameEdit.selectAllAndFocus();
        return;
    }
    recentLists_.add(state_.listFilePath);
    showLoadedList(linesFromTable(lines));
}

void FolderListWorkflow::pasteList(const QString& text)
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
    // A list of its own, in the folder open now: no file is chosen.
    resetList();
    c_.fileList.choose(QString());
    state_.baseFolder = withTrailingSeparator(c_.folderList.path());
    state_.listFilePath.clear();
    showLoadedList(linesFromTable(*lines));
}

void FolderListWorkflow::showLoadedList(QStringList lines)
{
    state_.lines = std::move(lines);
    state_.listState = ListState::Ready;
    c_.parentNameEdit.setText(texts::defaultParentName);
    c_.parentNameEdit.selectAllAndFocus();
    // Every line explains itself before anything is made; the values its
    // notation asks for are asked with the list in view.
    state_.volume = volumePlaceOf(state_.baseFolder, mounts_);
    state_.notation.values = NotationValues{clock_.today(), {}};
    showPreview();
    if (askForValues(false)) {
        showPreview();
        c_.parentNameEdit.selectAllAndFocus();
    }
}

}  // namespace kestrune
