#include "native_path.h"

#include "runtime_error.h"

#include <QFile>

namespace kestrune {

QByteArray nativePath(const QString& path)
{
    if (path.isEmpty())
        throw RuntimeError(BadFileNameOrNumber, QStringLiteral("ファイル名がありません"));
    if (path.contains(QChar(u'\0')))
        throw RuntimeError(
            BadFileNameOrNumber,
            QStringLiteral("ファイル名に使えない文字があります: %1").arg(QString(path).replace(QChar(u'\0'), u'?')));
    return QFile::encodeName(path);
}

}  // namespace kestrune
