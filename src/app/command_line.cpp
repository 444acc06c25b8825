#include "command_line.h"

#include "app_texts.h"
#include "era_table.h"
#include "line_status.h"
#include "template_plan.h"
#include "workflow_texts.h"

#include <QCommandLineParser>

#include <array>
#include <utility>

namespace kestrune {

namespace {

// How an option puts its value into the request ("" for an option that takes
// none). Returns what is wrong with the value, or nothing.
using Fill = QString (*)(CommandLine& line, const QString& value);

template <QString CommandLine::*field> QString keep(CommandLine& line, const QString& value)
{
    line.*field = value;
    return {};
}

template <bool CommandLine::*field> QString turnOn(CommandLine& line, const QString&)
{
    line.*field = true;
    return {};
}

QString takeDate(CommandLine& line, const QString& value)
{
    line.date = QDate::fromString(value, Qt::ISODate);
    return line.date.isValid() ? QString() : texts::badDate.arg(value);
}

QString takeValue(CommandLine& line, const QString& assignment)
{
    const qsizetype nameEnd = assignment.indexOf(u'=');
    if (nameEnd <= 0)
        return texts::badSet.arg(assignment);
    line.values.insert(assignment.left(nameEnd), assignment.mid(nameEnd + 1));
    return {};
}

// An option answered alone, before any other is read.
QString answeredAlone(CommandLine&, const QString&)
{
    return {};
}

struct Option {
    QStringView name;
    bool takesValue;
    Fill fill;  // nullptr for --help and --version, which are answered alone
};

// Every option. Another option of --create is one row here and its field in
// CommandLine; every option but --create itself and those answered alone
// (--shelves, --history, --undo) needs --create.
constexpr std::array<Option, 17> options = {{
    {u"create", true, &keep<&CommandLine::list>},
    {u"shelf", true, &keep<&CommandLine::shelf>},
    {u"parent", true, &keep<&CommandLine::parent>},
    {u"into", true, &keep<&CommandLine::into>},
    {u"dry-run", false, &turnOn<&CommandLine::dryRun>},
    {u"date", true, &takeDate},
    {u"set", true, &takeValue},
    {u"values", true, &keep<&CommandLine::valuesFile>},
    {u"literal", false, &turnOn<&CommandLine::literal>},
    {u"existing", false, &turnOn<&CommandLine::existing>},
    {u"template", true, &keep<&CommandLine::templateFolder>},
    {u"no-template", false, &turnOn<&CommandLine::noTemplate>},
    {u"history", false, &answeredAlone},
    {u"undo", true, &answeredAlone},
    {u"help", false, nullptr},
    {u"version", false, nullptr},
    {u"shelves", false, &answeredAlone},
}};

// The one short option, as every program answers it.
const QString shortHelp = QStringLiteral("-h");

QString dashed(QStringView name)
{
    return QStringLiteral("--") + name.toString();
}

// The option `given` (without its dashes) spells out, or every one it begins.
QList<const Option*> optionsNamed(QStringView given)
{
    QList<const Option*> found;
    for (const Option& option : options) {
        if (option.name == given)
            return {&option};
        if (!given.isEmpty() && option.name.startsWith(given))
            found.append(&option);
    }
    return found;
}

CommandLine usageError(const QString& error)
{
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = error;
    return line;
}

// QCommandLineParser knows an option only by its whole name, and says what is
// wrong in English, without saying which option. So each option before "--"
// is first spelled out in full -- a long one may be shortened while it stays
// unambiguous (--cr, --dry), as GNU tools allow -- and its value checked, in
// the person's words. Returns what is wrong, or nothing.
QString spellOut(QStringList& arguments)
{
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        QString& argument = arguments[index];
        if (argument == QStringLiteral("--"))
            break;
        if (argument == shortHelp)
            argument = dashed(u"help");
        if (argument == QStringLiteral("-") || !argument.startsWith(u'-'))
            continue;
        if (!argument.startsWith(QStringLiteral("--")))
            return texts::unknownOption.arg(argument);

        const qsizetype equals = argument.indexOf(u'=');
        const QStringView given = QStringView(argument).sliced(2, (equals < 0 ? argument.size() : equals) - 2);
        const QList<const Option*> found = optionsNamed(given);
        if (found.isEmpty())
            return texts::unknownOption.arg(dashed(given));
        if (found.size() > 1) {
            QStringList candidates;
            for (const Option* option : found)
                candidates.append(dashed(option->name));
            return texts::ambiguousOption.arg(dashed(given), candidates.join(QStringLiteral(", ")));
        }
        const Option& option = *found.first();
        if (!option.takesValue && equals >= 0)
            return texts::optionTakesNoValue.arg(dashed(option.name));
        if (option.takesValue && equals < 0 && index + 1 == arguments.size())
            return texts::optionNeedsValue.arg(dashed(option.name));
        argument.replace(0, equals < 0 ? argument.size() : equals, dashed(option.name));
        if (option.fill == nullptr) {
            arguments.resize(index + 1);  // --help and --version are answered whatever follows them
            break;
        }
        if (option.takesValue && equals < 0)
            ++index;  // the value, which is read as it stands
    }
    return {};
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
    QStringList spelled = arguments;
    if (const QString error = spellOut(spelled); !error.isEmpty())
        return usageError(error);
    QCommandLineParser parser;
    for (const Option& option : options)
        parser.addOption(QCommandLineOption(option.name.toString(), QString(),
                                            option.takesValue ? QStringLiteral("value") : QString()));
    // Not reached: every option was named and given its value above.
    if (!parser.parse(QStringList{texts::commandName} + spelled))
        return usageError(parser.errorText());

