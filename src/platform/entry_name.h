#pragma once

#include <QStringView>

// What one name in a folder may be, the one rule every layer checks a name
// by: the parent name typed, a list file saved, and each name the folders are
// asked to make, open or remove.
namespace kestrune {

// The most bytes one name takes on the file systems Linux makes (NAME_MAX),
// names being stored as UTF-8.
inline constexpr int longestEntryNameBytes = 255;

// Why a name cannot name one entry of a folder, worst first.
enum class EntryNameFault {
    None,
    NotOne,   // empty, holding a "/", or "." or "..": no name, or a path
    TooLong,  // over longestEntryNameBytes in UTF-8
};

EntryNameFault entryNameFault(QStringView name);

inline bool isOneEntryName(QStringView name)
{
    return entryNameFault(name) == EntryNameFault::None;
}

}  // namespace kestrune
