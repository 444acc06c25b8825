#pragma once

#include "folder_list_workflow.h"

#include <QStringList>

// Controls and a desktop that only remember what they were given: the
// benchmarks time the workflow and the disk, not a window. A benchmark checks
// `boxes` afterwards, since any message box means the run went wrong.
namespace kestrune::bench {

class QuietDesktop final : public Desktop {
public:
    void Beep() override { ++beeps; }
    void MsgBox(const QString& prompt, const QString& = QString()) override
    {
        ++boxes;
        lastPrompt = prompt;
    }
    int mousePointer() const override { return pointer; }
    void setMousePointer(int value) override { pointer = value; }

    int beeps = 0;
    int boxes = 0;
    QString lastPrompt;
    int pointer = DefaultPointer;
};

class QuietFrame final : public Frame {
public:
    bool Visible() const override { return visible; }
    void setVisible(bool value) override { visible = value; }
    bool visible = false;
};

class QuietTextBox final : public TextBox {
public:
    QString Text() const override { return text; }
    void setText(const QString& value) override { text = value; }
    void setSelStart(int) override {}
    void setSelLength(int) override {}
    void SetFocus() override {}
    QString text;
};

// Keeps the names it is given, as a list box would.
class RecordingListBox final : public ListBox {
public:
    void Clear() override { items.clear(); }
    void AddItem(const QString& item) override { items.append(item); }
    int ListCount() const override { return static_cast<int>(items.size()); }
    QString List(int index) const override { return items.value(index); }
    QStringList items;
};

class QuietDriveListBox final : public DriveListBox {
public:
    QString Drive() const override { return QStringLiteral("/"); }
};

class QuietDirListBox final : public DirListBox {
public:
    QString Path() const override { return path; }
    void setPath(const QString& value) override { path = value; }
    QString List(int) const override { return QString(); }
    int ListIndex() const override { return -1; }
    QString path;
};

class QuietFileListBox final : public FileListBox {
public:
    void setPath(const QString&) override {}
    QString FileName() const override { return QString(); }
};

// All of the above, wired for a FolderListWorkflow.
struct QuietWindow {
    QuietDesktop desktop;
    RecordingListBox List1;
    QuietTextBox Text1;
    QuietFrame Frame1;
    QuietTextBox Text2;
    QuietDriveListBox Drive1;
    QuietDirListBox Dir1;
    QuietFileListBox File1;

    WorkflowControls controls() { return {List1, Text1, Frame1, Text2, Drive1, Dir1, File1}; }
};

}  // namespace kestrune::bench
