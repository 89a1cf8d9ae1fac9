// Report pages as PDF, laid out by Qt's rich-text engine without any window: the
// command-line tool writes PDF reports with it, and the report window's Save As offers it.
#pragma once

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace zqv::report {

// The page size a report is printed on where nobody chose one: Letter where the locale
// measures in inches, A4 elsewhere.
QPageSize DefaultReportPageSize();

// Lays `html` out (pictures found in `baseDir`) and writes it to `pdfPath` with the report's
// margins, titled `title`, through SaveFileReplacing. False when the file cannot be written,
// with the cause in `reason`.
bool WriteReportPdf(const QString &html, const QString &baseDir, const QString &pdfPath, const QString &title,
                    QString *reason = nullptr);
// The same for a document already laid out (the report window's).
bool WriteReportPdf(const QTextDocument &document, const QString &pdfPath, const QString &title,
                    QString *reason = nullptr);
// Prints `document` on `device` (a printer or PDF writer, its page size already chosen) with
// the report's margins as the only margins.
void PrintReport(const QTextDocument &document, QPagedPaintDevice &device);

// The report's page margins in inches: left and right, top and bottom.
inline constexpr double kReportMarginSideInch = 0.23667;
inline constexpr double kReportMarginTopBottomInch = 0.16667;

}  // namespace zqv::report
