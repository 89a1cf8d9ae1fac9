// The keyboard letter a text gives its menu entry, label or button: the character after a
// single '&' ("&&" is a literal ampersand), lower case; empty for none.
#pragma once

#include <QString>

namespace zqvtest {

inline QString MnemonicLetter(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

}  // namespace zqvtest
