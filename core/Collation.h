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

inline bool CollateLess(const QString &a, const QString &b)
{
    return CollateNames(a, b) < 0;
}

}  // namespace zqv
