// The backups a write takes of a radio before it sends anything: profiles in a folder of their
// own, one subfolder per radio (its own private ID), each file named by the local date and
// time it was taken ("2026-12-08_14-05-09.zqv"), so the names sort by age.
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

namespace zqv::link {

struct BackupEntry {
    QString path;
    QString pid;  // the radio's own private ID (its folder's name)
    QDateTime taken;  // local time, from the file name
    QString name;  // the file name without the suffix
};

// The folder name for a radio's PID: the PID's letters and digits ("unknown" when none), so a
// PID a radio sends can never name a path outside the backup folder.
QString BackupFolderName(const QString &pid);

// A path for a new backup of radio `pid` in `root`, taken at `when` (local time); the folder
// is created. Empty when it cannot be.
QString NewBackupPath(const QString &root, const QString &pid, const QDateTime &when);

// The backups in `root`, newest first; only those of radio `pid` when it is not empty.
std::vector<BackupEntry> ListBackups(const QString &root, const QString &pid = QString());

// Deletes the oldest backups of radio `pid` so that at most `keep` remain.
void PruneBackups(const QString &root, const QString &pid, int keep);

}  // namespace zqv::link
