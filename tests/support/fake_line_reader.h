#pragma once

#include "failure_injector.h"
#include "posix_line_reader.h"

namespace kestrune::test {

// Real file input with failures injected where a real file cannot make them
// (a line that fails to read, say). Members are counted under their own names.
class FakeLineReader final : public LineReader {
public:
    int freeHandle() override
    {
        faults.call(QStringLiteral("freeHandle"));
        return real.freeHandle();
    }
    void open(const QString& path, int fileNo) override
    {
        faults.call(QStringLiteral("open"));
        real.open(path, fileNo);
    }
    bool atEnd(int fileNo) override
    {
        faults.call(QStringLiteral("atEnd"));
        return real.atEnd(fileNo);
    }
    QString readLine(int fileNo) override
    {
        faults.call(QStringLiteral("readLine"));
        return real.readLine(fileNo);
    }
    void close(int fileNo) override
    {
        faults.call(QStringLiteral("close"));
        real.close(fileNo);
    }
    bool isOpen(int fileNo) const override { return real.isOpen(fileNo); }

    PosixLineReader real;
    FailureInjector faults;
};

}  // namespace kestrune::test
