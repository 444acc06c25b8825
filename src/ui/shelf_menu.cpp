#include "shelf_menu.h"

#include "menu_entry_text.h"
#include "ui_texts.h"

#include <algorithm>

namespace kestrune {

namespace {

// Often enough that a shelf's lists appear as soon as a person could look,
// rarely enough to cost nothing while a share keeps the menu waiting.
constexpr std::chrono::milliseconds pollEvery{25};

}  // namespace

ShelfMenu::ShelfMenu(ShelfReader& reader, std::chrono::milliseconds limit, QWidget* parent)
    : QMenu(texts::shelvesCaption, parent), reader_(reader), limit_(limit)
{
    separator_ = addSeparator();
    addFolderAction_ = addAction(texts::addShelfCaption);
    removeMenu_ = addMenu(texts::removeShelfCaption);
    poll_.setInterval(pollEvery);
    connect(&poll_, &QTimer::timeout, this, &ShelfMenu::takeAnswers);
    connect(this, &QMenu::aboutToShow, this, &ShelfMenu::fill);
}

// The reads still under way are left to themselves: dropping their answers
// never waits for them.
ShelfMenu::~ShelfMenu() = default;

QMenu* ShelfMenu::shelfMenu(const QString& name) const
{
    for (const Reading& reading : readings_) {
        if (reading.shelf.name == name)
            return reading.menu;
    }
    return nullptr;
}

void ShelfMenu::fill()
{
    // The answers of the last opening are no longer wanted, however late they come.
    poll_.stop();
    for (const Reading& reading : std::as_const(readings_))
        delete reading.menu;
    readings_.clear();
    removeMenu_->clear();

    const QList<Shelf> all = shelves ? shelves() : QList<Shelf>();
    deadline_ = QDeadlineTimer(limit_);
    for (const Shelf& shelf : all) {
        auto* menu = new QMenu(menuEntryText(shelf.name), this);
        insertMenu(separator_, menu);
        showNote(menu, texts::shelfReading);
        readings_.append({shelf, menu, reader_.listLists(shelf.path)});
        if (shelf.own) {
            connect(removeMenu_->addAction(menuEntryText(shelf.name)), &QAction::triggered, this,
                    [this, name = shelf.name] { emit removeChosen(name); });
        }
    }
    separator_->setVisible(!all.isEmpty());
    removeMenu_->menuAction()->setEnabled(!removeMenu_->isEmpty());
    takeAnswers();
    if (std::any_of(readings_.cbegin(), readings_.cend(), [](const Reading& reading) { return reading.answer; }))
        poll_.start();
}

void ShelfMenu::takeAnswers()
{
    bool waiting = false;
    for (Reading& reading : readings_) {
        if (!reading.answer)
            continue;
        if (const auto outcome = reading.answer->answer())
            showLists(reading, *outcome);
        else if (deadline_.hasExpired())
            showNote(reading.menu, texts::shelfNotAnswering);
        else {
            waiting = true;
            continue;
        }
        reading.answer.reset();
    }
    if (!waiting)
        poll_.stop();
}

void ShelfMenu::showLists(const Reading& reading, const ReadOutcome<QStringList>& outcome)
{
    if (outcome.failure) {
        showNote(reading.menu, outcome.failure->description());
        return;
    }
    if (outcome.value.isEmpty()) {
        showNote(reading.menu, texts::shelfEmpty);
        return;
    }
    reading.menu->clear();
    for (const QString& name : outcome.value) {
        connect(reading.menu->addAction(menuEntryText(name)), &QAction::triggered, this,
                [this, shelf = reading.shelf, name] { emit listChosen(shelf, name); });
    }
}

void ShelfMenu::showNote(QMenu* menu, const QString& note)
{
    menu->clear();
    menu->addAction(menuEntryText(note))->setEnabled(false);
}

}  // namespace kestrune
