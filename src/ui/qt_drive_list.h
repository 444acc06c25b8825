#pragma once

#include "controls.h"
#include "mounted_volumes.h"

#include <QComboBox>
#include <QList>
#include <QString>

#include <functional>

namespace kestrune {

// The drive list: a drop-down of the volumes a person would pick, each shown
// with its label and its root path.
class QtDriveList : public QComboBox, public DriveList {
    Q_OBJECT

public:
    using VolumeSource = std::function<QList<MountedVolume>()>;

    // The volumes mounted now, starting on the one that holds the current folder.
    explicit QtDriveList(QWidget* parent = nullptr);
    // The volumes `volumes` gives, starting on the one that holds `startFolder`.
    QtDriveList(VolumeSource volumes, const QString& startFolder, QWidget* parent = nullptr);

    // Root path of the chosen volume. Throws 68 (device unavailable) when the
    // volume has been unmounted since the list was filled.
    QString rootPath() const override;

    // Reads the volumes again, keeping the chosen one when it is still there.
    // Raises no change.
    void refresh();

signals:
    // The user picked another drive.
    void changed();

protected:
    // A stick plugged in after start shows up when the list is opened.
    void showPopup() override;

private:
    void fill(const QList<MountedVolume>& volumes, const QString& keepRoot);

    VolumeSource volumes_;
};

}  // namespace kestrune
