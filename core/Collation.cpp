#include "Collation.h"

#include <array>

namespace zqv {

namespace {

constexpr std::array<unsigned char, 256> BuildWeights()
{
    std::array<unsigned char, 256> w{};
    w[0] = 0;
    w[' '] = 1;
    for (int c = 'A'; c <= 'Z'; ++c) {
        w[c] = static_cast<unsigned char>(2 + (c - 'A'));
        w[c - 'A' + 'a'] = w[c];
    }
    for (int c = 1; c <= 31; ++c)
        w[c] = static_cast<unsigned char>(27 + c);  // 28-58
    for (int c = '0'; c <= '9'; ++c)
        w[c] = static_cast<unsigned char>(59 + (c - '0'));  // 59-68
    for (int c = '!'; c <= '/'; ++c)
        w[c] = static_cast<unsigned char>(69 + (c - '!'));  // 69-83
    for (int c = ':'; c <= '@'; ++c)
        w[c] = static_cast<unsigned char>(84 + (c - ':'));  // 84-90
    for (int c = '['; c <= '`'; ++c)
        w[c] = static_cast<unsigned char>(91 + (c - '['));  // 91-96
    for (int c = '{'; c <= 127; ++c)
        w[c] = static_cast<unsigned char>(97 + (c - '{'));  // 97-101
    for (int c = 128; c <= 191; ++c)
        w[c] = static_cast<unsigned char>(102 + (c - 128));  // 102-165

    // Accented Latin-1 letters that fold onto their base letter.
    const auto fold = [&w](int from, int to, char base) {
        for (int c = from; c <= to; ++c)
            w[c] = w[static_cast<unsigned char>(base)];
    };
    fold(192, 197, 'A');
    fold(224, 229, 'A');
    fold(199, 199, 'C');
    fold(231, 231, 'C');
    fold(200, 202, 'E');
    fold(232, 234, 'E');
    fold(205, 205, 'I');
    fold(237, 237, 'I');
    fold(209, 209, 'N');
    fold(241, 241, 'N');
    fold(210, 214, 'O');
    fold(216, 216, 'O');
    fold(242, 246, 'O');
    fold(248, 248, 'O');
    fold(217, 220, 'U');
    fold(249, 252, 'U');

    // The other Latin-1 letters and signs weigh above everything else, in code order.
    const int own[][2] = {{198, 166}, {203, 167}, {204, 168}, {206, 169}, {207, 170}, {208, 171}, {215, 172},
                          {221, 173}, {222, 174}, {223, 175}, {230, 176}, {235, 177}, {236, 178}, {238, 179},
                          {239, 180}, {240, 181}, {247, 182}, {253, 183}, {254, 184}, {255, 185}};
    for (const auto &pair : own)
        w[pair[0]] = static_cast<unsigned char>(pair[1]);
    return w;
}

constexpr std::array<unsigned char, 256> kWeights = BuildWeights();

}  // namespace

int CollationWeight(char16_t unit)
{
    return kWeights[unit <= 255 ? unit : 255];
}

int CollateNames(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = CollationWeight(a.at(i).unicode()) - CollationWeight(b.at(i).unicode());
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

QString CollationSearchKey(const QString &text)
{
    QString key(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        key[i] = QChar(unit <= 255 ? char16_t(kWeights[unit]) : unit);
    }
    return key;
}

}  // namespace zqv
