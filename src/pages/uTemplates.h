#pragma once

#include <QString>

// Position (1-based) of the first occurrence of sub in text, the ASCII letters A-Z compared without
// regard to case (every other character exactly); 0 when absent or when sub is empty.
int PosNoCase(const QString& sub, const QString& text);

// Zero-based index of the first occurrence of sub in text at or after from, compared like PosNoCase;
// -1 when absent or when sub is empty.
qsizetype IndexNoCase(const QString& sub, const QString& text, qsizetype from = 0);

// Replaces every occurrence of tag (found like PosNoCase) by value. The result is the text that the
// plain loop "find the first occurrence from the beginning, replace it, search again" leaves, so an
// occurrence that arises where an inserted value meets its neighbours is replaced as well; it is
// computed in one pass. Nothing is replaced when tag is empty or when value itself contains tag.
// A value that would keep producing new occurrences for ever (such as tag "<b" and a value that ends
// in "<" followed by text that begins with "b") leaves the text unchanged.
QString ReplaceTag(const QString& text, const QString& tag, const QString& value);
// The number in decimal digits as the value.
QString ReplaceTag(const QString& text, const QString& tag, qint64 value);
