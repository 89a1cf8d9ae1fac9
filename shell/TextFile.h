// Reading installation and profile text files in the two encodings the program accepts, and
// the program's own reversible scrambling of such files.
//
// A text file is either UTF-16 little-endian starting with the byte-order mark FF FE, or
// single-byte text in code page 1252. Plain XML files begin with "<?xml"; anything else is
// taken as scrambled and run through ScrambleText (its own inverse) before it is parsed.
// Plain XML without FF FE is UTF-8 when its bytes are valid UTF-8 (with or without the UTF-8
// byte-order mark), code page 1252 otherwise: what `show` and text editors write reads back
// unchanged.
#pragma once

#include <QByteArray>
#include <QString>

namespace zqv {

// The encoding a text file was read in, and is written back in.
enum TextFileMode : int {
    TEXT_MODE_UTF16 = 0,  // UTF-16 little-endian with byte-order mark
    TEXT_MODE_CP1252 = 1,  // single-byte code page 1252
};

// The one-byte scrambling key. Its high bit is set, so every printable ASCII character
// scrambles to a non-ASCII one: a scrambled file never starts with "<?xml" by accident and
// cannot be mistaken for plain text. Changing it makes every scrambled file unreadable.
inline constexpr unsigned char kScrambleKey = 0xA5;

// Files larger than this are refused by ReadTextFile (read as empty text): no installation
// file or profile comes near it, and it keeps a runaway file from exhausting memory.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;

// Why ReadTextFile gave empty text.
enum class TextFileStatus {
    Ok,
    CannotOpen,  // missing, unreadable, a folder
    NotRegularFile,  // a FIFO, a device, a socket: never opened, reading could block forever
    TooLarge,  // larger than the caller's cap
};

// Reads `path`. A UTF-16 file (FF FE) yields its text without the mark and mode 0. Plain XML
// in valid UTF-8 (an optional UTF-8 byte-order mark is dropped) yields its text with mode 1
// when it is pure ASCII and mode 0 otherwise, so that saving it again keeps every character.
// Any other file is decoded from code page 1252 with mode 1. Anything that is not a regular
// file, a file that cannot be opened, or one larger than `maxBytes`, yields empty text and
// mode 0; `status` then says which.
QString ReadTextFile(const QString &path, int *mode = nullptr, qint64 maxBytes = kMaxTextFileBytes,
                     TextFileStatus *status = nullptr);

// Scrambles or unscrambles `text` in place; applying it twice gives the text back.
// Mode 1: every code-page-1252 byte of the text is XORed with the key. Mode 0: every UTF-16
// code unit other than the key itself has its low byte XORed with the key.
void ScrambleText(QString &text, int mode);

// The bytes of a text file in `mode`: UTF-16LE with FF FE, or code page 1252 (characters
// outside it become '?'). ReadTextFile of these bytes gives `text` and `mode` back.
QByteArray EncodeTextFile(const QString &text, int mode);

// Code page 1252 conversions, byte for byte: every byte value maps to one character and back
// (the five bytes the code page leaves undefined map to the C1 control of the same value).
QString DecodeCp1252(const QByteArray &bytes);
QByteArray EncodeCp1252(const QString &text);

}  // namespace zqv
