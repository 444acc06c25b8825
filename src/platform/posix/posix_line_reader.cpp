#include "posix_line_reader.h"
#include "posix_texts.h"

#include "runtime_error.h"
#include "text_file_reader.h"

#include <unistd.h>

#include <utility>

namespace kestrune {

namespace {
constexpr int firstFileNo = 1;
constexpr int lastFileNo = 255;

RuntimeError notOpen(int fileNo)
{
    return RuntimeError(BadFileNameOrNumber, texts::handleNotOpen.arg(fileNo));
}
}  // namespace

PosixLineReader::PosixLineReader() = default;
PosixLineReader::~PosixLineReader() = default;

int PosixLineReader::freeHandle()
{
    for (int fileNo = firstFileNo; fileNo <= lastFileNo; ++fileNo) {
        if (!open_.contains(fileNo))
            return fileNo;
    }
    throw RuntimeError(TooManyFiles, texts::tooManyOpenFiles);
}

void PosixLineReader::checkFree(int fileNo) const
{
    if (fileNo < firstFileNo || fileNo > lastFileNo)
        throw RuntimeError(BadFileNameOrNumber, texts::badHandle.arg(fileNo));
    if (open_.contains(fileNo))
        throw RuntimeError(FileAlreadyOpen, texts::handleAlreadyOpen.arg(fileNo));
}

void PosixLineReader::open(const QString& path, int fileNo)
{
    checkFree(fileNo);
    open_.emplace(fileNo, std::make_unique<TextFileReader>(path));
}

void PosixLineReader::openBytes(QByteArray contents, const QString& name, int fileNo)
{
    checkFree(fileNo);
    open_.emplace(fileNo, std::make_unique<TextFileReader>(std::move(contents), name));
}

void PosixLineReader::openStandardInput(int fileNo)
{
    checkFree(fileNo);
    const QString name = texts::standardInput;
    openBytes(readWholeInput(STDIN_FILENO, name), name, fileNo);
}

TextFileReader& PosixLineReader::reader(int fileNo)
{
    const auto found = open_.find(fileNo);
    if (found == open_.end())
        throw notOpen(fileNo);
    return *found->second;
}

bool PosixLineReader::atEnd(int fileNo)
{
    return reader(fileNo).atEnd();
}

QString PosixLineReader::readLine(int fileNo)
{
    return reader(fileNo).readLine(MaxLineLength);
}

void PosixLineReader::close(int fileNo)
{
    if (open_.erase(fileNo) == 0)
        throw notOpen(fileNo);
}

bool PosixLineReader::isOpen(int fileNo) const
{
    return open_.contains(fileNo);
}

}  // namespace kestrune
