// The print module (gui/PrintModule.h): the printer, the print dialog and the preview window.
// It links Qt's print support and nothing of the program's own.
#include "PrintModule.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT void zqv_prepare_printer(QPrinter &printer, const zqv::CPrintJob &job)
{
    if (job.prepare)
        job.prepare(printer, printer.outputFormat() == QPrinter::PdfFormat);
    printer.setDocName(job.docName);
}

extern "C" Q_DECL_EXPORT void zqv_print(QWidget *parent, const zqv::CPrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    zqv_prepare_printer(printer, job);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted && job.paint)
        job.paint(printer);
}

extern "C" Q_DECL_EXPORT void zqv_print_preview(QWidget *parent, const zqv::CPrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    zqv_prepare_printer(printer, job);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(job.previewTitle);
    if (job.fitPreview)
        job.fitPreview(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&job](QPrinter *p) {
        if (job.paint)
            job.paint(*p);
    });
    preview.exec();
}

extern "C" Q_DECL_EXPORT bool zqv_default_printer_paper(QPageSize *paper)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return false;
    *paper = printer.defaultPageSize();
    return true;
}
