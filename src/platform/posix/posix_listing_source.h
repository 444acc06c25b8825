#pragma once

#include "listing_source.h"

namespace kestrune {

// The volumes from the kernel's mount table and folders read with readdir.
class PosixListingSource final : public ListingSource {
public:
    QList<MountedVolume> volumes() const override;
    FolderListing listFolder(const QString& path) const override;
};

}  // namespace kestrune
