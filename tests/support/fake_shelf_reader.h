#pragma once

#include "shelf_reader.h"

#include <QHash>
#include <QStringList>

#include <memory>

namespace kestrune::test {

// Answers each folder or list at once from its tables, or never: a path in
// none of them stands for a share that has gone away. Records every request.
class FakeShelfReader final : public ShelfReader {
public:
    std::shared_ptr<const PendingAnswer<QStringList>> listLists(const QString& folder) override
    {
        listed.append(folder);
        return answer(lists, folder);
    }
    std::shared_ptr<const PendingAnswer<QStringList>> readList(const QString& path) override
    {
        read.append(path);
        return answer(lines, path);
    }

    QHash<QString, QStringList> lists;      // a folder's list files
    QHash<QString, QStringList> lines;      // a list file's lines
    QHash<QString, RuntimeError> failures;  // a folder or file that answers with a failure
    QStringList listed;
    QStringList read;

private:
    std::shared_ptr<PendingAnswer<QStringList>> answer(const QHash<QString, QStringList>& table, const QString& path)
    {
        auto pending = std::make_shared<PendingAnswer<QStringList>>();
        if (table.contains(path))
            pending->give({table.value(path), std::nullopt});
        else if (const auto failure = failures.constFind(path); failure != failures.cend())
            pending->give({{}, *failure});
        return pending;
    }
};

}  // namespace kestrune::test
