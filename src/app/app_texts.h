#pragma once

#include <QString>

// Every word the program's start-up and its error dispatch show a person.
namespace kestrune::texts {

inline const QString applicationName = QStringLiteral("Kestrune");
// The caption is this title, then the version: "Kestrune　0.03".
inline const QString captionTitle = QStringLiteral("Kestrune　");

inline const QString runtimeErrorTitle = QStringLiteral("実行時エラー");
inline const QString runtimeErrorPrompt = QStringLiteral("エラー番号: %1\n\n%2");
inline const QString outOfMemory = QStringLiteral("メモリが不足しています。");
inline const QString internalError = QStringLiteral("内部エラーです。");
inline const QString internalErrorWithCause = QStringLiteral("内部エラーです。(%1)");

}  // namespace kestrune::texts
