#pragma once

#include <QProcess>
#include <QString>

#include <utility>

namespace kestrune::test {

// Makes a folder refuse new entries, even for root, for its lifetime. `made` is false where chattr cannot do it
// (not root, or a file system without the flag): such a test is skipped.
struct Immutable {
    explicit Immutable(QString folder) : path(std::move(folder))
    {
        made = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~Immutable() { QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path}); }
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;
    QString path;
    bool made = false;
};

}  // namespace kestrune::test
