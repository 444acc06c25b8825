#pragma once

#include "failure_injector.h"
#include "posix_file_input.h"

namespace kestrune::test {

// Real file input with failures injected where a real file cannot make them
// (a line that fails to read, say). Members are counted under their own names.
class FakeFileInput final : public FileInput {
public:
    int FreeFile() override
    {
        faults.call(QStringLiteral("FreeFile"));
        return real.FreeFile();
    }
    void Open(const QString& path, int fileNo) override
    {
        faults.call(QStringLiteral("Open"));
        real.Open(path, fileNo);
    }
    bool Eof(int fileNo) override
    {
        faults.call(QStringLiteral("Eof"));
        return real.Eof(fileNo);
    }
    QString LineInput(int fileNo) override
    {
        faults.call(QStringLiteral("LineInput"));
        return real.LineInput(fileNo);
    }
    void Close(int fileNo) override
    {
        faults.call(QStringLiteral("Close"));
        real.Close(fileNo);
    }
    bool IsOpen(int fileNo) const override { return real.IsOpen(fileNo); }

    PosixFileInput real;
    FailureInjector faults;
};

}  // namespace kestrune::test
