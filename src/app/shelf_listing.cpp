#include "shelf_listing.h"

#include "app_texts.h"
#include "folder_paths.h"
#include "headless_creation.h"
#include "shelf_settings.h"

#include <QSettings>

#include <memory>

namespace kestrune {

namespace {

void tell(OutputStream& err, const QString& message)
{
    err.write(texts::commandName + QStringLiteral(": ") + message + u'\n');
}

}  // namespace

QList<Shelf> shelvesInSettings()
{
    // Where the window's QSettings find them, with no application object to ask.
    QSettings user(QSettings::UserScope, texts::applicationName, texts::applicationName);
    QSettings system(QSettings::SystemScope, texts::applicationName, texts::applicationName);
    return ShelfSettings(user, system).shelves();
}

std::optional<CommandLine> onShelf(const CommandLine& request, const QList<Shelf>& shelves, OutputStream& err)
{
    for (const Shelf& shelf : shelves) {
        if (shelf.name == request.shelf) {
            CommandLine onShelf = request;
            onShelf.list = joinPath(shelf.path, request.list);
            return onShelf;
        }
    }
    tell(err, texts::unknownShelf.arg(request.shelf));
    return std::nullopt;
}

int listShelves(const QList<Shelf>& shelves, ShelfReader& reader, OutputStream& out, OutputStream& err,
                std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    QList<std::shared_ptr<const PendingAnswer<QStringList>>> answers;
    for (const Shelf& shelf : shelves)
        answers.append(reader.listLists(shelf.path));

    bool allAnswered = true;
    for (qsizetype index = 0; index < shelves.size(); ++index) {
        const Shelf& shelf = shelves.at(index);
        const auto outcome = answers.at(index)->waitUntil(deadline);
        if (!outcome) {
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limit).count();
            tell(err, texts::shelfDidNotAnswer.arg(shelf.name, QString::number(seconds), shelf.path));
            allAnswered = false;
        } else if (outcome->failure) {
            tell(err, texts::shelfUnreadable.arg(shelf.name, QString::number(outcome->failure->number()),
                                                 outcome->failure->description()));
            allAnswered = false;
        } else {
            QString rows;
            for (const QString& list : outcome->value)
                rows += shelf.name + u'\t' + list + u'\t' + joinPath(shelf.path, list) + u'\n';
            out.write(rows);
        }
    }
    const bool written = out.flush();
    if (!err.flush() || !written)
        return ExitFailedHalfWay;
    return allAnswered ? ExitMade : ExitUnusable;
}

}  // namespace kestrune
