#pragma once

#include <QString>

#include <exception>
#include <string>

namespace kestrune {

// The numbered errors of host operations. The numbers are the classic ones a
// Windows office user may know from other programs, and each says what kind
// of failure it is ("68 or 71": the volume is gone or not ready).
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    TooManyLines = 6,  // a list longer than the program takes
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    DeviceIOError = 57,
    FileAlreadyExists = 58,
    BadRecordLength = 59,
    DiskFull = 61,
    TooManyFiles = 67,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// One failed host operation: its number and a description for people.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

}  // namespace kestrune
