#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace kestrune {

// Qt's stateless decoder for code page 932 (Shift_JIS as Windows writes
// it); not valid when this system's Qt has none. Stateless: each line is
// decoded on its own, so that a lead byte cut off by a line end cannot
// swallow the first byte of the next line.
QStringDecoder makeCp932Decoder();

// `bytes` decoded exactly as `decoder`, made by makeCp932Decoder, decodes
// them, through a table filled from such a decoder the first time: Qt's
// decoder (ICU's converter) takes about three times as long, and a list is
// decoded at every load. `decoder` decodes them itself where the table cannot
// tell what it would give.
QString decodeCp932(QByteArrayView bytes, QStringDecoder& decoder);

// The same through the table alone, into `out` (room for a unit a byte):
// the end of the units written, or null where the table cannot tell (no
// table on this system, or a lead byte cut off by the end).
char16_t* decodeCp932Into(QByteArrayView bytes, char16_t* out);

}  // namespace kestrune
