#pragma once

#include <QString>

#include <exception>
#include <string>

namespace kestrune {

// The host's numbered run-time errors. The numbers are the classic ones so that
// error traps can test them as the handlers were written ("68 or 71").
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    SubscriptOutOfRange = 9,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIOError = 57,
    FileAlreadyExists = 58,
    BadRecordLength = 59,
    DiskFull = 61,
    InputPastEndOfFile = 62,
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
