// The report window: the report page as written to its file, with Print, Print Preview,
// Save As (the page as a web page with its pictures, or as PDF) and Close. Printing starts
// with the report's margins on this window's printer only (nothing global is changed); what
// the user then sets in the print dialog wins. Every printed page carries a footer with the
// profile's name, the page number and the date.
//
// RunReportCommand is the Report command: the report choice, building, writing and showing.
#pragma once

#include "PrintModule.h"
#include "ReportBuilder.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace zqv {

class IFileDialog;
class IPrompter;

class CReportDlg : public QDialog {
    Q_OBJECT
public:
    // `profileName` goes into the printed footer; Save As starts in `profileFolder` (the home
    // folder when empty: a profile never saved).
    CReportDlg(const QString &reportPath, const QString &profileName, const QString &profileFolder, IPrompter &prompter,
               IFileDialog &fileDialog, QWidget *parent = nullptr);

    QTextBrowser *Browser() const { return m_pBrowser; }
    QPushButton *PrintButton() const { return m_pPrint; }
    QPushButton *PreviewButton() const { return m_pPreview; }
    QPushButton *SaveAsButton() const { return m_pSaveAs; }
    QPushButton *CloseButton() const { return m_pClose; }
    const QString &ReportPath() const { return m_strPath; }

    // The print job of the page: a printer starts with the report's margins, the report's title
    // as the job's name and, when it prints to a file rather than a printer, the locale's paper;
    // the page is printed with the printer's paper and margins as the user left them.
    CPrintJob PrintJob();
    // Saves the page: a path ending in ".pdf" as PDF, anything else as the web page with the
    // pictures it shows beside it. False (nothing shown) when it could not be written, with
    // the cause in `reason`.
    bool SaveTo(const QString &path, QString *reason = nullptr);

    void OnPrint();
    void OnPrintPreview();
    void OnSaveAs();

private:
    QString m_strPath;
    QString m_strProfileName;
    QString m_strProfileFolder;
    IPrompter &m_prompter;
    IFileDialog &m_fileDialog;
    QTextBrowser *m_pBrowser;
    QPushButton *m_pPrint;
    QPushButton *m_pPreview;
    QPushButton *m_pSaveAs;
    QPushButton *m_pClose;
};

// What the Report command needs from the program around it.
struct CReportContext {
    QString installDir;
    QString cacheDir;  // where a page goes when the Report folder refuses it
    CDealerTexts dealer;
    IPrompter *prompter = nullptr;
    IFileDialog *fileDialog = nullptr;
    QWidget *parent = nullptr;
};

// The Report command on a profile: asks which report, builds it, writes it and shows it in the
// report window. Failures throw CZQVCPSException (the caller shows its message).
void RunReportCommand(const CZQVCPSDoc &doc, const CReportContext &context);
// The report written to its file, ready for the window: the path written.
QString WriteReport(const CZQVCPSDoc &doc, const CReportContext &context, ReportKind kind);

}  // namespace zqv
