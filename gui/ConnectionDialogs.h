// The desktop program's windows for a radio that will not talk: Device > Find Cable (the port
// list with what is known of each port; unplug and replug names the cable's port), Device >
// Test Connection (the troubleshooter's checks and what to do), Help > Open Last Link Trace
// and Help > Save Support Bundle. The checks, the inventory and the bundle themselves live in
// the link library; these windows only show them.
#pragma once

#include "CableDoctor.h"
#include "PortInventory.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QPlainTextEdit;

namespace zqv {

class CZQVCPSApp;

class CFindCableDialog : public QDialog {
    Q_OBJECT
public:
    // `pollMs`: how often the port list is looked at again.
    CFindCableDialog(IPortEnumerator &ports, QWidget *parent = nullptr, int pollMs = 300);

    QTreeWidget *PortList() const { return m_pList; }
    QLabel *Status() const { return m_pStatus; }
    QPushButton *UseButton() const { return m_pUse; }
    // The port the user took with Use This Port; empty when none.
    const QString &ChosenPort() const { return m_strChosen; }
    // Looks at the port list now (the timer does it every pollMs).
    void Poll();

private:
    void Fill();
    void OnUse();

    IPortEnumerator &m_ports;
    CCableFinder m_finder;
    QTreeWidget *m_pList = nullptr;
    QLabel *m_pStatus = nullptr;
    QPushButton *m_pUse = nullptr;
    QTimer m_timer;
    QString m_strChosen;
};

class CTestConnectionDialog : public QDialog {
    Q_OBJECT
public:
    CTestConnectionDialog(const CCableDoctor &doctor, const QString &port, QWidget *parent = nullptr);
    ~CTestConnectionDialog() override;

    // Runs the checks (on a worker thread; the window stays alive meanwhile) and shows them.
    void Start();
    bool Finished() const { return m_bFinished; }
    const DoctorReport &Report() const { return m_report; }
    QLabel *Result() const { return m_pResult; }

signals:
    void Done();

private:
    void Show(const DoctorReport &report);

    const CCableDoctor &m_doctor;
    QString m_strPort;
    QTreeWidget *m_pChecks = nullptr;
    QLabel *m_pResult = nullptr;
    QPushButton *m_pClose = nullptr;
    DoctorReport m_report;
    bool m_bFinished = false;
    class QThread *m_pWorker = nullptr;
};

// Device > Find Cable: stores the port the user takes as the port choice.
void RunFindCable(CZQVCPSApp &app);
// Device > Test Connection on `port` (the port in use when empty).
void RunTestConnection(CZQVCPSApp &app, const QString &port = QString());
// Help > Open Last Link Trace.
void RunOpenLastTrace(CZQVCPSApp &app);
// Help > Save Support Bundle.
void RunSaveSupportBundle(CZQVCPSApp &app);
// Makes every transfer failure offer Test Connection (called once the main window exists).
void InstallTroubleshooterOffer(CZQVCPSApp &app);
// Adds the Test Connection button to a transfer window that ended with failure `code`.
void OfferTroubleshooter(QDialog &transferDialog, const QString &port, int code);

}  // namespace zqv
