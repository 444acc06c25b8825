#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace kestrune {

// The lines of the last list file read, slots 0 to 1000; line k goes to slot k.
// Every access is checked: outside the bounds it fails with error 9.
class FolderNameTable {
public:
    static constexpr std::int32_t LowerBound = 0;
    static constexpr std::int32_t UpperBound = 1000;

    QString& operator()(std::int32_t index);
    const QString& operator()(std::int32_t index) const;

private:
    static void check(std::int32_t index);
    std::array<QString, UpperBound + 1> slots_{};
};

enum LoadStates : std::int16_t {
    NoListReady = 0,
    ListReady = 2,
};

// What carries one list file from its choice to the creation of its folders.
// Starts empty or zero with the window; nothing initialises it again.
struct WorkflowState {
    QString ListFilePath;
    QString BaseFolder;  // always ends in the path separator once set
    FolderNameTable FolderNames;
    std::int16_t FolderCount = 0;
    std::int16_t LoadState = NoListReady;
};

}  // namespace kestrune
