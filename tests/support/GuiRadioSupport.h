// The desktop program's radio tests' peers: zqv-radio-sim started as a process on its
// pseudo-terminal with a log of its requests, a driver that answers the modal windows of a
// transfer as a user would, and the fixture that puts the program, the simulator and the driver
// together. The including test defines ZQV_SIM, the simulator's path, and links
// zqv_editors_frame.
#pragma once

#include "AskPwdDlg.h"
#include "FrameEditors.h"
#include "GuiTestSupport.h"
#include "RadioCommands.h"
#include "RadioTransfer.h"
#include "SafeWriteDialogs.h"
#include "TransferDialog.h"
#include "TransferTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

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
    // Each report shown: a row "item|change|now|after" per difference; and its text above
    // the list, and its question (empty when it has none).
    QList<QStringList> changeReports;
    QStringList changeReportIntros;
    QStringList changeReportQuestions;
    // How often a transfer dialog waited for OK after its success.
    int okClicks = 0;
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
            if (dlg->OkButton()->isEnabled()) {
                ++okClicks;
                dlg->OkButton()->click();
            } else if (closeFailedDialogs && dlg->IsFinished() && dlg->CancelButton()->isEnabled())
                dlg->CancelButton()->click();
        } else if (auto *report = qobject_cast<zqv::CChangeReportDialog *>(modal)) {
            QStringList rows;
            for (int i = 0; i < report->List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = report->List()->topLevelItem(i);
                rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(u'|');
            }
            changeReports << rows;
            changeReportIntros << report->IntroText();
            changeReportQuestions << report->QuestionText();
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

// The desktop program with the real tree and forms, the simulated radio on the one port the
// program lists (a "BR ZQV CABLE"), and the driver. A test class derives from it too, calls
// InitRadioWorld() from init() and CleanupRadioWorld() from cleanup(), and Start() in each test.
class CRadioWorldFixture {
protected:
    void InitRadioWorld()
    {
        m_world = std::make_unique<CGuiWorld>();
        zqv::InstallEditors(m_world->prompter);
        m_driver = std::make_unique<CDialogDriver>();
    }
    void CleanupRadioWorld()
    {
        m_world.reset();
        zqv::CChildFrame::SetTreeFactory(nullptr);
        zqv::CChildFrame::SetViewFactory(nullptr);
        m_sim.reset();
        m_driver.reset();
    }

    // Starts the simulator with `simArgs` and the program with `programArgs`; true when both
    // run and the program took the simulator's port as its cable. The write's pause before the
    // end-write reply is off.
    bool Start(const QStringList &simArgs, const QStringList &programArgs = {})
    {
        m_sim = std::make_unique<CSimProcess>(simArgs);
        if (!m_sim->Ok())
            return false;
        zqv::SerialPortEntry port;
        port.portName = port.systemLocation = m_sim->port;
        port.description = QStringLiteral("BR ZQV CABLE");
        m_world->ports->ports = {port};
        if (!m_world->Start(programArgs))
            return false;
        zqv::CRadioTransfer::Timing timing;
        timing.endWritePauseMs = 0;
        m_world->app->Radio().SetTiming(timing);
        // The frame looks for the cable once it is on screen.
        return QTest::qWaitFor([this] { return m_world->Frame().CablePort() == m_sim->port; }, 5000);
    }

    // Waits up to 30 s for the running transfer to end; true when none runs.
    bool WaitIdle()
    {
        QElapsedTimer t;
        t.start();
        while (!m_world->app->TransferIdle() && t.elapsed() < 30000)
            QTest::qWait(20);
        return m_world->app->TransferIdle();
    }

    std::unique_ptr<CGuiWorld> m_world;
    std::unique_ptr<CSimProcess> m_sim;
    std::unique_ptr<CDialogDriver> m_driver;
};

}  // namespace zqvtest
