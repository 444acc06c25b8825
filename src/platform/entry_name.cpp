#include "entry_name.h"

#include "folder_paths.h"
#include "text.h"

namespace kestrune {

EntryNameFault entryNameFault(QStringView name)
{
    if (name.isEmpty() || name.contains(pathSeparator) || name == u"." || name == u"..")
        return EntryNameFault::NotOne;
    if (utf8Length(name) > longestEntryNameBytes)
        return EntryNameFault::TooLong;
    return EntryNameFault::None;
}

}  // namespace kestrune