    CommandLine line;
    if (parser.isSet(QStringLiteral("help"))) {
        line.action = CommandLine::Action::ShowHelp;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.action = CommandLine::Action::ShowVersion;
        return line;
    }
    const QStringList operands = parser.positionalArguments();
    for (const auto& [name, action] : {std::pair{QStringLiteral("shelves"), CommandLine::Action::ListShelves},
                                       std::pair{QStringLiteral("history"), CommandLine::Action::ShowHistory},
                                       std::pair{QStringLiteral("undo"), CommandLine::Action::Undo}}) {
        if (!parser.isSet(name))
            continue;
        for (const QString& other : parser.optionNames()) {
            if (other != name)
                return usageError(texts::optionAlone.arg(dashed(name), dashed(other)));
        }
        if (!operands.isEmpty())
            return usageError(texts::extraArgument.arg(operands.first()));
        line.action = action;
        line.undo = parser.value(QStringLiteral("undo"));
        return line;
    }
    for (const Option& option : options) {
        const QString name = option.name.toString();
        if (!parser.isSet(name))
            continue;
        for (const QString& value : option.takesValue ? parser.values(name) : QStringList{QString()}) {
            if (const QString error = option.fill(line, value); !error.isEmpty())
                return usageError(error);
        }
    }

    if (!parser.isSet(QStringLiteral("create"))) {
        if (!parser.optionNames().isEmpty())
            return usageError(texts::needsCreate.arg(dashed(parser.optionNames().first())));
        if (operands.size() > 1)
            return usageError(texts::extraArgument.arg(operands.at(1)));
        line.path = operands.value(0);
        return line;
    }
    if (!operands.isEmpty())
        return usageError(texts::extraArgument.arg(operands.first()));
    if (line.list == QStringLiteral("-") && line.into.isEmpty())
        return usageError(texts::standardInputNeedsInto);
    if (line.list == QStringLiteral("-") && line.valuesFile == QStringLiteral("-"))
        return usageError(texts::standardInputOnce);
    if (line.noTemplate && parser.isSet(QStringLiteral("template")))
        return usageError(texts::templateOptionsTogether);
    if (!line.shelf.isEmpty()) {
        // The list is a file on the shelf, and the shelf is no place to make folders in.
        const bool oneFileName = !line.list.contains(u'/') && line.list != QStringLiteral("-") &&
                                 line.list != QStringLiteral(".") && line.list != QStringLiteral("..");
        if (!oneFileName)
            return usageError(texts::shelfListNotAFileName.arg(line.list));
        if (line.into.isEmpty())
            return usageError(texts::shelfNeedsInto);
    }
    line.action = CommandLine::Action::Create;
    return line;
}

QString helpText()
{
    QStringList eraNames;
    for (const Era& era : eras)
        eraNames.append(QString::fromUtf16(era.name));
    return texts::commandHelp.arg(texts::defaultParentName, statusWords(), eraNames.join(u' '), copyStatusWords());
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
