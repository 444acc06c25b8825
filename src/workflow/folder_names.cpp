#include "folder_names.h"

#include "text.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

bool isControl(QChar c)
{
    const char16_t unit = c.unicode();
    return unit <= 0x1F || (unit >= 0x7F && unit <= 0x9F);
}

}  // namespace

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

QString withVisibleControls(const QString& text)
{
    QString visible = text;
    for (QChar& c : visible) {
        if (c.unicode() == 0x7F)
            c = QChar(0x2421);
        else if (c.unicode() <= 0x1F)
            c = QChar(static_cast<char16_t>(0x2400 + c.unicode()));
        else if (isControl(c))
            c = QChar::ReplacementCharacter;
    }
    return visible;
}

}  // namespace kestrune
