#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrune {

// What the arguments ask of the program.
struct CommandLine {
    enum class Action {
        OpenWindow,
        Create,
        ShowHistory,
        Undo,
        ShowHelp,
        ShowVersion,
        ListShelves,
        UsageError,
    };
    Action action = Action::OpenWindow;
    QString path;    // OpenWindow: a file to load or a folder to browse to; empty for neither
    QString list;    // Create: the list file, "-" for standard input; with a shelf, its file name there
    QString shelf;   // Create: the shelf LIST is taken from; empty for none
    QString parent;  // Create: the new parent's name as given; empty for the preset name
    QString into;    // Create: where the parent goes; empty for the list file's folder
    bool dryRun = false;
    QDate date;                      // Create: the notation's date; invalid for today
    QHash<QString, QString> values;  // Create: {?名前} -> value, from --set
    QString valuesFile;              // Create: a table of values, one tree per row; "-" for standard input
    bool literal = false;            // Create: the notation is not read
    bool existing = false;           // Create: a parent that is there is filled in, not renamed
    QString templateFolder;          // Create: the template folder named; empty for the list's own
    bool noTemplate = false;         // Create: no template, not even the list's own
    QString undo;                    // Undo: the press's number, or "last"
    QString error;                   // UsageError: what is wrong, in the person's words
};

// True unless an option of the program's own (two dashes) comes before any
// "--". The window then starts, and Qt takes its own options (-style, ...)
// before the rest is parsed; nothing else needs a display.
bool opensWindow(const QStringList& arguments);

// The arguments after the program's name, read as GNU tools read theirs: a
// long option may be shortened while it stays unambiguous, takes its value as
// "--opt=value" or as the next argument, and "--" ends the options.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help and --version print, and the two lines after a usage error.
QString helpText();
QString versionText();
QString usageErrorText(const QString& error);

}  // namespace kestrune
