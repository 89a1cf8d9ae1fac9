// The help module (gui/HelpModule.h): the help window and the help files' pages over Qt Help.
#include "HelpFile.h"
#include "HelpWindow.h"

extern "C" Q_DECL_EXPORT void zqv_open_help_pages(const QString &path, std::shared_ptr<zqv::IHelpPages> *pages)
{
    *pages = zqv::CHelpFile::Open(path);
}

extern "C" Q_DECL_EXPORT zqv::IHelpWindow *zqv_show_help_window(const QString &helpFilePath, zqv::IPrompter &prompter,
                                                                QWidget *owner, const QString &page)
{
    return zqv::CHelpWindow::ShowHelp(helpFilePath, prompter, owner, page);
}
