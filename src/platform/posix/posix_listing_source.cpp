#include "posix_listing_source.h"

#include "folder_listing.h"
#include "mounted_volumes.h"

namespace kestrune {

QList<MountedVolume> PosixListingSource::volumes() const
{
    return mountedVolumes();
}

FolderListing PosixListingSource::listFolder(const QString& path) const
{
    return kestrune::listFolder(path);
}

}  // namespace kestrune
