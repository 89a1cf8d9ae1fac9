#include "DialogHelp.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace zqv {

namespace {

struct DialogPage {
    const char *className;
    const char *page;
};

// Next to the help-pane map of the forms: one page per dialog and window.
constexpr DialogPage kDialogPages[] = {
    {"CAboutDlg", "dlg_about.htm"},
    {"CAskPwdDlg", "dlg_password.htm"},
    {"CChangeReportDialog", "dlg_changes.htm"},
    {"CCompareRadioDialog", "cmd_radio_compare.htm"},
    {"CDealerInfoDialog", "dlg_dealerinfo.htm"},
    {"CFindCableDialog", "connection.htm#findcable"},
    {"CFleetConfirmDialog", "cmd_radio_fleet.htm"},
    {"CFleetPasswordDialog", "cmd_radio_fleet.htm"},
    {"CFleetWindow", "cmd_radio_fleet.htm"},
    {"CImportPreviewDlg", "csv.htm"},
    {"CNewProfileDlg", "dlg_newprofile.htm"},
    {"CPreferenceDialog", "dlg_preference.htm"},
    {"CReadPidDialog", "dlg_readpid.htm"},
    {"CReadWriteDialog", "dlg_transfer.htm"},
    {"CReportDlg", "dlg_report.htm"},
    {"CReportOptionDlg", "dlg_reports.htm"},
    {"CRestoreBackupDialog", "dlg_restore.htm"},
    {"CTestConnectionDialog", "connection.htm#test"},
    {"CWriteHistoryDialog", "cmd_radio_history.htm"},
};

}  // namespace

QString DialogHelpPage(const QWidget *window)
{
    if (!window)
        return QString();
    const QLatin1String name(window->metaObject()->className());
    for (const DialogPage &entry : kDialogPages)
        if (name == QLatin1String(entry.className) ||
            name.endsWith(QLatin1String("::") + QLatin1String(entry.className)))
            return QLatin1String(entry.page);
    return QString();
}

CDialogHelpKey::CDialogHelpKey(Show show, QObject *parent) : QObject(parent), m_fnShow(std::move(show)) {}

bool CDialogHelpKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    const QString page = DialogHelpPage(window);
    if (page.isEmpty())
        return false;
    m_fnShow(window, page);
    return true;
}

void KeepHelpUsable(QWidget *helpWindow, QWidget *dialog, QWidget *owner)
{
    QWindow *help = helpWindow ? helpWindow->windowHandle() : nullptr;
    QWindow *modal = dialog ? dialog->windowHandle() : nullptr;
    if (!help || !modal || !dialog->isModal())
        return;
    // A modal dialog blocks every window but its own and those that belong to it.
    help->setTransientParent(modal);
    QPointer<QWidget> keep(helpWindow);
    QPointer<QWidget> back(owner);
    const auto giveBack = [keep, back] {
        if (keep && keep->windowHandle())
            keep->windowHandle()->setTransientParent(back ? back->window()->windowHandle() : nullptr);
    };
    if (auto *asDialog = qobject_cast<QDialog *>(dialog))
        QObject::connect(asDialog, &QDialog::finished, helpWindow, giveBack);
    QObject::connect(dialog, &QObject::destroyed, helpWindow, giveBack);
}

}  // namespace zqv
