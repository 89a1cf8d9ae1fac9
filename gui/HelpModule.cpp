#include "HelpModule.h"

#include "Modules.h"

namespace zqv {

std::shared_ptr<IHelpPages> OpenHelpPages(const QString &path, QString *error)
{
    std::shared_ptr<IHelpPages> pages;
    const auto open =
        ResolveModule<void(const QString &, std::shared_ptr<IHelpPages> *)>(kHelpModule, "zqv_open_help_pages", error);
    if (open)
        open(path, &pages);
    return pages;
}

IHelpWindow *ShowHelpWindow(const QString &helpFilePath, IPrompter &prompter, QWidget *owner, const QString &page,
                            QString *error)
{
    const auto show = ResolveModule<IHelpWindow *(const QString &, IPrompter &, QWidget *, const QString &)>(
        kHelpModule, "zqv_show_help_window", error);
    return show ? show(helpFilePath, prompter, owner, page) : nullptr;
}

}  // namespace zqv
