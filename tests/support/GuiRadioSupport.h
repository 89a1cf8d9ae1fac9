// The desktop program's radio tests' peers: zqv-radio-sim started as a process on its
// pseudo-terminal with a log of its requests, and a driver that answers the modal windows of a
// transfer as a user would. The including test defines ZQV_RADIO_SIM, the simulator's path.
#pragma once

#include "AskPwdDlg.h"
#include "SafeWriteDialogs.h"
#include "TransferDialog.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <csignal>
#include <sys/prctl.h>

namespace zqvtest {

// zqv-radio-sim on its pseudo-terminal, with a log of the requests it received.
class CSim {
public:
    QProcess process;
    QString pty;
    QString logPath;
    QString dumpPath;

    bool Start(const QTemporaryDir &dir, const QStringList &args = {})
    {
        logPath = dir.filePath(QStringLiteral("sim.log"));
        dumpPath = dir.filePath(QStringLiteral("sim-dump.zqv"));
        QFile::remove(logPath);
        // The simulator ends with the test, even when the test itself ends abnormally.
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(QStringLiteral(ZQV_RADIO_SIM), QStringList{"--log", logPath, "--dump", dumpPath} + args);
        if (!process.waitForStarted(5000))
            return false;
        for (int i = 0; i < 100 && !process.canReadLine(); ++i)
            process.waitForReadyRead(100);
        pty = QString::fromLocal8Bit(process.readLine()).trimmed();
        return !pty.isEmpty();
    }
    ~CSim()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
    }
    // The commands received, as the log's first word ("25", "31", ...).
    QStringList Commands() const
    {
        QFile f(logPath);
        QStringList out;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray &line : f.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    out << QString::fromLatin1(line.trimmed().split(' ').first());
        return out;
    }
    bool ReceivedAnyWrite() const
    {
        const QStringList c = Commands();
        return c.contains("29") || c.contains("31") || c.contains("33") || c.contains("36");
    }
};

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
