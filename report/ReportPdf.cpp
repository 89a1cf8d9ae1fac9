#include "ReportPdf.h"

#include "ReportBuilder.h"

#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
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

bool WriteReportPdf(const QTextDocument &document, const QString &pdfPath, const QString &title)
{
    // Written through a save file, so a failure never leaves a stale or half-written file
    // that looks like a report.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("ZQV CPS"));
    writer.setPageSize(DefaultReportPageSize());
    PrintReport(document, writer);
    return file.commit();
}

bool WriteReportPdf(const QString &html, const QString &baseDir, const QString &pdfPath, const QString &title)
{
    QTextDocument document;
    // The pictures come from the Report folder; a document outside a browser loads no files.
    for (const QString &picture : ReferencedPictures(html)) {
        const QImage image(baseDir + u'/' + picture);
        if (!image.isNull())
            document.addResource(QTextDocument::ImageResource, QUrl(picture), image);
    }
    document.setHtml(html);
    return WriteReportPdf(document, pdfPath, title);
}

}  // namespace zqv::report
