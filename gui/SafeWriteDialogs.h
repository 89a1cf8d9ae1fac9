// The safe write's windows: the change report shown before a write (what the radio holds now
// against what it will hold, with Write and Cancel), and Restore Backup (the backups taken
// before writes, of the radio last seen or of all radios, newest first).
#pragma once

#include "BackupStore.h"
#include "ProfileDiff.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QPushButton;
class QTreeWidget;

namespace zqv {

class CChangeReportDialog : public QDialog {
    Q_OBJECT
public:
    // `backupPath` is where the radio's programming before the write was saved.
    CChangeReportDialog(const std::vector<link::ProfileDifference> &changes, const QString &backupPath,
                        QWidget *parent = nullptr);
    QTreeWidget *List() const { return m_pList; }
    QPushButton *WriteButton() const { return m_pWrite; }

private:
    QTreeWidget *m_pList;
    QPushButton *m_pWrite;
};

class CRestoreBackupDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the backups below `root`; only radio `pid`'s until "all radios" is ticked (all at
    // once when `pid` is empty).
    CRestoreBackupDialog(const QString &root, const QString &pid, QWidget *parent = nullptr);
    // The chosen backup's path; empty when none is chosen.
    QString Chosen() const;
    QTreeWidget *List() const { return m_pList; }
    QCheckBox *AllRadiosBox() const { return m_pAll; }
    QPushButton *RestoreButton() const { return m_pRestore; }

private:
    void Fill();

    QString m_strRoot;
    QString m_strPid;
    QTreeWidget *m_pList;
    QCheckBox *m_pAll;
    QPushButton *m_pRestore;
};

}  // namespace zqv
