// The desktop program's radio tests' peers: zqv-radio-sim started as a process on its
// pseudo-terminal with a log of its requests, and a driver that answers the modal windows of a
// transfer as a user would. The including test defines ZQV_SIM, the simulator's path.
#pragma once

#include "AskPwdDlg.h"
#include "SafeWriteDialogs.h"
#include "TransferDialog.h"
#include "TransferTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace zqvtest {

// zqv-radio-sim on its pseudo-terminal, with a log of the requests it received.
using zqv::test::CSimProcess;

// Answers the modal windows of a transfer as a user would: OK once a transfer dialog has
// succeeded, and the next of the prepared passwords at the password prompt (Cancel when none
// is left).
class CDialogDriver : public QObject {
public:
    QStringList passwords;
    int passwordPrompts = 0;
    // The change report before a write: answered Write, or Cancel without `writeChanges`.
    bool writeChanges = true;
    // A transfer dialog that ended with a failure is closed (Cancel) rather than left open.
    bool closeFailedDialogs = false;
    // Each report shown: a row "item|change|now|after" per difference.
    QList<QStringList> changeReports;
    QTimer timer;
    CDialogDriver()
    {
        connect(&timer, &QTimer::timeout, this, [this] { Tick(); });
        timer.start(10);
    }
    void Tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dlg = qobject_cast<zqv::CReadWriteDialog *>(modal)) {
            if (dlg->OkButton()->isEnabled())
                dlg->OkButton()->click();
            else if (closeFailedDialogs && dlg->IsFinished() && dlg->CancelButton()->isEnabled())
                dlg->CancelButton()->click();
        } else if (auto *report = qobject_cast<zqv::CChangeReportDialog *>(modal)) {
            QStringList rows;
            for (int i = 0; i < report->List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = report->List()->topLevelItem(i);
                rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(u'|');
            }
            changeReports << rows;
            report->done(writeChanges ? QDialog::Accepted : QDialog::Rejected);
        } else if (auto *pwd = qobject_cast<zqv::CAskPwdDlg *>(modal)) {
            ++passwordPrompts;
            if (passwords.isEmpty()) {
                pwd->reject();
            } else {
                pwd->Edit()->setText(passwords.takeFirst());
                pwd->accept();
            }
        }
    }
};

}  // namespace zqvtest
