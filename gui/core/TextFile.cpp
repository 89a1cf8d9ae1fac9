#include "TextFile.h"

#include <QFile>
#include <QtEndian>

namespace zqv {

namespace {

// Characters of bytes 0x80-0x9F in code page 1252; the undefined five keep their own value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeCp1252Char(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString DecodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        out[i] = QChar((b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray EncodeCp1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = EncodeCp1252Char(text.at(i).unicode());
    return bytes;
}

QString ReadTextFile(const QString &path, int *mode, qint64 maxBytes)
{
    if (mode)
        *mode = TEXT_MODE_UTF16;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Read one byte more than allowed: a device or a file that grows cannot slip past the
    // limit, and nothing larger is ever held in memory.
    if (file.size() > maxBytes)
        return QString();
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return QString();
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        // Code units are taken as they are (an odd last byte is dropped), so scrambled text,
        // whose code units need not be valid UTF-16, survives until it is unscrambled.
        const qsizetype units = (bytes.size() - 2) / 2;
        QString text(units, Qt::Uninitialized);
        QChar *out = text.data();
        const uchar *in = reinterpret_cast<const uchar *>(bytes.constData()) + 2;
        for (qsizetype i = 0; i < units; ++i)
            out[i] = QChar(qFromLittleEndian<quint16>(in + 2 * i));
        return text;
    }
    if (mode)
        *mode = TEXT_MODE_CP1252;
    return DecodeCp1252(bytes);
}

void ScrambleText(QString &text, int mode)
{
    if (mode == TEXT_MODE_CP1252) {
        QByteArray bytes = EncodeCp1252(text);
        for (char &b : bytes)
            b = static_cast<char>(static_cast<unsigned char>(b) ^ kScrambleKey);
        text = DecodeCp1252(bytes);
        return;
    }
    QChar *c = text.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (c[i].unicode() != kScrambleKey)
            c[i] = QChar(char16_t(c[i].unicode() ^ kScrambleKey));
}

QByteArray EncodeTextFile(const QString &text, int mode)
{
    if (mode == TEXT_MODE_CP1252)
        return EncodeCp1252(text);
    QByteArray bytes(2 + 2 * text.size(), Qt::Uninitialized);
    bytes[0] = char(0xFF);
    bytes[1] = char(0xFE);
    uchar *out = reinterpret_cast<uchar *>(bytes.data()) + 2;
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), out + 2 * i);
    return bytes;
}

}  // namespace zqv
