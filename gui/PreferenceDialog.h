// The Preference dialog: which serial port the transfers use, or automatic detection of the
// programming cable, whether the link trace is written, the safe write (backup before a
// write, check after it, backups kept per radio) and the program's appearance. OK stores
// CurrentComPort, AutoDetect, LinkTrace, the safe-write values and the appearance (applied to
// every window at once), shows the port in the status bar and starts or stops the trace.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace zqv {

class CConfigStore;
class IPortEnumerator;

class CPreferenceDialog : public QDialog {
    Q_OBJECT
public:
    CPreferenceDialog(CConfigStore &store, IPortEnumerator &ports, QWidget *parent = nullptr);

    QCheckBox *AutoDetectBox() const { return m_pAuto; }
    QComboBox *PortList() const { return m_pPorts; }
    QCheckBox *LinkTraceBox() const { return m_pTrace; }
    // The trace file's path, or why it could not be opened.
    QLabel *LinkTraceLabel() const { return m_pTraceFile; }
    QCheckBox *BackupBox() const { return m_pBackup; }
    QCheckBox *VerifyBox() const { return m_pVerify; }
    QSpinBox *KeepBox() const { return m_pKeep; }
    // Follow the desktop, dark or high contrast: applied to every window on OK.
    QComboBox *AppearanceList() const { return m_pAppearance; }

    // Starts or stops the link trace as the stored setting says. False, with the reason in
    // `error`, when the trace is asked for and its file cannot be opened.
    static bool ApplyLinkTrace(const CConfigStore &store, QString *error = nullptr);
    // Starts the trace into the user's trace file, or stops it when it goes there.
    static bool SwitchLinkTrace(bool on, QString *error);

    // Shows the dialog; the status bar shows the port found when it opens.
    int exec() override;
    void accept() override;

signals:
    // The port to show in the status bar.
    void PortChosen(const QString &port);

private:
    // Fills the list with the present ports and selects what detection finds.
    void FillPortList();
    void ApplyCheckRule();

    CConfigStore &m_store;
    IPortEnumerator &m_enumerator;
    QCheckBox *m_pAuto;
    QComboBox *m_pPorts;
    QCheckBox *m_pTrace;
    QLabel *m_pTraceFile;
    QCheckBox *m_pKeepTraces = nullptr;  // every transfer keeps its trace in the cache
    QCheckBox *m_pBackup;
    QCheckBox *m_pVerify;
    QSpinBox *m_pKeep;
    QComboBox *m_pAppearance;
};

}  // namespace zqv
