// Device > History: the writes into radios, newest first, filtered by radio (unit ID or part of
// its name), date range and result; the entries shown (or those selected) become a job sheet
// for the customer, shown in the report window to print or save as PDF.
#pragma once

#include "WriteHistory.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zqv {

class CZQVCPSApp;
class IFileDialog;
class IPrompter;

class CWriteHistoryDialog : public QDialog {
    Q_OBJECT
public:
    CWriteHistoryDialog(const QString &historyPath, IPrompter &prompter, IFileDialog &fileDialog,
                        QWidget *parent = nullptr);

    QTreeWidget *List() const { return m_pList; }
    QLineEdit *RadioBox() const { return m_pRadio; }
    QCheckBox *FromBox() const { return m_pFromOn; }
    QDateEdit *FromDate() const { return m_pFrom; }
    QCheckBox *ToBox() const { return m_pToOn; }
    QDateEdit *ToDate() const { return m_pTo; }
    QComboBox *ResultBox() const { return m_pResult; }
    QLineEdit *CustomerBox() const { return m_pCustomer; }
    QPushButton *PrintButton() const { return m_pPrint; }

    // The filter the boxes set.
    link::WriteHistoryFilter Filter() const;
    // The entries the job sheet takes: the selected rows, or every row shown when none is.
    std::vector<link::WriteHistoryEntry> SheetEntries() const;
    // The job sheet's page as written for the report window; empty (message shown) on failure.
    QString WriteJobSheet();

private:
    void Refill();
    void OnPrint();

    link::CWriteHistory m_history;
    QString m_strPath;
    IPrompter &m_prompter;
    IFileDialog &m_fileDialog;
    std::vector<link::WriteHistoryEntry> m_entries;  // as listed
    QLineEdit *m_pRadio;
    QCheckBox *m_pFromOn;
    QDateEdit *m_pFrom;
    QCheckBox *m_pToOn;
    QDateEdit *m_pTo;
    QComboBox *m_pResult;
    QTreeWidget *m_pList;
    QLabel *m_pCount;
    QLineEdit *m_pCustomer;
    QPushButton *m_pPrint;
};

// The Device > History command.
void ShowWriteHistory(CZQVCPSApp &app);

}  // namespace zqv
