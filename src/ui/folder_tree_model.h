#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QString>
#include <QStringList>

namespace kestrune {

// Rows of the folder list: the chain from the root down to the open folder,
// then the open folder's sub-folders; each row's full path is its PathRole.
class FolderTreeModel final : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { IndentRole = Qt::UserRole + 1, PathRole };

    FolderTreeModel(QIcon openIcon, QIcon closedIcon, QObject* parent = nullptr);

    // `folder` is absolute and clean; `subfolders` are bare names, sorted.
    void reset(const QString& folder, QStringList subfolders);

    const QString& folder() const { return folder_; }
    int chainLength() const { return static_cast<int>(chain_.size()); }
    int subfolderCount() const { return static_cast<int>(subfolders_.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString displayName(int row) const;
    QString pathOf(int row) const;

    QIcon openIcon_;
    QIcon closedIcon_;
    QString folder_;
    QStringList chain_;  // full paths, root first, open folder last
    QStringList subfolders_;
};

}  // namespace kestrune
