#pragma once

#include "mount_table.h"

namespace kestrune::test {

// A mount table a test writes itself, so that rules that depend on the file
// system's type can be tried without mounting one.
class FakeMountTable final : public MountTable {
public:
    QList<MountEntry> entries() const override { return mounts; }
    QList<MountEntry> mounts{{QStringLiteral("/"), QStringLiteral("ext4")}};
};

}  // namespace kestrune::test
