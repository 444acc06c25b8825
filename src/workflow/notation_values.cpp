#include "folder_list_workflow.h"
#include "folder_names.h"

namespace kestrune {

bool FolderListWorkflow::askForValues(bool always)
{
    const QString parentName = parentNameFrom(c_.parentNameEdit.text());
    ValueQuestion question;
    // Unasked, only what the preview waits for: at a load no value is given
    // yet, and most lists ask for nothing (no second pass over their lines).
    if (!always && state_.preview.waitingFor.isEmpty())
        return false;
    if (!state_.notation.literal)
        question.names = always ? askedNamesOf(state_.lines, parentName) : state_.preview.waitingFor;
    question.askDate = always || usesDatesIn(state_.lines, parentName);
    question.date = state_.notation.values.date;
    NotationValues& values = state_.notation.values;
    for (const QString& name : std::as_const(question.names)) {
        const QStringList recent = rememberedValues_.valuesOf(name);
        question.recent.insert(name, recent);
        // Last time's value first, so that Enter gives this month what last month had.
        question.current.insert(name, values.asked.value(name, recent.value(0)));
    }
    const std::optional<ValueAnswer> answer = desktop_.askValues(question);
    if (!answer)
        return false;
    for (const QString& name : std::as_const(question.names)) {
        const QString value = answer->values.value(name);
        values.asked.insert(name, value);
        rememberedValues_.remember(name, value);
    }
    if (answer->date.isValid())
        values.date = answer->date;
    return true;
}

void FolderListWorkflow::changeValues()
{
    if (state_.listState != ListState::Ready || isReadmePath(state_.listFilePath)) {
        desktop_.beep();
        return;
    }
    if (askForValues(true))
        showPreview();
}

void FolderListWorkflow::setNotationUsed(bool used)
{
    state_.notation.literal = !used;
    if (state_.listState == ListState::Ready && !isReadmePath(state_.listFilePath))
        showPreview();
}

}  // namespace kestrune
