#include "entry_name.h"

#include "folder_paths.h"

namespace kestrune {

EntryNameFault entryNameFault(QStringView name)
{
    if (name.isEmpty() || name.contains(pathSeparator) || name == u"." || name == u"..")
        return EntryNameFault::NotOne;
    // A lone surrogate is written as U+FFFD, three bytes, as Qt writes it.
    if (name.toUtf8().size() > longestEntryNameBytes)
        return EntryNameFault::TooLong;
    return EntryNameFault::None;
}

}  // namespace kestrune
