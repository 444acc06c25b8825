#pragma once

#include "controls.h"
#include "listing_source.h"

#include <QComboBox>
#include <QList>
#include <QString>

namespace kestrune {

// The drive list: a drop-down of the volumes a person would pick, each shown
// with its label and its root path.
class QtDriveList : public QComboBox, public DriveList {
    Q_OBJECT

public:
    // The volumes `listings` gives (it must outlive the list), starting on
    // the one that holds `startFolder`.
    QtDriveList(const ListingSource& listings, const QString& startFolder, QWidget* parent = nullptr);

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

    const ListingSource& listings_;
};

}  // namespace kestrune
