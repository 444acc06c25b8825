#include "folder_tree_model.h"

#include "folder_paths.h"

#include <QDir>

namespace kestrune {

namespace {

// The folders from the root ("/", or a drive root such as "C:/") down to
// `folder`, each as a full path.
QStringList chainOf(const QString& folder)
{
    const QStringList parts = folder.split(u'/', Qt::SkipEmptyParts);
    qsizetype first = 0;
    QString walk = QStringLiteral("/");
    if (!folder.startsWith(u'/') && !parts.isEmpty()) {
        walk = parts.first() + u'/';
        first = 1;
    }
    QStringList chain{walk};
    for (qsizetype i = first; i < parts.size(); ++i) {
        walk = joinPath(walk, parts[i]);
        chain.append(walk);
    }
    return chain;
}

}  // namespace

FolderTreeModel::FolderTreeModel(QIcon openIcon, QIcon closedIcon, QObject* parent)
    : QAbstractListModel(parent), openIcon_(std::move(openIcon)), closedIcon_(std::move(closedIcon))
{
}

void FolderTreeModel::reset(const QString& folder, QStringList subfolders)
{
    beginResetModel();
    folder_ = folder;
    chain_ = chainOf(folder);
    subfolders_ = std::move(subfolders);
    endResetModel();
}

QString FolderTreeModel::pathOf(int row) const
{
    return row < chainLength() ? chain_[row] : joinPath(folder_, subfolders_[row - chainLength()]);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : chainLength() + subfolderCount();
}

QString FolderTreeModel::displayName(int row) const
{
    if (row >= chainLength())
        return subfolders_[row - chainLength()];
    const QString& path = chain_[row];
    if (row == 0)
        return QDir::toNativeSeparators(path);
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= rowCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return displayName(row);
    case Qt::DecorationRole:
        return row < chainLength() ? openIcon_ : closedIcon_;
    case IndentRole:
        return row < chainLength() ? row : chainLength();
    case PathRole:
        return pathOf(row);
    default:
        return QVariant();
    }
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kestrune
