#pragma once

#include "clock.h"
#include "command_line.h"
#include "folders.h"
#include "list_preview.h"
#include "list_reader.h"
#include "mount_table.h"
#include "press_history.h"
#include "standard_streams.h"
#include "template_plan.h"

#include <QStringList>

namespace kestrune {

// The exit statuses of the command line.
enum ExitStatus : int {
    ExitMade = 0,           // made; with --dry-run, no line refused
    ExitRefused = 1,        // lines refused, nothing made
    ExitUnusable = 2,       // a usage error, or the list or the target cannot be used
    ExitFailedHalfWay = 3,  // making stopped at a failure, or the outcome could not be written; what was made stays
};

// `kestrune --create`: the list read by the window's reader, checked by its
// preview and made by its folder-tree maker, with no window. The outcome goes
// to `out` (the new parent, or the dry run's lines) and `err` (everything
// else, in the window's words).
// The host services a creation without a window reaches.
struct CreationHost {
    ListReader& lists;
    Folders& folders;
    const MountTable& mounts;
    const Clock& clock;
    PressHistory& history;  // every press is recorded in it
    // Where --values reads its table when that is not where lists are read
    // (a list on a shelf, a table on any drive); null: as lists are read.
    ListReader* tableFiles = nullptr;
};

class HeadlessCreation {
public:
    HeadlessCreation(const CreationHost& host, OutputStream& out, OutputStream& err);

    // `request` is a Create command line; returns the exit status.
    int run(const CommandLine& request);

private:
    int create(const CommandLine& request);
    void printDryRun(const ListPreview& preview, const TemplatePlan& templates, const QString& baseFolder);
    static QString dryRunRow(int lineNumber, const LinePreview& line, const QString& prefix, const ToolTipWords& words);
    void tell(const QString& message);

    ListReader& lists_;
    ListReader& tableFiles_;
    Folders& folders_;
    const MountTable& mounts_;
    const Clock& clock_;
    PressHistory& history_;
    OutputStream& out_;
    OutputStream& err_;
    bool madeAny_ = false;
};

// Runs what a command line asks that needs no window: --help, --version, a
// usage error, --shelves, --create, --history or --undo. Returns the exit status.
int runWithoutWindow(const CommandLine& line);

// The program's arguments after its name, decoded as Qt decodes them.
QStringList argumentsOf(int argc, char* argv[]);

}  // namespace kestrune
