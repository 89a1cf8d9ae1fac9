#include "CsvTable.h"

#include "TextFile.h"

#include <QStringDecoder>
#include <csv.h>

namespace zqv {

namespace {

// UTF-16 without a byte-order mark shows itself by a NUL in every other byte of ASCII text.
bool LooksLikeUtf16(const QByteArray &bytes, bool &littleEndian)
{
    if (bytes.size() < 4 || bytes.size() % 2 != 0)
        return false;
    const int pairs = int(std::min<qsizetype>(bytes.size() / 2, 64));
    int lowNul = 0;
    int highNul = 0;
    for (int i = 0; i < pairs; ++i) {
        lowNul += bytes[2 * i] == '\0' ? 1 : 0;
        highNul += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    if (highNul == pairs && lowNul == 0) {
        littleEndian = true;
        return true;
    }
    if (lowNul == pairs && highNul == 0) {
        littleEndian = false;
        return true;
    }
    return false;
}

QString DecodeUtf16(const QByteArray &bytes, qsizetype from, bool littleEndian)
{
    QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes).sliced(from));
}

// The text of the file, decided as profiles are: a byte-order mark names the encoding;
// without one, valid UTF-8 is UTF-8 and anything else code page 1252.
QString DecodeTable(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeUtf16(bytes, 2, true);
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeUtf16(bytes, 2, false);
    bool littleEndian = true;
    if (LooksLikeUtf16(bytes, littleEndian))
        return DecodeUtf16(bytes, 0, littleEndian);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeCp1252(bytes);
}

// Control characters other than tab and line ends do not occur in a spreadsheet's text.
bool IsText(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return false;
    return true;
}

// Semicolon when the first row has more of them than commas outside quotes, else comma.
char ChooseDelimiter(const QString &text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')) && commas + semicolons > 0)
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

struct ParseState {
    std::vector<CCsvTable::Row> *rows = nullptr;
    QStringList fields;
    int line = 1;  // the line being fed
    int rowLine = 0;  // where the current row started; 0 between rows
};

void OnField(void *data, size_t length, void *state)
{
    auto *s = static_cast<ParseState *>(state);
    s->fields << QString::fromUtf8(static_cast<const char *>(data), qsizetype(length));
}

void OnRowEnd(int, void *state)
{
    auto *s = static_cast<ParseState *>(state);
    s->rows->push_back({s->rowLine, s->fields});
    s->fields.clear();
    s->rowLine = 0;
}

}  // namespace

CCsvTable::Status CCsvTable::Parse(const QByteArray &bytes, CCsvTable &table)
{
    table.m_rows.clear();
    const QString text = DecodeTable(bytes);
    if (!IsText(text))
        return Status::NotText;
    const char delimiter = ChooseDelimiter(text);
    table.m_delimiter = QLatin1Char(delimiter);

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return Status::Malformed;
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    ParseState state;
    state.rows = &table.m_rows;
    // Fed one physical line at a time, so that each row knows the line it starts on even when
    // quoted fields run over several lines.
    const QByteArray utf8 = text.toUtf8();
    bool ok = true;
    qsizetype from = 0;
    while (ok && from < utf8.size()) {
        qsizetype end = utf8.indexOf('\n', from);
        end = end < 0 ? utf8.size() : end + 1;
        const QByteArrayView chunk = QByteArrayView(utf8).sliced(from, end - from);
        if (state.rowLine == 0 && !chunk.trimmed().isEmpty())
            state.rowLine = state.line;
        ok = csv_parse(&parser, chunk.data(), size_t(chunk.size()), OnField, OnRowEnd, &state) == size_t(chunk.size());
        from = end;
        ++state.line;
    }
    ok = ok && csv_fini(&parser, OnField, OnRowEnd, &state) == 0;
    csv_free(&parser);
    if (!ok) {
        table.m_rows.clear();
        return Status::Malformed;
    }
    return Status::Ok;
}

QByteArray CCsvTable::Write(const std::vector<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    QByteArray quoted;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ',';
            const QByteArray field = row[i].toUtf8();
            // Quotes only where a reader needs them: separators, quotes, line ends, and blanks
            // at either end (which readers drop from unquoted fields).
            const bool needsQuotes = field.contains(',') || field.contains(';') || field.contains('"') ||
                field.contains('\n') || field.contains('\r') ||
                (!field.isEmpty() && (field.front() == ' ' || field.back() == ' '));
            if (!needsQuotes) {
                out += field;
                continue;
            }
            quoted.resize(field.size() * 2 + 2);
            quoted.resize(
                qsizetype(csv_write(quoted.data(), size_t(quoted.size()), field.constData(), size_t(field.size()))));
            out += quoted;
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace zqv
