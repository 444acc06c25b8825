#pragma once

#include <QString>

class QWidget;

namespace kestrune {

// A modal question with 「はい」 (the default, so Enter answers yes) and
// 「いいえ」 (also what Esc or closing the box answers). True for yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& prompt);

}  // namespace kestrune
