#include "ReportPdf.h"

#include "FileSave.h"
#include "ReportBuilder.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <memory>

namespace zqv::report {

QPageSize DefaultReportPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

void PrintReport(const QTextDocument &document, QPagedPaintDevice &device)
{
    device.setPageMargins(
        QMarginsF(kReportMarginSideInch, kReportMarginTopBottomInch, kReportMarginSideInch, kReportMarginTopBottomInch),
        QPageLayout::Inch);
    // Lay the page out on the paper's printable area (in the document's 96-dpi units), so that
    // the text engine adds no margins of its own.
    const QRectF paint = device.pageLayout().paintRect(QPageLayout::Inch);
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setPageSize(QSizeF(paint.width() * 96.0, paint.height() * 96.0));
    copy->print(&device);
}

bool WriteReportPdf(const QTextDocument &document, const QString &pdfPath, const QString &title, QString *reason)
{
    // Laid out in memory and saved as every file is, so a failure never leaves a stale or
    // half-written file that looks like a report, and never replaces a special file.
    if (const QString refusal = SaveTargetRefusal(pdfPath); !refusal.isEmpty()) {
        if (reason)
            *reason = refusal;
        return false;
    }
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("ZQV CPS"));
    writer.setPageSize(DefaultReportPageSize());
    PrintReport(document, writer);
    return SaveFileReplacing(pdfPath, file.data(), reason);
}

bool WriteReportPdf(const QString &html, const QString &baseDir, const QString &pdfPath, const QString &title,
                    QString *reason)
{
    QTextDocument document;
    // The pictures come from the Report folder; a document outside a browser loads no files.
    for (const QString &picture : ReferencedPictures(html)) {
        const QImage image(baseDir + u'/' + picture);
        if (!image.isNull())
            document.addResource(QTextDocument::ImageResource, QUrl(picture), image);
    }
    document.setHtml(html);
    return WriteReportPdf(document, pdfPath, title, reason);
}

}  // namespace zqv::report
