#include "runtime_error.h"

#include <utility>

namespace kestrune {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QStringLiteral("%1: %2").arg(number).arg(description_).toStdString())
{
}

}  // namespace kestrune
