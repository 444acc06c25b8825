#pragma once

#include "controls.h"

#include <QString>
#include <QStringView>

#include <array>

// What the press will do with one folder of a list, and everything that
// follows from it: the word a script reads, the mark a person sees, the tool
// tip, whether a folder is made and how much the status weighs. Each status
// is one row of one table, so that a new status is added in one place.
namespace kestrune {

enum class LineStatus {
    Ok,        // made as written
    Blank,     // nothing to make
    Repeat,    // the same folder as an earlier line: counts as done
    Refused,   // the press refuses the whole list because of this line
    Unsafe,    // made, but Windows cannot hold the name or changes it
    Notation,  // made as written, but a {…} in it fits no notation
    Waiting,   // makes nothing until a value it asks for is given
    Exists,    // filling in an existing folder: it is there already and is used as it is
};

struct LinePreview;

// The words of the rows' tool tips in the language spoken. Each is read at
// its first use and kept for a whole preview or press: a list may make
// 10,000 rows, and most tips need one or two of the nine words. Reading
// one fills it in: one thread's object, like the preview it serves.
class ToolTipWords {
public:
    const QString& made() const { return word(Made); }
    const QString& warning() const { return word(Warning); }
    const QString& blank() const { return word(Blank); }
    const QString& repeat() const { return word(Repeat); }
    const QString& refused() const { return word(Refused); }
    const QString& exists() const { return word(Exists); }
    const QString& composed() const { return word(Composed); }
    const QString& done() const { return word(Done); }              // after the press made it
    const QString& doneRepeat() const { return word(DoneRepeat); }  // after the press reached a repeat

private:
    enum Word : std::size_t { Made, Warning, Blank, Repeat, Refused, Exists, Composed, Done, DoneRepeat, WordCount };
    const QString& word(Word word) const;
    mutable std::array<QString, WordCount> words_;
};

// What the dry run prints after the status word.
enum class DryRunField {
    Never,  // not printed: a dry run with a value not given ends before it prints
    Nothing,
    Folder,  // the folder it becomes, under its parent
    Reason,  // why it makes nothing
};

struct StatusTraits {
    LineStatus status;
    QStringView word;   // the dry run's word, also named by --help
    ItemMark mark;      // the row's mark before the press
    ItemMark doneMark;  // after the press reached it
    bool makesFolder;   // the press makes its folder (or finds it there)
    // A line that stands for several folders shows the heaviest of them;
    // the heaviest status of all refuses the list.
    int weight;
    DryRunField dryRunField;
    // The row's tool tip before the press, and after the press reached it.
    QString (*toolTip)(const LinePreview&, const ToolTipWords&);
    QString (*doneToolTip)(const LinePreview&, const ToolTipWords&);
    // The dry run's fourth field (the window's note on the folder); empty for none.
    QString (*note)(const LinePreview&, const ToolTipWords&);
};

inline constexpr int statusCount = 8;

// Every status's row, in the enum's order.
const std::array<StatusTraits, statusCount>& statusTable();

inline const StatusTraits& traitsOf(LineStatus status)
{
    return statusTable()[static_cast<std::size_t>(status)];
}

// True for the statuses whose folder the press makes (or finds there).
inline bool makesFolder(LineStatus status)
{
    return traitsOf(status).makesFolder;
}

// The words a dry run prints, in the table's order, joined by ", " (for --help).
QString statusWords();

}  // namespace kestrune
