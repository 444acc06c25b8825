#pragma once

#include "controls.h"
#include "failure_injector.h"

#include <QHash>
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
    FakeItemList() = default;
    FakeItemList(const FakeItemList&) = delete;  // `toolTips` reads this list
    FakeItemList& operator=(const FakeItemList&) = delete;

    void clear() override
    {
        items.clear();
        indents.clear();
        marks.clear();
        ownTips_.clear();
        toolTipOf_ = nullptr;
    }
    void addItem(const QString& item, int indent) override
    {
        items.append(item);
        indents.append(indent);
        marks.append(ItemMark::None);
    }
    void setItems(const QStringList& all, const QList<int>& allIndents) override
    {
        clear();
        items = all;
        indents = allIndents;
        indents.resize(items.size(), 0);
        marks.resize(items.size(), ItemMark::None);
    }
    void setItemMark(int row, ItemMark mark, const QString& toolTip) override
    {
        if (row < 0 || row >= items.size())
            return;
        // A test may fill `items` directly.
        marks.resize(items.size(), ItemMark::None);
        marks[row] = mark;
        ownTips_.insert(row, toolTip);
    }
    void setItemMarks(const QList<ItemMark>& all, std::function<QString(int)> toolTipOf) override
    {
        marks = all;
        if (marks.size() != items.size())
            marks.resize(items.size(), ItemMark::None);
        ownTips_.clear();
        toolTipOf_ = std::move(toolTipOf);
    }

    // One a row, each built when read, as the window builds them when shown.
    class ToolTips {
    public:
        explicit ToolTips(const FakeItemList& list) : list_(list) {}
        QString at(qsizetype row) const
        {
            if (const auto own = list_.ownTips_.constFind(static_cast<int>(row)); own != list_.ownTips_.cend())
                return *own;
            return list_.toolTipOf_ ? list_.toolTipOf_(static_cast<int>(row)) : QString();
        }
        QString first() const { return at(0); }

    private:
        const FakeItemList& list_;
    };

    QStringList items;
    QList<int> indents;     // one a row
    QList<ItemMark> marks;  // one a row
    const ToolTips toolTips{*this};

private:
    QHash<int, QString> ownTips_;  // set by setItemMark
    std::function<QString(int)> toolTipOf_;
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
