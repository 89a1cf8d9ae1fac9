// F1 in the program's dialogs and windows of their own: the help opens at the dialog's page,
// and stays usable while the dialog that asked for it is modal.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace zqv {

// The help page of a dialog or window ("dlg_preference.htm"), by its class; empty for one the
// help does not describe on a page of its own.
QString DialogHelpPage(const QWidget *window);

// Watches the whole program for F1 in a window that has a page of its own (the main window's
// F1 is its own command) and hands the window and its page to `show`.
class CDialogHelpKey : public QObject {
public:
    using Show = std::function<void(QWidget *window, const QString &page)>;
    CDialogHelpKey(Show show, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Show m_fnShow;
};

// Lets `helpWindow` take the mouse and keyboard while `dialog` is modal: the help window goes
// with the dialog, and back to `owner` once the dialog is closed.
void KeepHelpUsable(QWidget *helpWindow, QWidget *dialog, QWidget *owner);

}  // namespace zqv
