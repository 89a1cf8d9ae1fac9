// Comma-separated tables as spreadsheets write and read them, on top of libcsv (quoting,
// doubled quotes and line breaks inside quoted fields are the library's).
//
// Reading takes what people's spreadsheets really produce: UTF-8 with or without its
// byte-order mark, UTF-16 with its mark (either byte order), and otherwise code page 1252
// when the bytes are not valid UTF-8 (as profiles are read); comma or semicolon between
// fields (whichever the first row uses more of, outside quotes); CR LF, LF or CR line ends.
// Writing gives UTF-8 with a byte-order mark (so spreadsheets read accented names right),
// commas, CR LF line ends, and quotes only around fields that need them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace zqv {

class CCsvTable {
public:
    struct Row {
        int line = 0;  // the file line the row starts on; the first line is 1
        QStringList fields;
    };

    enum class Status {
        Ok,
        NotText,  // NUL bytes or other binary content outside UTF-16
        Malformed,  // a quote that is never closed, or text after a closing quote
    };

    // Parses `bytes`. Blank lines are skipped; blanks around unquoted fields are dropped.
    // On a failure the rows read so far are dropped as well.
    static Status Parse(const QByteArray &bytes, CCsvTable &table);

    // The file's bytes: UTF-8 with byte-order mark, CR LF after every row.
    static QByteArray Write(const std::vector<QStringList> &rows);

    const std::vector<Row> &Rows() const { return m_rows; }
    QChar Delimiter() const { return m_delimiter; }

private:
    std::vector<Row> m_rows;
    QChar m_delimiter = QLatin1Char(',');
};

}  // namespace zqv
