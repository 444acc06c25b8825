#include "posix_file_input.h"

#include "runtime_error.h"
#include "text_file_reader.h"

namespace kestrune {

namespace {
constexpr int firstFileNo = 1;
constexpr int lastFileNo = 255;

RuntimeError notOpen(int fileNo)
{
    return RuntimeError(BadFileNameOrNumber, QStringLiteral("ファイル番号 %1 は開かれていません").arg(fileNo));
}
}  // namespace

PosixFileInput::PosixFileInput() = default;
PosixFileInput::~PosixFileInput() = default;

int PosixFileInput::FreeFile()
{
    for (int fileNo = firstFileNo; fileNo <= lastFileNo; ++fileNo) {
        if (!open_.contains(fileNo))
            return fileNo;
    }
    throw RuntimeError(TooManyFiles, QStringLiteral("開いているファイルが多すぎます"));
}

void PosixFileInput::Open(const QString& path, int fileNo)
{
    if (fileNo < firstFileNo || fileNo > lastFileNo)
        throw RuntimeError(BadFileNameOrNumber, QStringLiteral("ファイル番号 %1 は使えません").arg(fileNo));
    if (open_.contains(fileNo))
        throw RuntimeError(FileAlreadyOpen, QStringLiteral("ファイル番号 %1 は既に開かれています").arg(fileNo));
    open_.emplace(fileNo, std::make_unique<TextFileReader>(path));
}

TextFileReader& PosixFileInput::reader(int fileNo)
{
    const auto found = open_.find(fileNo);
    if (found == open_.end())
        throw notOpen(fileNo);
    return *found->second;
}

bool PosixFileInput::Eof(int fileNo)
{
    return reader(fileNo).atEnd();
}

QString PosixFileInput::LineInput(int fileNo)
{
    return reader(fileNo).readLine(MaxLineLength);
}

void PosixFileInput::Close(int fileNo)
{
    if (open_.erase(fileNo) == 0)
        throw notOpen(fileNo);
}

bool PosixFileInput::IsOpen(int fileNo) const
{
    return open_.contains(fileNo);
}

}  // namespace kestrune
