#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace kestrune {

// Rows of the file list: bare file names, in the order given.
class FileNameModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void reset(QStringList names);
    const QStringList& names() const { return names_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList names_;
};

}  // namespace kestrune
