#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtEndian>

namespace zqv {

namespace {

// Characters of bytes 0x80-0x9F in code page 1252; the undefined five keep their own value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
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

bool StartsWithXmlDeclaration(const QByteArray &bytes, qsizetype from)
{
    return bytes.size() - from >= 5 && qstrnicmp(bytes.constData() + from, "<?xml", 5) == 0;
}

// Plain XML in UTF-8: the text, or a null string when `bytes` (from `from` on) is not valid
// UTF-8.
QString DecodeUtf8Strict(const QByteArray &bytes, qsizetype from)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes).sliced(from));
    if (decoder.hasError())
        return QString();
    return text.isNull() ? QString(QLatin1String("")) : text;
}

bool IsAscii(const QByteArray &bytes)
{
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
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

QString ReadTextFile(const QString &path, int *mode, qint64 maxBytes, TextFileStatus *status)
{
    if (mode)
        *mode = TEXT_MODE_UTF16;
    auto fail = [status](TextFileStatus why) {
        if (status)
            *status = why;
        return QString();
    };
    // Opening a FIFO blocks until someone writes to it, and a device never ends: only regular
    // files (or links to them) are read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(info.isDir() ? TextFileStatus::CannotOpen : TextFileStatus::NotRegularFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(TextFileStatus::CannotOpen);
    // Read one byte more than allowed: a device or a file that grows cannot slip past the
    // limit, and nothing larger is ever held in memory.
    if (file.size() > maxBytes)
        return fail(TextFileStatus::TooLarge);
    // The buffer is the file's size (a read allocates what it is asked for, and the limit may
    // be tens of megabytes); a file that has grown since is read on, up to the limit.
    QByteArray bytes = file.read(file.size() + 1);
    for (QByteArray more; bytes.size() <= maxBytes; bytes += more) {
        more = file.read(qMin<qint64>(maxBytes + 1 - bytes.size(), 1 << 20));
        if (more.isEmpty())
            break;
    }
    if (bytes.size() > maxBytes)
        return fail(TextFileStatus::TooLarge);
    if (status)
        *status = TextFileStatus::Ok;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
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
    // Plain XML: UTF-8 when the bytes are valid UTF-8. Scrambled text never starts with
    // "<?xml" (the key sets the high bit of every ASCII character), so it is never taken here.
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (StartsWithXmlDeclaration(bytes, start)) {
        const QString text = DecodeUtf8Strict(bytes, start);
        if (!text.isNull()) {
            if (mode && !IsAscii(bytes))
                *mode = TEXT_MODE_UTF16;
            return text;
        }
        return DecodeCp1252(bytes.sliced(start));
    }
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
