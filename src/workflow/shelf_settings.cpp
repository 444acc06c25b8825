#include "shelf_settings.h"

#include "folder_paths.h"

#include <QDir>

#include <algorithm>

namespace kestrune {

namespace {

const QString arrayKey = QStringLiteral("shelves");
const QString nameKey = QStringLiteral("name");
const QString pathKey = QStringLiteral("path");

// While it lives, `settings` reads its own file only: the user scope falls
// back to the system's file, whose shelves must not read as the person's own.
class OwnFileOnly {
public:
    explicit OwnFileOnly(QSettings& settings) : settings_(settings), fallbacks_(settings.fallbacksEnabled())
    {
        settings_.setFallbacksEnabled(false);
    }
    ~OwnFileOnly() { settings_.setFallbacksEnabled(fallbacks_); }
    OwnFileOnly(const OwnFileOnly&) = delete;
    OwnFileOnly& operator=(const OwnFileOnly&) = delete;

private:
    QSettings& settings_;
    bool fallbacks_;
};

}  // namespace

bool isUsableShelfName(const QString& name)
{
    return !name.trimmed().isEmpty() &&
           std::none_of(name.cbegin(), name.cend(), [](QChar unit) { return unit.category() == QChar::Other_Control; });
}

QList<ShelfSettings::Entry> ShelfSettings::entriesOf(QSettings& scope)
{
    // The numbered groups in their order, whatever `size` says: an
    // administrator writing the file by hand may forget it or miscount.
    scope.beginGroup(arrayKey);
    QList<std::pair<int, QString>> numbered;
    for (const QString& group : scope.childGroups()) {
        bool isNumber = false;
        const int number = group.toInt(&isNumber);
        if (isNumber && number > 0)
            numbered.append({number, group});
    }
    std::sort(numbered.begin(), numbered.end());
    QList<Entry> entries;
    for (const auto& [number, group] : std::as_const(numbered)) {
        entries.append(
            {scope.value(group + u'/' + nameKey).toString(), scope.value(group + u'/' + pathKey).toString()});
    }
    scope.endGroup();
    return entries;
}

QList<Shelf> ShelfSettings::shelves() const
{
    QList<Shelf> shelves;
    const auto take = [&shelves](const QList<Entry>& entries, bool own) {
        for (const Entry& entry : entries) {
            const QString name = entry.name.trimmed();
            const bool taken = std::any_of(shelves.cbegin(), shelves.cend(),
                                           [&name](const Shelf& shelf) { return shelf.name == name; });
            if (!isUsableShelfName(name) || taken || !QDir::isAbsolutePath(entry.path))
                continue;
            shelves.append({name, cleanFolderPath(entry.path), own});
        }
    };
    take(entriesOf(system_), false);
    const OwnFileOnly ownFile(user_);
    take(entriesOf(user_), true);
    return shelves;
}

std::optional<Shelf> ShelfSettings::find(const QString& name) const
{
    for (const Shelf& shelf : shelves()) {
        if (shelf.name == name)
            return shelf;
    }
    return std::nullopt;
}

void ShelfSettings::add(const QString& name, const QString& path)
{
    const OwnFileOnly ownFile(user_);
    QList<Entry> entries = entriesOf(user_);
    entries.append({name.trimmed(), path});
    storeOwn(entries);
}

bool ShelfSettings::remove(const QString& name)
{
    const std::optional<Shelf> shelf = find(name);
    if (!shelf || !shelf->own)
        return false;
    const OwnFileOnly ownFile(user_);
    // What the person's file holds stays as it was, entries the reading
    // leaves out included: only this one goes.
    QList<Entry> entries = entriesOf(user_);
    entries.removeIf([&name](const Entry& entry) { return entry.name.trimmed() == name; });
    storeOwn(entries);
    return true;
}

void ShelfSettings::storeOwn(const QList<Entry>& entries)
{
    // The old array goes first: a shorter one written over it would leave its tail.
    user_.remove(arrayKey);
    user_.beginWriteArray(arrayKey, static_cast<int>(entries.size()));
    for (int index = 0; index < entries.size(); ++index) {
        user_.setArrayIndex(index);
        user_.setValue(nameKey, entries.at(index).name);
        user_.setValue(pathKey, entries.at(index).path);
    }
    user_.endArray();
}

}  // namespace kestrune
