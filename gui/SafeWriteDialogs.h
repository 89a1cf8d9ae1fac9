// The safe write's windows: the change report shown before a write (what the radio holds now
// against what it will hold, with Write and Cancel), and Restore Backup (the backups taken
// before writes, of the radio last seen or of all radios, newest first).
#pragma once

#include "BackupStore.h"
#include "ProfileDiff.h"
#include "TransferSequencer.h"

#include <QDialog>
#include <QLocale>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zqv {

// One line of a change report: item, change, what the radio holds now, what it will hold.
QStringList ChangeReportCells(const link::ProfileDifference &difference);

class CChangeReportDialog : public QDialog {
    Q_OBJECT
public:
    // `backupPath` is where the radio's programming before the write was saved; `other` names
    // both radios when a backup of another radio is to be written (first line and question).
    CChangeReportDialog(const std::vector<link::ProfileDifference> &changes, const QString &backupPath,
                        const OtherRadioBackup &other = {}, QWidget *parent = nullptr);
    QTreeWidget *List() const { return m_pList; }
    QPushButton *WriteButton() const { return m_pWrite; }
    // The text above the list, and the question above the buttons (empty when none).
    QString IntroText() const;
    QString QuestionText() const;

private:
    QLabel *m_pIntro;
    QLabel *m_pQuestion = nullptr;
    QTreeWidget *m_pList;
    QPushButton *m_pWrite;
};

class CRestoreBackupDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the backups below `root` with the radio's name and model, dates and times in
    // `locale`; only radio `pid`'s until "all radios" is ticked (all at once when `pid` is
    // empty).
    CRestoreBackupDialog(const QString &root, const QString &pid, const QLocale &locale = QLocale(),
                         QWidget *parent = nullptr);
    // The chosen backup's path; empty when none is chosen.
    QString Chosen() const;
    QTreeWidget *List() const { return m_pList; }
    QCheckBox *AllRadiosBox() const { return m_pAll; }
    QPushButton *RestoreButton() const { return m_pRestore; }

private:
    void Fill();

    QString m_strRoot;
    QString m_strPid;
    QLocale m_locale;
    QTreeWidget *m_pList;
    QCheckBox *m_pAll;
    QPushButton *m_pRestore;
};

}  // namespace zqv
