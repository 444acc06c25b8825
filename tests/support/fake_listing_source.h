#pragma once

#include "posix_listing_source.h"

namespace kestrune::test {

// Volumes a test writes itself, so that a stick can be plugged in and pulled
// out; folders are read from the disk.
class FakeListingSource final : public ListingSource {
public:
    QList<MountedVolume> volumes() const override { return mounted; }
    FolderListing listFolder(const QString& path) const override { return disk.listFolder(path); }

    QList<MountedVolume> mounted{{QStringLiteral("ルート"), QStringLiteral("/")}};
    PosixListingSource disk;
};

}  // namespace kestrune::test
