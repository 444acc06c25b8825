#pragma once

#include <QtGlobal>

#include <limits>

// Counts of folders that saturate rather than wrap, so that a huge product
// (a sequence of a hundred million, in twenty parents) is still "too many".
namespace kestrune {

inline constexpr qint64 mostCount = std::numeric_limits<qint64>::max();

constexpr qint64 saturatedProduct(qint64 a, qint64 b)
{
    return b != 0 && a > mostCount / b ? mostCount : a * b;
}

constexpr qint64 saturatedSum(qint64 a, qint64 b)
{
    return a > mostCount - b ? mostCount : a + b;
}

}  // namespace kestrune
