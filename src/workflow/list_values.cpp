#include "list_values.h"

#include "folder_names.h"

namespace kestrune {

ListValues::ListValues(WorkflowState& state, NameBox& parentNameEdit, Desktop& desktop,
                       RememberedValues& rememberedValues, ValuesTableReader& tables, LoadedList& loadedList)
    : state_(state), parentNameEdit_(parentNameEdit), desktop_(desktop), rememberedValues_(rememberedValues),
      tables_(tables), loadedList_(loadedList)
{
}

bool ListValues::ask(bool always)
{
    const QString parentName = parentNameFrom(parentNameEdit_.text());
    ValueQuestion question;
    // Unasked, only what the preview waits for: at a load no value is given
    // yet, and most lists ask for nothing (no second pass over their lines).
    if (!always && state_.preview.waitingFor.isEmpty())
        return false;
    if (!state_.notation.literal) {
        question.names = always ? askedNamesOf(state_.lines, parentName) : state_.preview.waitingFor;
        if (always)
            appendNewNames(question.names, state_.templates.askedNames);
    }
    question.askDate = always || usesDatesIn(state_.lines, parentName);
    question.date = state_.notation.values.date;
    question.table = state_.notation.table;
    question.folder = state_.baseFolder;
    if (question.table.isEmpty() && !state_.listFilePath.isEmpty()) {
        // This month's rows, in the file last month's came from.
        if (const QString file = rememberedValues_.tableOf(state_.listFilePath); !file.isEmpty()) {
            const ValuesTableReading reading = tables_.readFile(file);
            question.table = reading.table;
            question.tableRefusal = reading.refusal;
        }
    }
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
        // A field the table fills has no value of its own.
        const auto value = answer->values.constFind(name);
        if (value == answer->values.cend())
            continue;
        values.asked.insert(name, *value);
        rememberedValues_.remember(name, *value);
    }
    if (answer->date.isValid())
        values.date = answer->date;
    state_.notation.table = answer->table;
    if (!state_.listFilePath.isEmpty())
        rememberedValues_.rememberTable(state_.listFilePath, answer->table.filePath);
    return true;
}

void ListValues::changeValues()
{
    if (!loadedList_.awaitsPress()) {
        desktop_.beep();
        return;
    }
    if (ask(true))
        loadedList_.showPreview();
}

void ListValues::setNotationUsed(bool used)
{
    state_.notation.literal = !used;
    if (loadedList_.awaitsPress())
        loadedList_.showPreview();
}

}  // namespace kestrune
