#pragma once

#include <QString>

// What the handlers do with the window's controls, one small interface per
// kind of control. Qt widgets implement them in platform/qt; tests use
// recording doubles. Any member may throw RuntimeError.
namespace kestrune {

class WindowTitle {
public:
    virtual ~WindowTitle() = default;
    virtual void setCaption(const QString& caption) = 0;
};

// A panel that shows or hides everything inside it.
class Overlay {
public:
    virtual ~Overlay() = default;
    virtual void setVisible(bool visible) = 0;
};

// A text field. Selection start and length are separate steps, so that the
// list reader can report a failure of either on its own.
class TextField {
public:
    virtual ~TextField() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setSelectionStart(int start) = 0;
    virtual void setSelectionLength(int length) = 0;
    virtual void setFocus() = 0;
};

// What a row of the names list says about its line: shown as a small
// coloured icon, with the reason in the row's tool tip.
enum class ItemMark {
    None,      // no icon
    Ok,        // will be made
    Blank,     // nothing to make
    Repeat,    // the same folder as an earlier line
    Warning,   // will be made, but unsafe on Windows
    Refused,   // stops the press
    Made,      // made by this press (or counted as done)
    Failed,    // making it failed
    NotTried,  // not reached after a failure
};

// A list of lines in the order added.
class ItemList {
public:
    virtual ~ItemList() = default;
    virtual void clear() = 0;
    virtual void addItem(const QString& item) = 0;
    // Marks row `row` (counted from 0); nothing happens outside the list.
    virtual void setItemMark(int row, ItemMark mark, const QString& toolTip) = 0;
};

class DriveList {
public:
    virtual ~DriveList() = default;
    // Root path of the chosen volume, in a form FolderList::setPath accepts.
    virtual QString rootPath() const = 0;
};

// The open folder, its parents above it and its sub-folders below.
class FolderList {
public:
    virtual ~FolderList() = default;
    virtual QString path() const = 0;
    // Opens the folder; a change of path raises the list's change event.
    // Fails with a numbered error when the folder cannot be read.
    virtual void setPath(const QString& path) = 0;
    // Full path of entry `index`: the open folder is -1, its parent -2 and so
    // on, sub-folders from 0. Fails with error 9 outside the list.
    virtual QString entry(int index) const = 0;
    virtual int selectedIndex() const = 0;
};

class FileList {
public:
    virtual ~FileList() = default;
    virtual void setPath(const QString& path) = 0;
    // Bare name of the selected file; empty when none is selected.
    virtual QString fileName() const = 0;
};

}  // namespace kestrune
