#include "command_line.h"

#include "app_texts.h"
#include "workflow_texts.h"

#include <array>
#include <optional>

namespace kestrune {

namespace {

enum class Option {
    Create,
    Parent,
    Into,
    DryRun,
    Date,
    Set,
    Literal,
    Existing,
    Help,
    Version,
};

struct OptionName {
    QStringView name;
    Option option;
    bool takesValue;
};

constexpr std::array<OptionName, 10> options = {{
    {u"create", Option::Create, true},
    {u"parent", Option::Parent, true},
    {u"into", Option::Into, true},
    {u"dry-run", Option::DryRun, false},
    {u"date", Option::Date, true},
    {u"set", Option::Set, true},
    {u"literal", Option::Literal, false},
    {u"existing", Option::Existing, false},
    {u"help", Option::Help, false},
    {u"version", Option::Version, false},
}};

// The one short option, as every program answers it.
const QString shortHelp = QStringLiteral("-h");

CommandLine usageError(const QString& error)
{
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = error;
    return line;
}

// The option that `name` (without its dashes) spells out or begins. Sets
// `error` when it names none, or more than one.
const OptionName* findOption(QStringView name, QString& error)
{
    const OptionName* found = nullptr;
    QStringList candidates;
    for (const OptionName& option : options) {
        if (option.name == name)
            return &option;
        if (!name.isEmpty() && option.name.startsWith(name)) {
            found = &option;
            candidates.append(QStringLiteral("--") + option.name.toString());
        }
    }
    if (candidates.size() == 1)
        return found;
    const QString spelled = QStringLiteral("--") + name.toString();
    error = candidates.isEmpty() ? texts::unknownOption.arg(spelled)
                                 : texts::ambiguousOption.arg(spelled, candidates.join(QStringLiteral(", ")));
    return nullptr;
}

}  // namespace

bool opensWindow(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--"))
            return true;
        if (argument.startsWith(QStringLiteral("--")) || argument == shortHelp)
            return false;
    }
    return true;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool create = false;
    QStringList operands;
    // The first option that needs --create, to name when it is missing.
    QString needsCreate;

    bool optionsEnded = false;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (optionsEnded || argument == QStringLiteral("-") || !argument.startsWith(u'-')) {
            operands.append(argument);
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == shortHelp) {
            line.action = CommandLine::Action::ShowHelp;
            return line;
        }
        if (!argument.startsWith(QStringLiteral("--")))
            return usageError(texts::unknownOption.arg(argument));

        const qsizetype equals = argument.indexOf(u'=');
        const QStringView name = QStringView(argument).sliced(2, (equals < 0 ? argument.size() : equals) - 2);
        QString error;
        const OptionName* option = findOption(name, error);
        if (option == nullptr)
            return usageError(error);
        const QString spelled = QStringLiteral("--") + option->name.toString();
        std::optional<QString> value;
        if (equals >= 0)
            value = argument.sliced(equals + 1);
        if (!option->takesValue && value)
            return usageError(texts::optionTakesNoValue.arg(spelled));
        if (option->takesValue && !value) {
            if (index + 1 >= arguments.size())
                return usageError(texts::optionNeedsValue.arg(spelled));
            value = arguments.at(++index);
        }

        switch (option->option) {
        case Option::Help:
            line.action = CommandLine::Action::ShowHelp;
            return line;
        case Option::Version:
            line.action = CommandLine::Action::ShowVersion;
            return line;
        case Option::Create:
            create = true;
            line.list = *value;
            break;
        case Option::Parent:
            line.parent = *value;
            break;
        case Option::Into:
            line.into = *value;
            break;
        case Option::DryRun:
            line.dryRun = true;
            break;
        case Option::Date:
            line.date = QDate::fromString(*value, Qt::ISODate);
            if (!line.date.isValid())
                return usageError(texts::badDate.arg(*value));
            break;
        case Option::Set: {
            const qsizetype nameEnd = value->indexOf(u'=');
            if (nameEnd <= 0)
                return usageError(texts::badSet.arg(*value));
            line.values.insert(value->left(nameEnd), value->mid(nameEnd + 1));
            break;
        }
        case Option::Literal:
            line.literal = true;
            break;
        case Option::Existing:
            line.existing = true;
            break;
        }
        if (option->option != Option::Create && needsCreate.isEmpty())
            needsCreate = spelled;
    }

    if (!create) {
        if (!needsCreate.isEmpty())
            return usageError(texts::needsCreate.arg(needsCreate));
        if (operands.size() > 1)
            return usageError(texts::extraArgument.arg(operands.at(1)));
        line.path = operands.value(0);
        return line;
    }
    if (!operands.isEmpty())
        return usageError(texts::extraArgument.arg(operands.first()));
    if (line.list == QStringLiteral("-") && line.into.isEmpty())
        return usageError(texts::standardInputNeedsInto);
    line.action = CommandLine::Action::Create;
    return line;
}

QString helpText()
{
    return texts::commandHelp.arg(texts::defaultParentName);
}

QString versionText()
{
    return texts::commandName + u' ' + QStringLiteral(KESTRUNE_VERSION) + u'\n';
}

QString usageErrorText(const QString& error)
{
    return texts::commandName + QStringLiteral(": ") + error + u'\n' + texts::usageHint + u'\n';
}

}  // namespace kestrune
