#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the workflow does with the window's controls, one small interface per
// control. The widgets in src/ui implement them; tests use recording doubles.
namespace kestrune {

class WindowTitle {
public:
    virtual ~WindowTitle() = default;
    virtual void setCaption(const QString& caption) = 0;
};

// The viewer that shows a Readme file's text over the whole window.
class TextViewer {
public:
    virtual ~TextViewer() = default;
    virtual void showText(const QString& text) = 0;
    virtual void close() = 0;
};

// What a row of the names list, or the parent-name box, says about its
// name: shown as a small coloured icon, with the reason in the tool tip.
enum class ItemMark {
    None,      // no icon
    Ok,        // will be made
    Blank,     // nothing to make
    Repeat,    // the same folder as an earlier line
    Warning,   // will be made, but unsafe on Windows
    Refused,   // stops the press
    Notation,  // will be made as written, but a {…} in it fits no notation
    Waiting,   // waits for a value to be given
    Exists,    // there already: used as it is
    Made,      // made by this press (or counted as done)
    Failed,    // making it failed
    NotTried,  // not reached after a failure
};

// The box for the new parent's name.
class NameBox {
public:
    virtual ~NameBox() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // Selects the whole text and takes the keyboard, so that typing replaces it.
    virtual void selectAllAndFocus() = 0;
    virtual void setFocus() = 0;
    virtual void setMark(ItemMark mark, const QString& toolTip) = 0;
};

// A list of lines in the order added.
class ItemList {
public:
    virtual ~ItemList() = default;
    virtual void clear() = 0;
    // `indent` 1 shows the row slightly to the right, beneath the line it belongs to.
    virtual void addItem(const QString& item, int indent) = 0;
    // Shows `items` in place of every row, row `i` indented by `indents[i]`
    // (0 past its end). One call for a whole list: a list of thousands of
    // rows is shown at every load, and is often the lines as read.
    virtual void setItems(const QStringList& items, const QList<int>& indents) = 0;
    // Marks row `row` (counted from 0); nothing happens outside the list.
    virtual void setItemMark(int row, ItemMark mark, const QString& toolTip) = 0;
    // Marks the rows from the first, one mark a row. A row's tool tip is
    // asked of `toolTipOf` only when it is shown: a list of thousands of rows
    // would otherwise build thousands of tips at every keystroke. A later
    // setItemMark of a row gives that row its own tip.
    virtual void setItemMarks(const QList<ItemMark>& marks, std::function<QString(int row)> toolTipOf) = 0;
};

class DriveList {
public:
    virtual ~DriveList() = default;
    // Root path of the chosen volume, in a form FolderList::setPath accepts.
    // Fails with error 68 when the volume has gone.
    virtual QString rootPath() const = 0;
};

// The open folder, its parents above it and its sub-folders below.
class FolderList {
public:
    virtual ~FolderList() = default;
    // Absolute and clean: no trailing separator but on the root.
    virtual QString path() const = 0;
    // Reads the folder and opens it; a folder that cannot be read fails with
    // its numbered error and leaves the list as it was.
    virtual void setPath(const QString& path) = 0;
};

// The list files of one folder.
class FileList {
public:
    virtual ~FileList() = default;
    // Reads the folder and shows its list files, none chosen.
    virtual void setPath(const QString& path) = 0;
    // Shows `name` as the chosen file (one the list does not offer is shown
    // at its end for the time); an empty name chooses none.
    virtual void choose(const QString& name) = 0;
};

}  // namespace kestrune
