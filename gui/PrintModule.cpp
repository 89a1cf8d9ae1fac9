#include "PrintModule.h"

#include "Modules.h"

namespace zqv {

bool PrintWithDialog(QWidget *parent, const CPrintJob &job, QString *error)
{
    const auto print = ResolveModule<void(QWidget *, const CPrintJob &)>(kPrintModule, "zqv_print", error);
    if (print)
        print(parent, job);
    return print != nullptr;
}

bool PrintPreview(QWidget *parent, const CPrintJob &job, QString *error)
{
    const auto preview = ResolveModule<void(QWidget *, const CPrintJob &)>(kPrintModule, "zqv_print_preview", error);
    if (preview)
        preview(parent, job);
    return preview != nullptr;
}

bool PreparePrinter(QPrinter &printer, const CPrintJob &job, QString *error)
{
    const auto prepare = ResolveModule<void(QPrinter &, const CPrintJob &)>(kPrintModule, "zqv_prepare_printer", error);
    if (prepare)
        prepare(printer, job);
    return prepare != nullptr;
}

bool DefaultPrinterPaper(QPageSize *paper, QString *error)
{
    const auto find = ResolveModule<bool(QPageSize *)>(kPrintModule, "zqv_default_printer_paper", error);
    return find && find(paper);
}

}  // namespace zqv
