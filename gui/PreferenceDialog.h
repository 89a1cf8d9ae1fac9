// The Preference dialog: which serial port the transfers use, or automatic detection of the
// programming cable. OK stores CurrentComPort and AutoDetect and shows the port in the
// status bar.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace zqv {

class CConfigStore;
class IPortEnumerator;

class CPreferenceDialog : public QDialog {
    Q_OBJECT
public:
    CPreferenceDialog(CConfigStore &store, IPortEnumerator &ports, QWidget *parent = nullptr);

    QCheckBox *AutoDetectBox() const { return m_pAuto; }
    QComboBox *PortList() const { return m_pPorts; }

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
};

}  // namespace zqv
