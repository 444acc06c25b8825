#include "qt_drive_list.h"
#include "ui_texts.h"

#include "runtime_error.h"

#include <QDir>
#include <QSignalBlocker>

#include <algorithm>

namespace kestrune {

namespace {

QString shownAs(const MountedVolume& volume)
{
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    if (volume.label.isEmpty() || volume.label == root)
        return root;
    return texts::volumeEntry.arg(volume.label, root);
}

}  // namespace

QtDriveList::QtDriveList(const ListingSource& listings, const QString& startFolder, QWidget* parent)
    : QComboBox(parent), listings_(listings)
{
    const QList<MountedVolume> found = listings_.volumes();
    const qsizetype start = volumeHolding(found, QDir::cleanPath(startFolder));
    fill(found, start < found.size() ? found[start].rootPath : QString());
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit changed(); });
}

QString QtDriveList::rootPath() const
{
    const QString root = currentData().toString();
    if (root == QDir::rootPath())
        return root;
    // The list may be older than an unplug: a volume that is gone is reported
    // as an unavailable device, not as an empty folder.
    const QList<MountedVolume> now = listings_.volumes();
    const bool mounted =
        std::any_of(now.cbegin(), now.cend(), [&](const MountedVolume& volume) { return volume.rootPath == root; });
    if (!mounted)
        throw RuntimeError(DeviceUnavailable, texts::volumeRemoved.arg(currentText()));
    return root;
}

void QtDriveList::refresh()
{
    fill(listings_.volumes(), currentData().toString());
}

void QtDriveList::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

void QtDriveList::fill(const QList<MountedVolume>& volumes, const QString& keepRoot)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const MountedVolume& volume : volumes)
        addItem(shownAs(volume), volume.rootPath);
    // A chosen volume that has gone stays listed, so the choice is not
    // silently changed; picking it then reports it as unavailable.
    int index = findData(keepRoot);
    if (index < 0 && !keepRoot.isEmpty()) {
        addItem(keepRoot, keepRoot);
        index = count() - 1;
    }
    setCurrentIndex(qMax(0, index));
}

}  // namespace kestrune
