// The report choice: the Radio-Specific Report (only for a profile that holds the radio's own
// private contact; otherwise shown grey and never selectable) and the Overview Report.
#pragma once

#include "ReportBuilder.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace zqv {

class CReportOptionDlg : public QDialog {
    Q_OBJECT
public:
    // `radioSpecificAvailable`: whether the profile can have a Radio-Specific Report.
    explicit CReportOptionDlg(bool radioSpecificAvailable, QWidget *parent = nullptr);

    QListWidget *List() const { return m_pList; }
    QPushButton *OkButton() const { return m_pOk; }
    bool IsRadioSpecificAvailable() const { return m_bRadioSpecificAvailable; }
    // The report chosen (valid after OK).
    ReportKind Choice() const { return m_choice; }

    void accept() override;

private:
    void OnSelectionChanged();

    QListWidget *m_pList;
    QPushButton *m_pOk;
    bool m_bRadioSpecificAvailable;
    ReportKind m_choice = ReportKind::Overview;
};

}  // namespace zqv
