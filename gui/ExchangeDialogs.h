// File > Export and File > Import of contacts and text messages as CSV tables, and File > Merge
// of another profile, with one preview for both: every row with its verdict, the counts, the
// clash policy (and for a merge what to take), before anything changes. Confirming applies it
// in one call (CContactExchange::Apply or Merge) on the profile of the window.
#pragma once

#include "ContactExchange.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zqv {

class CChildFrame;
class CZQVCPSApp;

class CImportPreviewDlg : public QDialog {
    Q_OBJECT
public:
    // `preview` runs the import or merge on a scratch copy of the profile with the options
    // (an import reads only the clash policy).
    using Preview = std::function<ImportReport(const MergeOptions &)>;
    enum class Mode { Import, Merge };
    CImportPreviewDlg(QWidget *parent, const QString &fileName, Mode mode, Preview preview);

    // The clash policy and, for a merge, what to take from the other profile.
    MergeOptions Options() const;
    void SetOptions(const MergeOptions &options);
    const ImportReport &Report() const { return m_report; }
    QTableWidget *Table() const { return m_pTable; }

private:
    void Refresh();

    Preview m_preview;
    ImportReport m_report;
    QComboBox *m_pPolicy = nullptr;
    QCheckBox *m_pTake[5] = {};  // contacts, groups, texts, lists, settings (merge only)
    QLabel *m_pSummary = nullptr;
    QTableWidget *m_pTable = nullptr;
    QPushButton *m_pImport = nullptr;
};

// What tests put in place of the open-file dialog and of the preview's modal loop.
struct ExchangeSeams {
    std::function<QString(QWidget *parent, const QString &filter)> openFile;  // the CSV table or profile
    std::function<int(CImportPreviewDlg &)> runPreview;
};
ExchangeSeams &ExchangeTestSeams();

// Writes the window's contacts or texts to a CSV file the user names.
void RunExport(CZQVCPSApp &app, CChildFrame &child, ExchangeKind kind);
// Reads a CSV file the user picks, shows the preview and applies it on confirmation.
void RunImport(CZQVCPSApp &app, CChildFrame &child, ExchangeKind kind);
// Opens a profile the user picks, shows the merge preview and merges it on confirmation.
void RunMerge(CZQVCPSApp &app, CChildFrame &child);

}  // namespace zqv
