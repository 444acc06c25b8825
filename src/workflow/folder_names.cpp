#include "folder_names.h"

namespace kestrune {

namespace {

bool isControl(QChar c)
{
    return c.unicode() <= 0x1F || c.unicode() == 0x7F;
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
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
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (isControl(c) || isSeparator(c))
            return false;
    }
    return true;
}

QStringList folderLevels(const QString& name)
{
    QStringList levels;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= name.size(); ++at) {
        if (at < name.size() && !isSeparator(name.at(at)))
            continue;
        const QStringView level = QStringView(name).sliced(start, at - start);
        if (!level.isEmpty() && level != u".")
            levels.append(level.toString());
        start = at + 1;
    }
    return levels;
}

bool isMakeableName(const QString& name)
{
    return !hasControlCharacter(name) && !folderLevels(name).contains(QStringLiteral(".."));
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
        else if (isControl(c))
            c = QChar(static_cast<char16_t>(0x2400 + c.unicode()));
    }
    return visible;
}

}  // namespace kestrune
