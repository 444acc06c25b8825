#include "folder_names.h"

namespace kestrune {

namespace {

bool isControl(QChar c)
{
    const char16_t unit = c.unicode();
    return unit <= 0x1F || (unit >= 0x7F && unit <= 0x9F);
}

}  // namespace

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (isControl(c))
            return true;
    }
    return false;
}

bool isValidParentName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.toUtf8().size() > longestFolderNameBytes)
        return false;
    for (const QChar c : name) {
        if (isControl(c) || isLevelSeparator(c))
            return false;
    }
    return true;
}

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

QStringList folderLevels(const QString& name)
{
    QStringList levels;
    qsizetype position = 0;
    for (QStringView level = nextFolderLevel(name, position); !level.isEmpty(); level = nextFolderLevel(name, position))
        levels.append(level.toString());
    return levels;
}

bool isMakeableName(const QString& name)
{
    if (hasControlCharacter(name))
        return false;
    qsizetype position = 0;
    for (QStringView level = nextFolderLevel(name, position); !level.isEmpty();
         level = nextFolderLevel(name, position)) {
        if (level == u"..")
            return false;
    }
    return true;
}

qsizetype firstUnmakeableLine(const QStringList& names)
{
    for (qsizetype index = 0; index < names.size(); ++index) {
        if (!isMakeableName(names.at(index)))
            return index + 1;
    }
    return 0;
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
