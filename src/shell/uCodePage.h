#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the single-byte code page of every file the catalogue reads or writes
// (templates, pages, the log, hex text, feeds, CSV). Exact both ways, written out as a table.
namespace cp1251 {

// One character per byte; the unassigned byte 0x98 stands for U+0098, so every byte survives a round trip.
QString Decode(const QByteArray& bytes);
QChar DecodeByte(unsigned char b);
// Characters the code page lacks become '?' (0x3F).
QByteArray Encode(const QString& text);
// False when the character has no byte in the code page.
bool EncodeChar(QChar c, unsigned char* out);

} // namespace cp1251
