// Printing runs in a module of its own (core/Modules.h) that links Qt's print support, loaded
// the first time the user prints, previews or saves a report as PDF: the program starts without
// those libraries. The program hands it a job; the module owns the printer and its dialogs.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace zqv {

inline constexpr char kPrintModule[] = "zqvprint";

struct CPrintJob {
    QString docName;  // the job's name
    QString previewTitle;  // the preview window's title
    // Gives a fresh printer the job's starting values (paper, margins); `toFile` when it prints
    // into a file rather than on a printer.
    std::function<void(QPagedPaintDevice &, bool toFile)> prepare;
    // Paints the job on the printer as the user left it.
    std::function<void(QPagedPaintDevice &)> paint;
    // Sizes the preview window to the screen.
    std::function<void(QWidget &)> fitPreview;
};

// The module's functions; each returns false (nothing done) when the module cannot be loaded,
// with the reason in `error`.
// The print dialog, then the job printed when the user accepts it.
bool PrintWithDialog(QWidget *parent, const CPrintJob &job, QString *error = nullptr);
// The print preview window for the job.
bool PrintPreview(QWidget *parent, const CPrintJob &job, QString *error = nullptr);
// Gives `printer` the job's starting values, as the print dialog and the preview do.
bool PreparePrinter(QPrinter &printer, const CPrintJob &job, QString *error = nullptr);
// The default printer's paper, when there is a default printer.
bool DefaultPrinterPaper(QPageSize *paper, QString *error = nullptr);

}  // namespace zqv
