#pragma once

#include "shelf_reader.h"  // also std::chrono, in which its limits are given

#include <QDeadlineTimer>
#include <QList>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <memory>

namespace kestrune {

// 「棚」 in the names list's menu: a sub-menu per shelf, titled with its name
// and listing its lists, then 「このフォルダーを棚に追加…」 and 「棚から外す」
// (the person's own shelves only). Each time the menu opens every shelf is
// read again, all at once and off the window's thread: the menu shows at
// once, each shelf fills in as it answers, and one that has not answered
// within the limit says so, greyed, until the menu opens again.
class ShelfMenu final : public QMenu {
    Q_OBJECT
public:
    // `reader` reads the shelves' folders, each given `limit` to answer.
    ShelfMenu(ShelfReader& reader, std::chrono::milliseconds limit, QWidget* parent);
    ~ShelfMenu() override;

    // Set by the program: the shelves to offer, asked each time the menu opens.
    std::function<QList<Shelf>()> shelves;

    QAction& addFolderAction() const { return *addFolderAction_; }
    QMenu& removeMenu() const { return *removeMenu_; }
    // The sub-menu of the shelf `name` as last filled; none when there is none.
    QMenu* shelfMenu(const QString& name) const;

signals:
    // A list was chosen: the file `listName` on `shelf`.
    void listChosen(const kestrune::Shelf& shelf, const QString& listName);
    // A shelf of the person's own was chosen in 「棚から外す」.
    void removeChosen(const QString& shelfName);

private:
    struct Reading {
        Shelf shelf;
        QMenu* menu = nullptr;
        std::shared_ptr<const PendingAnswer<QStringList>> answer;  // none once shown
    };
    void fill();
    // Shows every answer that has come, and the shelves whose time is up.
    void takeAnswers();
    void showLists(const Reading& reading, const ReadOutcome<QStringList>& outcome);
    static void showNote(QMenu* menu, const QString& note);

    ShelfReader& reader_;
    std::chrono::milliseconds limit_;
    QList<Reading> readings_;
    QTimer poll_;
    QDeadlineTimer deadline_;
    QAction* separator_ = nullptr;
    QAction* addFolderAction_ = nullptr;
    QMenu* removeMenu_ = nullptr;
};

}  // namespace kestrune
