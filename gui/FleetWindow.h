// Device > Fleet: many radios at once, one row per programming cable and the radio on it.
//
// The window is not modal: profiles stay open to edit beside it. Rows come and go as cables
// are plugged in and pulled out (the port list is looked at every second, also during a run);
// a radio on a new cable is identified as soon as nothing else runs, so its row shows its
// unit ID, its name in the active profile, its firmware and setting group. Read, Check and
// Write act on the selected rows, or on every row when none is selected; Stop ends every radio
// safely. Check and Write use the active profile window, which stays open until the run ends.
// A radio whose unit ID is in no private contact of that profile is not written: Add to
// Profile makes it one, as one step of the profile's undo history. At the end of a run its
// table (radio, result, time, backup, check) can be saved as CSV and printed.
#pragma once

#include "FleetRun.h"
#include "TransferEta.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace zqv {

class CChildFrame;
class CZQVCPSApp;

class CFleetWindow : public QWidget, private IFleetHost {
    Q_OBJECT
public:
    enum Column { ColPort, ColPid, ColName, ColFirmware, ColGroup, ColProgress, ColTimeLeft, ColStatus, ColCount };

    explicit CFleetWindow(CZQVCPSApp &app, QWidget *parent = nullptr);
    ~CFleetWindow() override;

    QTreeWidget *RowList() const { return m_pRows; }
    QTreeWidget *RunList() const { return m_pRunList; }
    QPushButton *ActionButton(FleetAction action) const;
    QPushButton *StopButton() const { return m_pStop; }
    QPushButton *AddButton() const { return m_pAdd; }
    QPushButton *SaveCsvButton() const { return m_pSaveCsv; }
    QPushButton *PrintButton() const { return m_pPrint; }
    QLineEdit *FolderBox() const { return m_pFolder; }
    // The run under the window (tests set its sessions up and its poll interval).
    CFleetRun &Fleet() { return *m_spRun; }
    bool IsRunning() const { return m_spRun->IsRunning(); }
    // The row of port `port`, or null.
    QTreeWidgetItem *RowOfPort(const QString &port) const;

    // Runs `action` over the selected rows, or every row when none is selected, to its end.
    void RunAction(FleetAction action);
    // Adds the radios of the chosen rows whose unit ID is in no private contact of the active
    // profile to it as private contacts: one step of its undo history.
    void AddToProfile();
    // The last run's table as CSV at `path`; false (the reason shown) when it could not be saved.
    bool SaveRunTable(const QString &path);
    // The last run's table as a page for the report window; empty (the reason shown) on failure.
    QString WriteRunTablePage();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct RowView {
        QTreeWidgetItem *item = nullptr;
        QProgressBar *bar = nullptr;
        CTransferEta eta;
        QString step;
        bool working = false;
        // Its last run was only the identification of a new cable.
        bool identifiedOnly = false;
    };

    // IFleetHost
    void RowChanged(const FleetRow &row) override;
    void RowRemoved(int rowId) override;
    void RadioFinished(const FleetRunEntry &entry) override;
    bool ConfirmWrite(const std::vector<FleetRadioPlan> &plans) override;
    bool AskPassword(const FleetRow &row, bool retry, QString &typed) override;
    int AskRadio(const FleetRow &row, const QString &text, unsigned style) override;
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override;

    // The port list again, and the radios on new cables identified.
    void Poll();
    // Runs `action` over `rowIds` with the active profile (null: none) to its end.
    void Execute(FleetAction action, const std::vector<int> &rowIds, CChildFrame *profile);
    void ShowTimesLeft();
    void UpdateControls();
    void AddRunEntry(const FleetRunEntry &entry);
    void OnSaveCsv();
    void OnPrint();
    void OnBrowse();
    // The selected rows, or every row when none is selected.
    std::vector<int> ChosenRows() const;
    // The rows among `rows` that Add to Profile would add.
    std::vector<int> RowsNotInProfile(const std::vector<int> &rows) const;
    CChildFrame *ActiveProfile() const;

    CZQVCPSApp &m_app;
    std::unique_ptr<CFleetRun> m_spRun;
    std::map<int, RowView> m_rows;
    // Rows identified (or tried) since they appeared.
    std::set<int> m_identified;
    // The last Read, Check or Write run's table (an identification keeps it), as listed, as
    // CSV and as a page to print.
    std::vector<FleetRunEntry> m_runTable;
    QByteArray m_runCsv;
    QString m_strRunPage;
    bool m_bFillTable = false;
    QString m_strRunProfile;
    QElapsedTimer m_clock;
    QTimer *m_pPoll;
    QTimer *m_pTick;
    bool m_bCloseWhenIdle = false;
    QPushButton *m_pRead;
    QPushButton *m_pCheck;
    QPushButton *m_pWrite;
    QPushButton *m_pStop;
    QPushButton *m_pAdd;
    QLabel *m_pProfile;
    QLineEdit *m_pFolder;
    QTreeWidget *m_pRows;
    QLabel *m_pCount;
    QTreeWidget *m_pRunList;
    QPushButton *m_pSaveCsv;
    QPushButton *m_pPrint;
};

// The Device > Fleet command: shows the main window's fleet window, made on first use.
void ShowFleetWindow(CZQVCPSApp &app);
// Whether a fleet run is going on in the main window's fleet window.
bool FleetRunning(const QWidget *mainWindow);

}  // namespace zqv
