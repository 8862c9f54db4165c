#pragma once

#include <QString>

// Small text helpers shared by the real-estate pages.
namespace realty {

// A whole decimal number, blanks around it allowed; throws ConvertError ("'x' is not a valid integer
// value") for anything else, the empty text included.
int StrToInt(const QString& text);
// A whole decimal number, or fallback for empty text and anything that is not one.
int StrToIntDef(const QString& text, int fallback);

// Cuts every inline margin setting out of an article's HTML: each "margin" (exact case) together with
// everything up to and including the next ";". A "margin" with no ";" after it is kept, with the rest
// of the text. One pass; the same result as cutting the first occurrence again and again, also when a
// cut joins the two halves of a new "margin".
QString RemoveMargins(const QString& html);

} // namespace realty
