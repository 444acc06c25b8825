#pragma once

#include "controls.h"
#include "failure_injector.h"

#include <QStringList>

#include <functional>

namespace kestrune::test {

class FakeWindowTitle final : public WindowTitle {
public:
    void setCaption(const QString& value) override
    {
        faults.call(QStringLiteral("setCaption"));
        caption = value;
    }
    QString caption;
    FailureInjector faults;
};

class FakeOverlay final : public Overlay {
public:
    void setVisible(bool value) override
    {
        faults.call(QStringLiteral("setVisible"));
        visible = value;
    }
    bool visible = true;
    FailureInjector faults;
};

class FakeTextField final : public TextField {
public:
    explicit FakeTextField(QString initial = QString()) : contents(std::move(initial)) {}
    QString text() const override
    {
        const_cast<FailureInjector&>(faults).call(QStringLiteral("text"));
        return contents;
    }
    void setText(const QString& value) override
    {
        faults.call(QStringLiteral("setText"));
        contents = value;
        selStart = 0;
        selLength = 0;
    }
    void setSelectionStart(int value) override
    {
        faults.call(QStringLiteral("setSelectionStart"));
        selStart = value;
        selLength = 0;
    }
    void setSelectionLength(int value) override
    {
        faults.call(QStringLiteral("setSelectionLength"));
        selLength = value;
    }
    void setFocus() override
    {
        faults.call(QStringLiteral("setFocus"));
        focused = true;
    }
    QString selectedText() const { return contents.mid(selStart, selLength); }

    QString contents;
    int selStart = 0;
    int selLength = 0;
    bool focused = false;
    FailureInjector faults;
};

class FakeItemList final : public ItemList {
public:
    void clear() override
    {
        faults.call(QStringLiteral("clear"));
        items.clear();
        marks.clear();
        toolTips.clear();
    }
    void addItem(const QString& item) override
    {
        faults.call(QStringLiteral("addItem"));
        items.append(item);
        marks.append(ItemMark::None);
        toolTips.append(QString());
    }
    void setItemMark(int row, ItemMark mark, const QString& toolTip) override
    {
        faults.call(QStringLiteral("setItemMark"));
        if (row < 0 || row >= items.size())
            return;
        // A test may fill `items` directly.
        marks.resize(items.size(), ItemMark::None);
        toolTips.resize(items.size());
        marks[row] = mark;
        toolTips[row] = toolTip;
    }

    QStringList items;
    QList<ItemMark> marks;  // one a row
    QStringList toolTips;   // one a row
    FailureInjector faults;
};

class FakeDriveList final : public DriveList {
public:
    QString rootPath() const override
    {
        const_cast<FailureInjector&>(faults).call(QStringLiteral("rootPath"));
        return drive;
    }
    QString drive = QStringLiteral("/");
    FailureInjector faults;
};

// A folder list over a fixed set of entries. Setting a new path raises the
// change through `onChange`, which a test wires to the handler.
class FakeFolderList final : public FolderList {
public:
    QString path() const override { return openPath; }
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        const bool changed = value != openPath;
        openPath = value;
        if (changed && onChange)
            onChange();
    }
    QString entry(int index) const override
    {
        if (index < 0 || index >= entries.size())
            throw RuntimeError(SubscriptOutOfRange, QStringLiteral("no entry %1").arg(index));
        return entries.at(index);
    }
    int selectedIndex() const override { return listIndex; }

    QString openPath;
    QStringList entries;
    int listIndex = -1;
    std::function<void()> onChange;
    FailureInjector faults;
};

class FakeFileList final : public FileList {
public:
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        shownFolder = value;
    }
    QString fileName() const override { return selectedName; }

    QString shownFolder;
    QString selectedName;
    FailureInjector faults;
};

}  // namespace kestrune::test
