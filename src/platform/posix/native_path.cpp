#include "native_path.h"
#include "posix_texts.h"

#include "runtime_error.h"

#include <QFile>

namespace kestrune {

QByteArray nativePath(const QString& path)
{
    if (path.isEmpty())
        throw RuntimeError(BadFileNameOrNumber, texts::noFileName);
    if (path.contains(QChar(u'\0')))
        throw RuntimeError(BadFileNameOrNumber,
                           texts::badCharacterInFileName.arg(QString(path).replace(QChar(u'\0'), u'?')));
    return QFile::encodeName(path);
}

}  // namespace kestrune
