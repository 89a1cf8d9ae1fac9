// Report pages printed and written as PDF, laid out by Qt's rich-text engine without any
// window: the command-line tool writes PDF reports with it, and the report window prints and
// saves through it.
//
// Every printed page carries a footer (the profile's name, "Page x of y", the print date); a
// heading never stays alone at the foot of a page; the head rows of a table that continues onto
// a new page are repeated there; a picture that is not there leaves an empty place.
#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace zqv::report {

// The paper a report goes on where no printer chose one: the paper of the locale that names
// it (LC_ALL, else LC_PAPER, else LANG), Letter in the countries that use it, A4 elsewhere.
QPageSize LocalePaperSize();
// The same for one locale name such as "fr_CA.UTF-8".
QPageSize PaperSizeForLocale(const QString &localeName);

// Sets the report's margins on `device`: the starting value, which the user may then change.
void SetReportMargins(QPagedPaintDevice &device);

// What the footer of each printed page says besides the page number.
struct CPrintFooter {
    QString profileName;
    QDate printDate = QDate::currentDate();
};

// Prints `document` on `device` (a printer or PDF writer) with the device's page size and
// margins as they stand, the footer on every page. The document itself is not changed.
void PrintReport(const QTextDocument &document, QPagedPaintDevice &device, const CPrintFooter &footer);

// Lays `html` out (pictures found in `baseDir`) and writes it to `pdfPath` on `paper` with the
// report's margins, titled `title`, through SaveFileReplacing. False when the file cannot be
// written, with the cause in `reason`.
bool WriteReportPdf(const QString &html, const QString &baseDir, const QString &pdfPath, const QString &title,
                    const CPrintFooter &footer, const QPageSize &paper = LocalePaperSize(), QString *reason = nullptr);
// The same for a document already laid out (the report window's).
bool WriteReportPdf(const QTextDocument &document, const QString &pdfPath, const QString &title,
                    const CPrintFooter &footer, const QPageSize &paper = LocalePaperSize(), QString *reason = nullptr);

// The report's page margins in inches: left and right, top and bottom.
inline constexpr double kReportMarginSideInch = 0.23667;
inline constexpr double kReportMarginTopBottomInch = 0.16667;

}  // namespace zqv::report
