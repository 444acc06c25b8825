#include "file_name_model.h"

namespace kestrune {

void FileNameModel::reset(QStringList names)
{
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int FileNameModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileNameModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= names_.size())
        return QVariant();
    return names_[index.row()];
}

Qt::ItemFlags FileNameModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= names_.size())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kestrune
