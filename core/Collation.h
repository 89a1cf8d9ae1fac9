// The name collation by which contact names and text messages are ordered everywhere:
// case-insensitive letters, common Latin-1 accents folded onto their base letter, blank
// before letters, letters before control characters, digits and punctuation.
#pragma once

#include <QString>

namespace zqv {

// The weight of one UTF-16 code unit (0-255; other code units weigh as 255 would).
int CollationWeight(char16_t unit);

// Compares two keys weight by weight; the first difference decides and a key that ends
// first sorts first. Negative, zero or positive like strcmp.
int CollateNames(const QString &a, const QString &b);

// The text as a key for searching with the collation: each code unit the collation weighs is
// replaced by its weight (so case and the folded accents disappear), every other code unit is
// kept as it is (above all weights), so one key contains another exactly when the texts do
// but for case and accents.
QString CollationSearchKey(const QString &text);

inline bool CollateLess(const QString &a, const QString &b)
{
    return CollateNames(a, b) < 0;
}

}  // namespace zqv
