#include "ReportPdf.h"

#include "FileSave.h"
#include "ReportBuilder.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace zqv::report {

namespace {

// The countries whose everyday paper is Letter.
bool UsesLetterPaper(QLocale::Territory territory)
{
    static constexpr QLocale::Territory kLetter[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,     QLocale::Belize,    QLocale::Chile,
        QLocale::Colombia,     QLocale::CostaRica,  QLocale::Guatemala,  QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines,  QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela};
    return std::find(std::begin(kLetter), std::end(kLetter), territory) != std::end(kLetter);
}

// A picture the page names but that cannot be loaded becomes a transparent dot, so the place
// stays empty instead of showing the text engine's broken-picture sign.
void BlankMissingPictures(QTextDocument &document)
{
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            // A picture loaded from its file comes as the file's bytes.
            const QVariant picture = document.resource(QTextDocument::ImageResource, name);
            const bool shows = picture.userType() == QMetaType::QByteArray
                ? !QImage::fromData(picture.toByteArray()).isNull()
                : !picture.value<QImage>().isNull();
            if (!shows)
                document.addResource(QTextDocument::ImageResource, name, blank);
        }
    }
}

// The blocks that stand right before a table (a section title, a group's heading under it) go
// onto the next page with the table when the table's first row below its head rows starts
// there, so no heading is left alone at the foot of a page. `pageHeight` is the laid-out
// page's height.
void KeepHeadingsWithTheirTables(QTextDocument &document, qreal pageHeight)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    auto pageOf = [&](const QTextBlock &block) { return int(layout->blockBoundingRect(block).top() / pageHeight); };
    QTextBlock headings;  // the first of the text blocks since the last table or empty block
    for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        auto *table = qobject_cast<QTextTable *>(it.currentFrame());
        if (!table) {
            // An empty block (a rule, the one the text engine keeps between two frames) is no
            // heading and ends a run of them.
            const QTextBlock block = it.currentBlock();
            if (!block.isValid() || block.text().trimmed().isEmpty())
                headings = QTextBlock();
            else if (!headings.isValid())
                headings = block;
            continue;
        }
        if (headings.isValid() && table->rows() > 0) {
            const int row = std::min(table->format().headerRowCount(), table->rows() - 1);
            const QTextBlock first = table->cellAt(row, 0).firstCursorPosition().block();
            if (pageOf(headings) < pageOf(first)) {
                QTextBlockFormat format = headings.blockFormat();
                format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(headings).setBlockFormat(format);
            }
        }
        headings = QTextBlock();
    }
}

}  // namespace

QPageSize PaperSizeForLocale(const QString &localeName)
{
    // "fr_CA.UTF-8@euro" names the language and country before the dot.
    const QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QPageSize(QPageSize::A4);
    return QPageSize(UsesLetterPaper(QLocale(name).territory()) ? QPageSize::Letter : QPageSize::A4);
}

QPageSize LocalePaperSize()
{
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return PaperSizeForLocale(value);
    }
    return PaperSizeForLocale(QLocale::system().name());
}

void SetReportMargins(QPagedPaintDevice &device)
{
    device.setPageMargins(
        QMarginsF(kReportMarginSideInch, kReportMarginTopBottomInch, kReportMarginSideInch, kReportMarginTopBottomInch),
        QPageLayout::Inch);
}

void PrintReport(const QTextDocument &document, QPagedPaintDevice &device, const CPrintFooter &footer)
{
    // A copy laid out in the device's own units, so fonts take the printer's metrics; the
    // window's document keeps its screen layout.
    std::unique_ptr<QTextDocument> copy(document.clone());
    BlankMissingPictures(*copy);
    copy->documentLayout()->setPaintDevice(&device);
    QFont footerFont = copy->defaultFont();
    footerFont.setPointSizeF(7.5);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal footerHeight = footerMetrics.height() * 2;
    const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QSizeF body(paint.width(), paint.height() - footerHeight);
    copy->setPageSize(body);
    KeepHeadingsWithTheirTables(*copy, body.height());
    const int pageCount = copy->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const QPageRanges ranges = device.pageRanges();
    const QString date = QLocale().toString(footer.printDate, QLocale::ShortFormat);
    bool firstPage = true;
    for (int page = 1; page <= pageCount; ++page) {
        if (!ranges.isEmpty() && !ranges.contains(page))
            continue;
        if (!firstPage && !device.newPage())
            return;
        firstPage = false;
        const QRectF view(0, (page - 1) * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();

        const QRectF foot(0, body.height(), body.width(), footerHeight);
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, footer.profileName);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                         FormatStr(IDS_REPORT_PAGE_OF, {QString::number(page), QString::number(pageCount)}));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, date);
    }
}

bool WriteReportPdf(const QTextDocument &document, const QString &pdfPath, const QString &title,
                    const CPrintFooter &footer, const QPageSize &paper, QString *reason)
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
    writer.setPageSize(paper);
    SetReportMargins(writer);
    PrintReport(document, writer, footer);
    return SaveFileReplacing(pdfPath, file.data(), reason);
}

bool WriteReportPdf(const QString &html, const QString &baseDir, const QString &pdfPath, const QString &title,
                    const CPrintFooter &footer, const QPageSize &paper, QString *reason)
{
    QTextDocument document;
    // The pictures come from the Report folder; a document outside a browser loads no files.
    for (const QString &picture : ReferencedPictures(html)) {
        const QImage image(baseDir + u'/' + picture);
        if (!image.isNull())
            document.addResource(QTextDocument::ImageResource, QUrl(picture), image);
    }
    document.setHtml(html);
    return WriteReportPdf(document, pdfPath, title, footer, paper, reason);
}

}  // namespace zqv::report
