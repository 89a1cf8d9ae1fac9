#include "BackupStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zqv::link {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".zqv");

// "2026-12-08_14-05-09" or "2026-12-08_14-05-09-2" (a second backup in the same second).
QDateTime TimeOfName(const QString &baseName)
{
    return QDateTime::fromString(baseName.left(kTimeFormat.size()), kTimeFormat);
}

}  // namespace

QString BackupFolderName(const QString &pid)
{
    QString name;
    for (const QChar c : pid)
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            name += c;
    return name.isEmpty() ? QStringLiteral("unknown") : name;
}

QString NewBackupPath(const QString &root, const QString &pid, const QDateTime &when)
{
    const QString folder = root + QLatin1Char('/') + BackupFolderName(pid);
    if (!QDir().mkpath(folder))
        return QString();
    const QString stem = folder + QLatin1Char('/') + when.toString(kTimeFormat);
    QString path = stem + kSuffix;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(kSuffix);
    return path;
}

std::vector<BackupEntry> ListBackups(const QString &root, const QString &pid)
{
    std::vector<BackupEntry> out;
    const QDir base(root);
    const QStringList folders =
        pid.isEmpty() ? base.entryList(QDir::Dirs | QDir::NoDotAndDotDot) : QStringList{BackupFolderName(pid)};
    for (const QString &folder : folders) {
        const QDir dir(base.filePath(folder));
        for (const QFileInfo &file : dir.entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
            const QDateTime taken = TimeOfName(file.completeBaseName());
            if (taken.isValid())
                out.push_back({file.absoluteFilePath(), folder, taken, file.completeBaseName()});
        }
    }
    std::sort(out.begin(), out.end(), [](const BackupEntry &a, const BackupEntry &b) {
        return a.taken != b.taken ? a.taken > b.taken : a.name > b.name;
    });
    return out;
}

void PruneBackups(const QString &root, const QString &pid, int keep)
{
    // By folder name: a radio without a PID keeps its backups in "unknown", and an empty PID
    // must not reach ListBackups, where it means every radio.
    const std::vector<BackupEntry> all = ListBackups(root, BackupFolderName(pid));
    for (size_t i = size_t(std::max(keep, 1)); i < all.size(); ++i)
        QFile::remove(all[i].path);
}

}  // namespace zqv::link
