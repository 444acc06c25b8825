#include "folder_list_workflow.h"
#include "folder_names.h"
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
    state_.lines = std::move(lines);

    const bool readme = isReadmePath(state_.listFilePath);
    if (readme) {
        QString contents;
        for (const QString& line : std::as_const(state_.lines))
            contents += line + QStringLiteral("\r\n");
        c_.readmeViewer.showText(contents);
    }
    state_.listState = ListState::Ready;
    c_.parentNameEdit.setText(texts::defaultParentName);
    c_.parentNameEdit.selectAllAndFocus();
    if (readme)
        return;
    recentLists_.add(state_.listFilePath);
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
