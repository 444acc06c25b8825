#pragma once

#include "controls.h"
#include "failure_injector.h"

#include <QStringList>

#include <functional>

namespace kestrune::test {

class FakeForm final : public Form {
public:
    void setCaption(const QString& value) override
    {
        faults.call(QStringLiteral("setCaption"));
        caption = value;
    }
    QString caption;
    FailureInjector faults;
};

class FakeFrame final : public Frame {
public:
    bool Visible() const override { return visible; }
    void setVisible(bool value) override
    {
        faults.call(QStringLiteral("setVisible"));
        visible = value;
    }
    bool visible = true;
    FailureInjector faults;
};

class FakeTextBox final : public TextBox {
public:
    explicit FakeTextBox(QString initial = QString()) : text(std::move(initial)) {}
    QString Text() const override
    {
        const_cast<FailureInjector&>(faults).call(QStringLiteral("Text"));
        return text;
    }
    void setText(const QString& value) override
    {
        faults.call(QStringLiteral("setText"));
        text = value;
        selStart = 0;
        selLength = 0;
    }
    void setSelStart(int value) override
    {
        faults.call(QStringLiteral("setSelStart"));
        selStart = value;
        selLength = 0;
    }
    void setSelLength(int value) override
    {
        faults.call(QStringLiteral("setSelLength"));
        selLength = value;
    }
    void SetFocus() override
    {
        faults.call(QStringLiteral("SetFocus"));
        focused = true;
    }
    QString selectedText() const { return text.mid(selStart, selLength); }

    QString text;
    int selStart = 0;
    int selLength = 0;
    bool focused = false;
    FailureInjector faults;
};

class FakeListBox final : public ListBox {
public:
    void Clear() override
    {
        faults.call(QStringLiteral("Clear"));
        items.clear();
    }
    void AddItem(const QString& item) override
    {
        faults.call(QStringLiteral("AddItem"));
        items.append(item);
    }
    int ListCount() const override { return static_cast<int>(items.size()); }
    QString List(int index) const override { return items.value(index); }

    QStringList items;
    FailureInjector faults;
};

class FakeDriveListBox final : public DriveListBox {
public:
    QString Drive() const override
    {
        const_cast<FailureInjector&>(faults).call(QStringLiteral("Drive"));
        return drive;
    }
    QString drive = QStringLiteral("/");
    FailureInjector faults;
};

// A folder list over a fixed set of entries. Setting a new path raises the
// change through `onChange`, which a test wires to the handler.
class FakeDirListBox final : public DirListBox {
public:
    QString Path() const override { return path; }
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        const bool changed = value != path;
        path = value;
        if (changed && onChange)
            onChange();
    }
    QString List(int index) const override
    {
        if (index < 0 || index >= entries.size())
            throw RuntimeError(SubscriptOutOfRange, QStringLiteral("no entry %1").arg(index));
        return entries.at(index);
    }
    int ListIndex() const override { return listIndex; }

    QString path;
    QStringList entries;
    int listIndex = -1;
    std::function<void()> onChange;
    FailureInjector faults;
};

class FakeFileListBox final : public FileListBox {
public:
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        path = value;
    }
    QString FileName() const override { return fileName; }

    QString path;
    QString fileName;
    FailureInjector faults;
};

}  // namespace kestrune::test
