#include "workflow_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <stdexcept>

namespace kestrune::test {

QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
    return path;
}

QStringList entriesBelow(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        out.append(QDir(root).relativeFilePath(it.filePath()) + (it.fileInfo().isDir() ? "/" : ""));
    }
    out.sort();
    return out;
}

QByteArray numberedLines(int count, const QByteArray& lineEnd)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "name" + QByteArray::number(i) + lineEnd;
    return out;
}

}  // namespace kestrune::test
