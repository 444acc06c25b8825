#pragma once

#include <QString>

// The members of the window's controls that the handlers use, one small
// interface per control class. Qt widgets implement them in platform/qt;
// tests use recording doubles. Any member may throw RuntimeError.
namespace kestrune {

class Form {
public:
    virtual ~Form() = default;
    virtual void setCaption(const QString& caption) = 0;
};

class Frame {
public:
    virtual ~Frame() = default;
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setSelStart(int start) = 0;
    virtual void setSelLength(int length) = 0;
    virtual void SetFocus() = 0;
};

class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const QString& item) = 0;
    virtual int ListCount() const = 0;
    virtual QString List(int index) const = 0;
};

class DriveListBox {
public:
    virtual ~DriveListBox() = default;
    // Root path of the chosen volume, in a form DirListBox::setPath accepts.
    virtual QString Drive() const = 0;
};

class DirListBox {
public:
    virtual ~DirListBox() = default;
    virtual QString Path() const = 0;
    // Opens the folder; a change of path raises the control's Change event.
    // Fails with a numbered error when the folder cannot be read.
    virtual void setPath(const QString& path) = 0;
    // Full path of entry `index`; fails with error 9 outside the list.
    virtual QString List(int index) const = 0;
    virtual int ListIndex() const = 0;
};

class FileListBox {
public:
    virtual ~FileListBox() = default;
    virtual void setPath(const QString& path) = 0;
    // Bare name of the selected file; empty when none is selected.
    virtual QString FileName() const = 0;
};

}  // namespace kestrune
