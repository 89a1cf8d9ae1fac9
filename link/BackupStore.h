// The backups a write takes of a radio before it sends anything: profiles in a folder of their
// own, one subfolder per radio (its own private ID), each file named by the local date and
// time it was taken ("2026-12-08_14-05-09.zqv", then "...-2.zqv", "...-3.zqv" within the same
// second), so the names sort by age. They hold the radio's codeplug password: the folders and
// files are readable by their owner only.
#pragma once

#include "VirtualCPData.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace zqv::link {

struct BackupEntry {
    QString path;
    QString pid;  // the radio's own private ID (its folder's name)
    QDateTime taken;  // local time, from the file name
    QString name;  // the file name without the suffix
    int number = 1;  // its place within the second: 1, or N of a "-N" name
};

// The folder name for a radio's PID: the PID's letters and digits ("unknown" when none), so a
// PID a radio sends can never name a path outside the backup folder.
QString BackupFolderName(const QString &pid);

// A new backup file of radio `pid` in `root`, taken at `when` (local time): created empty,
// owner-only, under a name no other backup has (a program saving at the same second gets the
// next number). The folders are created, and made owner-only. Empty when it cannot be.
QString NewBackupPath(const QString &root, const QString &pid, const QDateTime &when);

// The backups in `root`, newest first (within a second the higher number first); only those
// of radio `pid` when it is not empty.
std::vector<BackupEntry> ListBackups(const QString &root, const QString &pid = QString());

// Deletes the oldest backups of radio `pid` so that at most `keep` remain. `taken`, the backup
// just taken, is never deleted and counts as the newest whatever its name says: every other
// file was there before it, even one named later (a clock set back, files from another PC).
void PruneBackups(const QString &root, const QString &pid, int keep, const QString &taken = QString());

// Whether two backup files hold the same programming: everything a write sends, everything
// but the radio's running clock. False when either cannot be read.
bool SameProgramming(const QString &a, const QString &b);

// The radio a backup was taken of: its own private ID, the name of its own private contact
// and its model, as the file holds them; empty texts when the file cannot be read.
struct BackupRadio {
    QString pid;
    QString name;
    QString model;
};
BackupRadio ReadBackupRadio(const QString &path);

// The record a backup file holds; false when it cannot be read.
bool ReadBackupRecord(const QString &path, VirtualCPData &record);

// A radio as a message names it: its own contact's name and its ID ("Ann (20000001)"), or
// the ID alone when the record has no contact of that ID.
QString RadioLabel(const VirtualCPData &record);

}  // namespace zqv::link
