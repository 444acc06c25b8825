#include "folder_names.h"

#include "text.h"
#include "workflow_texts.h"

#include <algorithm>

namespace kestrune {

QStringView nextFolderLevel(QStringView name, qsizetype& position)
{
    while (position < name.size()) {
        const qsizetype start = position;
        while (position < name.size() && !isLevelSeparator(name.at(position)))
            ++position;
        const QStringView level = name.sliced(start, position - start);
        if (position < name.size())
            ++position;  // past the separator
        if (!level.isEmpty() && !(level.size() == 1 && level.front() == u'.'))
            return level;
    }
    return {};
}

QString parentNameFrom(const QString& typed)
{
    const QString trimmed = trimSpaces(typed);
    return trimmed.isEmpty() ? texts::defaultParentName : trimmed;
}

QString listFileNameFrom(const QString& typed)
{
    const QString trimmed = trimSpaces(typed);
    if (!isOneEntryName(trimmed) ||
        std::any_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return isControlCharacter(c.unicode()); }))
        return {};
    const QString name =
        trimmed.endsWith(texts::listFileExtension, Qt::CaseInsensitive) ? trimmed : trimmed + texts::listFileExtension;
    return isOneEntryName(name) ? name : QString();
}

QString withVisibleControls(const QString& text)
{
    // Most names hold no control: shared, not copied.
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return isControlCharacter(c.unicode()); }))
        return text;
    QString visible = text;
    for (QChar& c : visible) {
        if (c.unicode() == 0x7F)
            c = QChar(0x2421);
        else if (c.unicode() <= 0x1F)
            c = QChar(static_cast<char16_t>(0x2400 + c.unicode()));
        else if (isControlCharacter(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return visible;
}

}  // namespace kestrune
