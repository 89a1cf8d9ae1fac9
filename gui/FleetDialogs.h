// The questions a fleet run asks: the one confirmation before the radios are written (per
// radio what will change, as the single write's change report shows it), and a radio's
// codeplug password as the run reaches that radio.
#pragma once

#include "AskPwdDlg.h"
#include "FleetRun.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace zqv {

class CFleetConfirmDialog : public QDialog {
    Q_OBJECT
public:
    // `profile` names the profile to be written.
    CFleetConfirmDialog(const std::vector<FleetRadioPlan> &plans, const QString &profile, QWidget *parent = nullptr);
    // One top-level item per radio, its changes and notes below it.
    QTreeWidget *List() const { return m_pList; }
    QPushButton *WriteButton() const { return m_pWrite; }

private:
    QTreeWidget *m_pList;
    QPushButton *m_pWrite;
};

// The password prompt of one radio of a run. The run checks what was typed against the radio,
// so OK always takes it; a wrong one brings the prompt back with its message.
class CFleetPasswordDialog : public CAskPwdDlg {
    Q_OBJECT
public:
    CFleetPasswordDialog(const FleetRow &row, IPrompter &prompter, QWidget *parent = nullptr);
    QString Typed() const;
    void accept() override;
};

// "ttyUSB0  Ann (10000101)": a row's radio as the run's windows name it.
QString FleetRadioLabel(const QString &port, const QString &name, const QString &unitPid);

}  // namespace zqv
