#pragma once

#include "controls.h"
#include "failure_injector.h"

#include <QStringList>

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

class FakeTextViewer final : public TextViewer {
public:
    void showText(const QString& value) override
    {
        text = value;
        visible = true;
    }
    void close() override { visible = false; }
    QString text;
    bool visible = true;
};

class FakeNameBox final : public NameBox {
public:
    QString text() const override { return contents; }
    void setText(const QString& value) override
    {
        faults.call(QStringLiteral("setText"));
        contents = value;
        allSelected = false;
    }
    void selectAllAndFocus() override
    {
        allSelected = true;
        focused = true;
    }
    void setFocus() override { focused = true; }
    void setMark(ItemMark value, const QString& tip) override
    {
        mark = value;
        toolTip = tip;
    }

    QString contents;
    bool allSelected = false;
    bool focused = false;
    ItemMark mark = ItemMark::None;
    QString toolTip;
    FailureInjector faults;
};

class FakeItemList final : public ItemList {
public:
    void clear() override
    {
        items.clear();
        indents.clear();
        marks.clear();
        toolTips.clear();
    }
    void addItem(const QString& item, int indent) override
    {
        items.append(item);
        indents.append(indent);
        marks.append(ItemMark::None);
        toolTips.append(QString());
    }
    void setItemMark(int row, ItemMark mark, const QString& toolTip) override
    {
        if (row < 0 || row >= items.size())
            return;
        // A test may fill `items` directly.
        marks.resize(items.size(), ItemMark::None);
        toolTips.resize(items.size());
        marks[row] = mark;
        toolTips[row] = toolTip;
    }

    QStringList items;
    QList<int> indents;     // one a row
    QList<ItemMark> marks;  // one a row
    QStringList toolTips;   // one a row
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

class FakeFolderList final : public FolderList {
public:
    QString path() const override { return openPath; }
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        openPath = value;
    }

    QString openPath;
    FailureInjector faults;
};

class FakeFileList final : public FileList {
public:
    void setPath(const QString& value) override
    {
        faults.call(QStringLiteral("setPath"));
        shownFolder = value;
        chosen.clear();
    }
    void choose(const QString& name) override { chosen = name; }

    QString shownFolder;
    QString chosen;
    FailureInjector faults;
};

}  // namespace kestrune::test
